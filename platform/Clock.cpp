#include "platform/Clock.h"

#include <chrono>

namespace {
TTestClock* testClock = nullptr;
}  // namespace

QDateTime Now() { return testClock ? testClock->Current() : QDateTime::currentDateTime(); }

std::uint64_t GetTickCount() {
    if (testClock) return testClock->Ticks();
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

TTestClock::TTestClock(const QDateTime& start) : now_(start), previous_(testClock) {
    testClock = this;
}

TTestClock::~TTestClock() { testClock = previous_; }

void TTestClock::Set(const QDateTime& now) { now_ = now; }

void TTestClock::Advance(std::int64_t milliseconds) {
    now_ = now_.addMSecs(milliseconds);
    ticks_ += milliseconds;
}
