// The yardstick of the benchmark: a bare Qt Widgets window of the main window's
// size and nothing in it, started the way the program starts.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(794, 568);
    window.show();
    return QApplication::exec();
}
