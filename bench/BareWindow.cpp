// The reference of the start-up measurement: the least a Qt Widgets program of this
// build does before its window is on screen, an empty main window of 1024x768.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.resize(1024, 768);
    window.show();
    return QApplication::exec();
}
