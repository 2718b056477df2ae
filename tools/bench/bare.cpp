// The yardsticks of the benchmark: a bare Qt Widgets window of the main
// window's size, started the way the program starts. Empty, it never touches a
// font; with --text it shows one line of text in Qt's default font, as any
// window with a caption, a label or a button does.
// Usage: parta-bench-bare [--text]

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(794, 568);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        new QLabel(QStringLiteral("Bare window"), &window);
    window.show();
    return QApplication::exec();
}
