// A second reference of the start-up measurement: the bare main window with a menu and
// a status bar, so that, like the frame, it loads the font database before it is shown.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Файл"))->addAction(QStringLiteral("Выход"));
    window.statusBar()->setFixedHeight(18);
    window.resize(1024, 768);
    window.show();
    return QApplication::exec();
}
