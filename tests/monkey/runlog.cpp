#include "runlog.h"

#include <QStringList>

#include <array>
#include <csignal>
#include <cstdio>
#include <iterator>
#include <signal.h>

#if defined(__SANITIZE_ADDRESS__)
#define PARTA_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PARTA_SANITIZED 1
#endif
#endif
#ifdef PARTA_SANITIZED
#include <sanitizer/common_interface_defs.h>
#endif

namespace parta::test {

namespace {

constexpr std::size_t eventsKept = 8;

const RunLog *runUnderWay = nullptr;

void printRunUnderWay()
{
    if (runUnderWay)
        std::fprintf(stderr, "monkey: %s\n",
                     qPrintable(runUnderWay->report(QStringLiteral("the process died"))));
}

// In the sanitizer build AddressSanitizer handles the crashes and calls back
// when it ends the process; an UndefinedBehaviorSanitizer report aborts (its
// options say so). Elsewhere the crash signals are caught here.
#ifdef PARTA_SANITIZED
constexpr int caughtSignals[] = {SIGABRT};
#else
constexpr int caughtSignals[] = {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL};
#endif
constexpr std::size_t caughtSignalCount = std::size(caughtSignals);

// The handlers that were there before, the test framework's: they have the last word.
std::array<struct sigaction, caughtSignalCount> previousActions = {};

void restorePreviousHandlers()
{
    for (std::size_t i = 0; i < caughtSignalCount; ++i)
        sigaction(caughtSignals[i], &previousActions[i], nullptr);
}

// The signal stays blocked while this runs, and reaches the previous handler
// when it returns.
void printRunAndDie(int signal)
{
    printRunUnderWay();
    restorePreviousHandlers();
    std::raise(signal);
}

} // namespace

RunLog::RunLog(std::uint64_t seed_) : seed(seed_) {}

void RunLog::record(std::uint64_t event, const QString &what)
{
    current = event;
    recent.push_back(QStringLiteral("  #%1 %2").arg(event).arg(what));
    if (recent.size() > eventsKept)
        recent.pop_front();
}

QString RunLog::report(const QString &what) const
{
    QStringList lines{QStringLiteral("seed %1, event %2: %3").arg(seed).arg(current).arg(what),
                      QStringLiteral("the last events:")};
    lines.append(QStringList(recent.begin(), recent.end()));
    lines.append(QStringLiteral("replay: scripts/monkey %1 %2").arg(current).arg(seed));
    return lines.join(u'\n');
}

CrashReport::CrashReport(const RunLog &log)
{
    runUnderWay = &log;
#ifdef PARTA_SANITIZED
    __sanitizer_set_death_callback(printRunUnderWay);
#endif
    struct sigaction action = {};
    action.sa_handler = printRunAndDie;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < caughtSignalCount; ++i)
        sigaction(caughtSignals[i], &action, &previousActions[i]);
}

CrashReport::~CrashReport()
{
    runUnderWay = nullptr;
    restorePreviousHandlers();
}

} // namespace parta::test
