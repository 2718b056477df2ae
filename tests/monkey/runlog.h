#pragma once

#include <QString>

#include <cstdint>
#include <deque>

namespace parta::test {

// A monkey run so far: its seed, the number of the event under way and the
// last events, for the report of a broken rule or of a crash.
class RunLog {
public:
    explicit RunLog(std::uint64_t seed);

    void record(std::uint64_t event, const QString &what);
    // What broke, where, after which events, and how to replay the run up to it.
    QString report(const QString &what) const;

private:
    std::uint64_t seed;
    std::uint64_t current = 0;
    std::deque<QString> recent;
};

// While it lives, a process that dies (a sanitizer's report, an abort, a
// crash) first prints the report of the run to the standard error.
class CrashReport {
public:
    explicit CrashReport(const RunLog &log);
    ~CrashReport();
    CrashReport(const CrashReport &) = delete;
    CrashReport &operator=(const CrashReport &) = delete;
};

} // namespace parta::test
