#include "devices/NtripHandOff.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

TNtripHandOff::TNtripHandOff() : wakeFd_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
    if (wakeFd_ < 0) return;  // without a wake-up the calls still run in DrainUntilClosed
    wakeNotifier_ = std::make_unique<QSocketNotifier>(wakeFd_, QSocketNotifier::Read);
    QObject::connect(wakeNotifier_.get(), &QSocketNotifier::activated, [this] { Drain(); });
}

TNtripHandOff::~TNtripHandOff() {
    wakeNotifier_.reset();
    if (wakeFd_ >= 0) ::close(wakeFd_);
}

bool TNtripHandOff::Synchronize(const std::function<void()>& call,
                                const std::atomic<bool>& stopRequested) {
    if (!Post(call, stopRequested)) return false;
    Wait();
    return true;
}

bool TNtripHandOff::Post(const std::function<void()>& call,
                         const std::atomic<bool>& stopRequested) {
    std::lock_guard lock(mutex_);
    if (stopRequested) return false;
    pending_ = &call;
    done_ = false;
    const std::uint64_t one = 1;
    if (wakeFd_ >= 0) (void)::write(wakeFd_, &one, sizeof one);
    changed_.notify_all();
    return true;
}

void TNtripHandOff::Wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return done_; });
}

void TNtripHandOff::Close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    changed_.notify_all();
}

void TNtripHandOff::Drain() {
    std::unique_lock lock(mutex_);
    std::uint64_t count = 0;
    if (wakeFd_ >= 0) (void)::read(wakeFd_, &count, sizeof count);
    const std::function<void()>* call = pending_;
    if (!call) return;
    pending_ = nullptr;
    lock.unlock();
    // The worker must go on even when a handler throws.
    struct TRelease {
        TNtripHandOff& handOff;
        ~TRelease() {
            std::lock_guard relock(handOff.mutex_);
            handOff.done_ = true;
            handOff.changed_.notify_all();
        }
    } release{*this};
    (*call)();
}

void TNtripHandOff::DrainUntilClosed() {
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return pending_ || closed_; });
            if (!pending_) return;
        }
        Drain();
    }
}
