#pragma once

class QDialog;
class QString;

// The structure dialogs' common frame: the caption, a fixed client size, a fixed
// border with a title and no border icons.
void SetUpFixedDialog(QDialog& dialog, const QString& caption, int width, int height);
// Centres a dialog on the window that owns it (the screen when it has none).
void CentreOnOwner(QDialog& dialog);
