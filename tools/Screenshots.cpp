// Takes the README's pictures from the real program: the frame with the example project's
// results, and the sensitivity window of the same project; with --lang en the English
// interface with the English example (the pictures' names end in "-en"). Run it under a
// display of the size the pictures should have (Xvfb, or QT_QPA_PLATFORM=offscreen):
//   tessaly-screenshots [--lang en] <repository root>
#include "gui/app/CRunLongWindows.h"
#include "gui/app/TMainForm.h"
#include "gui/view/TUserProject.h"
#include "gui/widgets/InterfaceLanguage.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

#include <cstdio>

namespace {
// Lets the windows lay themselves out and paint before they are grabbed.
void Settle()
{
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
    }
}

bool Save(QWidget& window, const QString& path)
{
    Settle();
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool english
        = arguments.size() == 3 && arguments[0] == QStringLiteral("--lang") && arguments[1] == QStringLiteral("en");
    if (arguments.size() != 1 && !english) {
        std::fprintf(stderr, "usage: tessaly-screenshots [--lang en] <repository root>\n");
        return 2;
    }
    const QDir root(arguments.back());
    InstallInterfaceLanguage(english ? ELanguage::English : ELanguage::Russian);
    const QString suffix = english ? QStringLiteral("-en") : QString();

    CRunLongWindows windows(CRunLongWindows::EFrameOnly::FrameOnly);
    TMainForm& frame = windows.Frame();
    frame.showMaximized();
    Settle();
    windows.CreateDialogs();
    frame.FormCreate(QGuiApplication::primaryScreen()->size());
    frame.OpenFilesFromCommandLine({root.filePath(QStringLiteral("examples/supplier%1.tsy").arg(suffix))});
    TUserProject* project = frame.ActiveProject();
    if (project == nullptr) {
        std::fprintf(stderr, "The example project did not open\n");
        return 1;
    }
    if (QMdiSubWindow* window = frame.ClientArea()->activeSubWindow()) {
        window->showMaximized();
    }
    if (auto* results = project->findChild<QToolButton*>(QStringLiteral("btResultsView"))) {
        results->click();
    }
    bool saved = Save(frame, root.filePath(QStringLiteral("docs/screenshot%1.png").arg(suffix)));

    // The sensitivity window is modal: it is grabbed and closed from inside its own loop.
    QTimer::singleShot(300, [&] {
        if (QWidget* sensitivity = QApplication::activeModalWidget()) {
            saved = Save(*sensitivity, root.filePath(QStringLiteral("docs/sensitivity%1.png").arg(suffix))) && saved;
            sensitivity->close();
        } else {
            std::fprintf(stderr, "The sensitivity window did not open\n");
            saved = false;
        }
    });
    if (auto* sensitivity = frame.findChild<QAction*>(QStringLiteral("mnSensitivityAnalysis"))) {
        sensitivity->trigger();
    }
    return saved ? 0 : 1;
}
