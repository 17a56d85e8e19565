#include "gui/app/CRunLongWindows.h"
#include "gui/app/TMainForm.h"
#include "gui/widgets/InterfaceLanguage.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Before any window: each takes its texts when it is made.
    InstallInterfaceLanguage(ChosenInterfaceLanguage());

    CRunLongWindows windows(CRunLongWindows::EFrameOnly::FrameOnly);
    TMainForm& frame = windows.Frame();
    // The help viewer is a window of its own; the program ends with the frame.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&frame, &TMainForm::FrameClosed, &application, &QCoreApplication::quit);
    // The frame goes up first; each dialog is made when first used.
    frame.showMaximized();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    frame.FormCreate(QGuiApplication::primaryScreen()->size());
    // No options: every argument is a project file to open (the desktop entry's %F).
    frame.OpenFilesFromCommandLine(QApplication::arguments().mid(1));
    return QApplication::exec();
}
