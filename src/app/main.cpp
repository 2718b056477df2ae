#include "shell/shell.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    parta::Shell shell;
    shell.start();
    return QApplication::exec();
}
