#include "core/applicationinfo.h"
#include "core/commandline.h"
#include "shell/shell.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    parta::nameApplication();
    // --help and --version answer before the application object exists, so they need no display.
    const parta::CommandLineAnswer answer = parta::readCommandLine(parta::argumentList(argc, argv));
    if (!answer.startsProgram) {
        parta::print(answer);
        return answer.exitCode;
    }

    QApplication app(argc, argv);
    parta::Shell shell;
    shell.start();
    return QApplication::exec();
}
