#pragma once

class QLabel;
class QString;

// A name in a field of a table: cut with "…" to the field's width less the padding on each
// side, the whole name in the tooltip when it is cut, and always as the field's accessible
// name, so a screen reader hears it whole.
void SetElidedName(QLabel* field, const QString& name, int width, int padding);
