#pragma once
// The NTRIP worker's synchronous hand-off to the user-interface thread.
//
// The worker puts one call in the slot and waits until the user-interface thread has run it;
// so a handler may read the worker's bytes in place, and the stream does not move on while it
// runs. The user-interface thread runs the call from its event loop (woken through an
// eventfd, so no Qt object crosses threads), or from DrainUntilClosed while it waits for the
// worker to end: a plain blocking queued call would deadlock there. A worker that was told to
// stop hands nothing more over.

#include <QSocketNotifier>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

class TNtripHandOff {
public:
    // Created on the user-interface thread, whose event loop then runs the calls.
    TNtripHandOff();
    ~TNtripHandOff();
    TNtripHandOff(const TNtripHandOff&) = delete;
    TNtripHandOff& operator=(const TNtripHandOff&) = delete;

    // Worker: runs `call` on the user-interface thread and returns once it has run. Returns
    // false, running nothing, when `stopRequested` is set before the call is handed over.
    bool Synchronize(const std::function<void()>& call, const std::atomic<bool>& stopRequested);
    // Worker: Synchronize in two halves, so that the worker can do its own part meanwhile.
    // Post hands the call over (false, handing nothing, once a stop was requested); Wait
    // returns once it has run. `call` must live until then.
    bool Post(const std::function<void()>& call, const std::atomic<bool>& stopRequested);
    void Wait();
    // Worker: no more calls come; wakes DrainUntilClosed.
    void Close();

    // User-interface thread: runs the waiting call, if any.
    void Drain();
    // User-interface thread: runs the worker's calls as they come until it closes.
    void DrainUntilClosed();

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    const std::function<void()>* pending_ = nullptr;
    bool done_ = false;
    bool closed_ = false;
    int wakeFd_ = -1;
    std::unique_ptr<QSocketNotifier> wakeNotifier_;
};
