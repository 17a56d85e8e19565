#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QLabel placeholder(QStringLiteral("Tessaly 1.0 (beta): окно программы ещё не собрано."));
    placeholder.resize(480, 120);
    placeholder.show();
    return QApplication::exec();
}
