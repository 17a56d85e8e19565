#include "gui/widgets/ElidedName.h"

#include <QFontMetrics>
#include <QLabel>
#include <QString>

void SetElidedName(QLabel* field, const QString& name, int width, int padding)
{
    const QString shown = QFontMetrics(field->font()).elidedText(name, Qt::ElideRight, width - 2 * padding);
    field->setText(shown);
    field->setToolTip(shown == name ? QString() : name);
    field->setAccessibleName(name);
}
