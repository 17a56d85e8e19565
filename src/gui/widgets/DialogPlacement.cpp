#include "gui/widgets/DialogPlacement.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

void SetUpFixedDialog(QDialog& dialog, const QString& caption, int width, int height)
{
    dialog.setWindowFlags(
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog.setWindowTitle(caption);
    dialog.setFixedSize(width, height);
    dialog.setModal(true);
}

void CentreOnOwner(QDialog& dialog)
{
    QRect area;
    if (const QWidget* owner = dialog.parentWidget()) {
        area = owner->window()->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (area.isValid()) {
        QRect placed(QPoint(0, 0), dialog.frameGeometry().size());
        placed.moveCenter(area.center());
        dialog.move(placed.topLeft());
    }
}
