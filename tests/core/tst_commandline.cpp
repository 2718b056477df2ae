// The program's command line, run as a pupil's or a teacher's terminal runs it:
// the real program in an environment without any display, so that --help and
// --version prove they answer before Qt looks for one.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

namespace {

enum class Stream { Out, Err };

// No display at all: a platform that does not exist and no X11 or Wayland display.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return environment;
}

const QString version = QStringLiteral("parta " PARTA_VERSION "\n");

} // namespace

Q_DECLARE_METATYPE(Stream)

class CommandLineTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void answers_data();
    void answers();
    void qtOptionsReachQt();
};

void CommandLineTest::answers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<Stream>("stream");
    // Lines the answer holds, in this order; the other stream stays empty.
    QTest::addColumn<QStringList>("lines");

    const QString usage = QStringLiteral("Usage: parta [options]");
    const QString helpLine = QStringLiteral("  -h, --help     Shows this help and exits.");
    const QString versionLine = QStringLiteral("  -v, --version  Shows the version and exits.");

    QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << 0 << Stream::Out
                            << QStringList{usage, helpLine, versionLine};
    QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << 0 << Stream::Out << QStringList{usage};
    QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << 0 << Stream::Out
                               << QStringList{version};
    QTest::newRow("-v") << QStringList{QStringLiteral("-v")} << 0 << Stream::Out << QStringList{version};
    QTest::newRow("a Qt option with its value, then --version")
        << QStringList{QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("--version")} << 0
        << Stream::Out << QStringList{version};
    QTest::newRow("--bogus") << QStringList{QStringLiteral("--bogus")} << 2 << Stream::Err
                             << QStringList{QStringLiteral("parta: Unknown option 'bogus'.\n") + usage,
                                            helpLine};
    QTest::newRow("-x") << QStringList{QStringLiteral("-x")} << 2 << Stream::Err
                        << QStringList{QStringLiteral("parta: Unknown option 'x'.\n") + usage};
    QTest::newRow("--bogus beside --version")
        << QStringList{QStringLiteral("--version"), QStringLiteral("--bogus")} << 2 << Stream::Err
        << QStringList{QStringLiteral("parta: Unknown option 'bogus'.\n") + usage};
    QTest::newRow("an argument") << QStringList{QStringLiteral("lesson.txt")} << 2 << Stream::Err
                                 << QStringList{QStringLiteral("parta: Unexpected argument 'lesson.txt'.\n") +
                                                usage};
}

void CommandLineTest::answers()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(Stream, stream);
    QFETCH(QStringList, lines);

    QProcess program;
    program.setProcessEnvironment(withoutDisplay());
    program.start(QStringLiteral(PARTA_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(10000));
    const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(program.readAllStandardError());

    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    const QString &answer = stream == Stream::Out ? out : err;
    const QString &other = stream == Stream::Out ? err : out;
    QVERIFY2(other.isEmpty(), qPrintable(other));
    QVERIFY2(answer.startsWith(lines.first()), qPrintable(answer));
    qsizetype from = 0;
    for (const QString &line : lines) {
        from = answer.indexOf(line, from);
        QVERIFY2(from >= 0, qPrintable(QStringLiteral("missing \"%1\" in:\n%2").arg(line, answer)));
    }
}

// -platform goes on to Qt: given a platform that works, the windows come up
// although the environment names none, and the program runs until ended.
void CommandLineTest::qtOptionsReachQt()
{
    QProcess program;
    program.setProcessEnvironment(withoutDisplay());
    program.start(QStringLiteral(PARTA_PROGRAM), {QStringLiteral("-platform"), QStringLiteral("offscreen")});
    QVERIFY(program.waitForStarted());
    const bool ended = program.waitForFinished(1500);
    const QString err = QString::fromLocal8Bit(program.readAllStandardError());
    if (!ended) {
        program.kill();
        program.waitForFinished();
    }
    QVERIFY2(
        !ended,
        qPrintable(QStringLiteral("the program ended with code %1:\n%2").arg(program.exitCode()).arg(err)));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
