#include "platform/Clock.h"

#include <atomic>
#include <chrono>

namespace {
std::atomic<TTestClock*> testClock = nullptr;
}  // namespace

QDateTime Now() {
    const TTestClock* clock = testClock;
    return clock ? clock->Current() : QDateTime::currentDateTime();
}

std::uint64_t GetTickCount() {
    if (const TTestClock* clock = testClock) return clock->Ticks();
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

TTestClock::TTestClock(const QDateTime& start) : now_(start), previous_(testClock) {
    testClock = this;
}

TTestClock::~TTestClock() { testClock = previous_; }

QDateTime TTestClock::Current() const {
    std::lock_guard lock(mutex_);
    return now_;
}

std::uint64_t TTestClock::Ticks() const {
    std::lock_guard lock(mutex_);
    return ticks_;
}

void TTestClock::Set(const QDateTime& now) {
    std::lock_guard lock(mutex_);
    now_ = now;
}

void TTestClock::Advance(std::int64_t milliseconds) {
    std::lock_guard lock(mutex_);
    now_ = now_.addMSecs(milliseconds);
    ticks_ += milliseconds;
}
