#include "dice.h"
#include "programwatch.h"
#include "randomevents.h"
#include "runlog.h"
#include "shell/shell.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QStyleHints>
#include <QTest>

#include <cstdint>
#include <cstdio>
#include <memory>

using namespace parta;
using namespace parta::test;

namespace {

// The run that CTest makes: short enough for every change, under the
// sanitizers too. PARTA_MONKEY_EVENTS and PARTA_MONKEY_SEED choose another.
constexpr std::uint64_t defaultEvents = 20000;
constexpr std::uint64_t defaultSeed = 1;

std::uint64_t numberFromEnvironment(const char *name, std::uint64_t fallback)
{
    bool ok = false;
    const qulonglong value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

// The offscreen platform cannot raise a window and says so at every pop-up;
// the other messages go on to the test's log.
QtMessageHandler testLogHandler = nullptr;

void dropOffscreenRaiseWarning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message == QStringLiteral("This plugin does not support raise()"))
        return;
    testLogHandler(type, context, message);
}

// Lets the program finish what the event set off: posted events, and the
// windows closed with the title-bar button, which are deleted later.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void randomEventsKeepTheProgramSound();
};

void MonkeyTest::randomEventsKeepTheProgramSound()
{
    const std::uint64_t seed = numberFromEnvironment("PARTA_MONKEY_SEED", defaultSeed);
    const std::uint64_t events = numberFromEnvironment("PARTA_MONKEY_EVENTS", defaultEvents);
    // Every event in the log, to follow a run step by step.
    const bool trace = qEnvironmentVariableIsSet("PARTA_MONKEY_TRACE");
    qInfo("monkey: seed %llu, %llu events", static_cast<unsigned long long>(seed),
          static_cast<unsigned long long>(events));
    testLogHandler = qInstallMessageHandler(dropOffscreenRaiseWarning);

    // A text box takes a click soon after a double click for a triple click, by
    // a timer that runs the double-click interval; with no interval the timer
    // has always run out before the next event, however fast the run goes.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);

    Dice dice(seed);
    RandomEvents monkey(dice);
    ProgramWatch watch;
    RunLog log(seed);
    CrashReport crashReport(log);

    auto shell = std::make_unique<Shell>();
    shell->start();
    watch.follow(*shell);
    int programs = 1;
    QElapsedTimer clock;
    clock.start();
    for (std::uint64_t event = 1; event <= events; ++event) {
        const RandomEvent next = monkey.next(*shell);
        log.record(event, next.what);
        if (trace)
            std::printf("#%llu %s\n", static_cast<unsigned long long>(event), qPrintable(next.what));
        next.perform();
        settle();
        const QString broken = watch.check();
        if (!broken.isEmpty())
            QFAIL(qPrintable(log.report(broken)));
        if (shell->hasEnded()) {
            shell.reset();
            settle();
            shell = std::make_unique<Shell>();
            shell->start();
            watch.follow(*shell);
            ++programs;
        }
    }
    const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    qInfo("monkey: %llu events in %.1f s, %.0f events per second; the program was started %d times "
          "and created %d of its %d windows",
          static_cast<unsigned long long>(events), seconds, static_cast<double>(events) / seconds, programs,
          watch.windowsSeen(), Shell::windowCount);
    qInstallMessageHandler(testLogHandler);
}

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
