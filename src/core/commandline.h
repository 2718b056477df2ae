#pragma once

#include <QString>
#include <QStringList>

namespace parta {

// What the command line asks of the program before any window exists.
struct CommandLineAnswer {
    // Open the windows: no option of the program's own was given and nothing was wrong.
    bool startsProgram = false;
    int exitCode = 0;
    QString standardOutput;
    QString standardError;
};

// Exit code of a command line the program does not understand.
inline constexpr int usageErrorExitCode = 2;

// Reads the program's arguments (the first one names the program). --help and
// --version answer on standard output; an unknown option or any other argument
// is an error. Qt's own options, such as -platform or -style, are left for the
// application object, which reads them itself.
CommandLineAnswer readCommandLine(const QStringList &arguments);

// The arguments of main() as text.
QStringList argumentList(int argc, char *argv[]);

// Writes the answer's texts to standard output and standard error.
void print(const CommandLineAnswer &answer);

} // namespace parta
