#pragma once
// Turns SIGTERM and SIGINT into a call on the user-interface thread, so a system shutdown
// closes the program the orderly way (ports closed, settings and project written).

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

class TTerminationWatcher : public QObject {
public:
    // onTerminate runs on the thread of the event loop, once per signal received.
    explicit TTerminationWatcher(std::function<void()> onTerminate, QObject* parent = nullptr);
    ~TTerminationWatcher() override;

private:
    void Drain();

    std::function<void()> onTerminate_;
    int pipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
};
