#pragma once
// The one clock of the program. Tests replace it, so dates, file names and time-outs that
// depend on the time can be fixed. Any thread may read it; the NTRIP worker times its uploads
// with it while a test moves it on.

#include <QDateTime>
#include <cstdint>
#include <mutex>

// The current local date and time.
QDateTime Now();
// Milliseconds from an arbitrary start, never going back.
std::uint64_t GetTickCount();

// While it lives, Now() and GetTickCount() follow this clock instead of the system's.
class TTestClock {
public:
    explicit TTestClock(const QDateTime& start);
    ~TTestClock();
    TTestClock(const TTestClock&) = delete;
    TTestClock& operator=(const TTestClock&) = delete;

    void Set(const QDateTime& now);
    void Advance(std::int64_t milliseconds);
    QDateTime Current() const;
    std::uint64_t Ticks() const;

private:
    mutable std::mutex mutex_;
    QDateTime now_;
    std::uint64_t ticks_ = 0;
    TTestClock* previous_;
};
