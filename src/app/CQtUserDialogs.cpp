#include "app/CQtUserDialogs.h"

#include "app/THelpViewer.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

namespace {
CUserDialogs* InstalledDialogs = nullptr;
} // namespace

CUserDialogs& UserDialogs()
{
    static CQtUserDialogs qtDialogs;
    return InstalledDialogs != nullptr ? *InstalledDialogs : qtDialogs;
}

void SetUserDialogs(CUserDialogs* dialogs)
{
    InstalledDialogs = dialogs;
}

void CQtUserDialogs::Inform(QWidget* parent, const QString& text, const QString& caption)
{
    QMessageBox::information(parent, caption, text, QMessageBox::Ok);
}

bool CQtUserDialogs::AskYesNo(QWidget* parent, const QString& text, const QString& caption)
{
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

QString CQtUserDialogs::ChooseFileToOpen(QWidget* parent, const QString& filter, const QString& directory)
{
    // The open dialog also names files that do not exist yet (Save as uses it).
    QFileDialog dialog(parent, QString(), directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString CQtUserDialogs::ChooseFileToSave(QWidget* parent, const QString& filter, const QString& directory)
{
    QFileDialog dialog(parent, QString(), directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false); // the overwrite prompt
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

bool CQtUserDialogs::ChoosePrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

void CQtUserDialogs::OpenHelp(QWidget* parent, const QString& helpFile)
{
    // One viewer for the run, a window of the frame, so it goes when the frame goes.
    static QPointer<THelpViewer> viewer;
    if (viewer.isNull()) {
        viewer = new THelpViewer(parent);
    }
    viewer->OpenAtContents(helpFile);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}
