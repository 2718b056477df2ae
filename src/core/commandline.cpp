#include "core/commandline.h"

#include "core/applicationinfo.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <cstdio>

namespace parta {

namespace {

// Options that Qt's application object reads from the command line itself
// (QGuiApplication, QApplication, the X11 platform). They are accepted here,
// kept out of the help, and passed on untouched.
constexpr const char *qtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "style",         "stylesheet",
};
constexpr const char *qtSwitches[] = {"reverse", "widgetcount"};

QString helpText(const QCommandLineParser &parser)
{
    // Before an application object exists Qt names the program "<executable_name>".
    return parser.helpText().replace(QStringLiteral("<executable_name>"), applicationinfo::name());
}

CommandLineAnswer usageError(const QString &error, const QCommandLineParser &parser)
{
    return {.exitCode = usageErrorExitCode,
            .standardError = applicationinfo::name() + QStringLiteral(": ") + error + QLatin1Char('\n') +
                             helpText(parser)};
}

} // namespace

CommandLineAnswer readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's options are words after a single dash, like -platform.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(applicationinfo::displayName() + QStringLiteral(": ") +
                                     applicationinfo::summary() +
                                     QStringLiteral(".\nWithout options it opens its main window."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and exits."));
    parser.addOption(help);
    parser.addOption(version);
    for (const char *name : qtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), {}, QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : qtSwitches) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments))
        return usageError(parser.errorText(), parser);
    if (!parser.positionalArguments().isEmpty())
        return usageError(
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()), parser);
    if (parser.isSet(help))
        return {.standardOutput = helpText(parser)};
    if (parser.isSet(version))
        return {.standardOutput = applicationinfo::name() + QLatin1Char(' ') + applicationinfo::version() +
                                  QLatin1Char('\n')};
    return {.startsProgram = true};
}

QStringList argumentList(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

void print(const CommandLineAnswer &answer)
{
    std::fputs(answer.standardOutput.toLocal8Bit().constData(), stdout);
    std::fputs(answer.standardError.toLocal8Bit().constData(), stderr);
}

} // namespace parta
