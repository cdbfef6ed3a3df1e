#pragma once
// A test's helper thread that moves bytes (feeds a caster, drains a terminal) and keeps them.

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

class TByteThread {
public:
    // Runs `step` over and over until Stop, keeping the bytes each run returns; a step that
    // returns nothing ends the thread.
    explicit TByteThread(std::function<std::optional<std::string>()> step)
        : thread_([this, step = std::move(step)] {
              while (!stop_) {
                  const std::optional<std::string> bytes = step();
                  if (!bytes) return;
                  std::lock_guard lock(mutex_);
                  bytes_ += *bytes;
              }
          }) {}
    ~TByteThread() { Stop(); }
    TByteThread(const TByteThread&) = delete;
    TByteThread& operator=(const TByteThread&) = delete;

    void Stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    std::string Bytes() const {
        std::lock_guard lock(mutex_);
        return bytes_;
    }

private:
    std::atomic<bool> stop_ = false;
    mutable std::mutex mutex_;
    std::string bytes_;
    std::thread thread_;  // last: it starts once the rest is there
};
