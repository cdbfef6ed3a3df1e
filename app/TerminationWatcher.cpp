#include "app/TerminationWatcher.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>

namespace {

int signalPipeWrite = -1;

// Only async-signal-safe work here: one byte into the pipe.
void OnSignal(int) {
    if (signalPipeWrite >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(signalPipeWrite, &byte, 1);
    }
}

}  // namespace

TTerminationWatcher::TTerminationWatcher(std::function<void()> onTerminate, QObject* parent)
    : QObject(parent), onTerminate_(std::move(onTerminate)) {
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
    signalPipeWrite = pipe_[1];
    notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TTerminationWatcher::Drain);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

TTerminationWatcher::~TTerminationWatcher() {
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    signalPipeWrite = -1;
    notifier_.reset();
    for (int descriptor : pipe_) {
        if (descriptor >= 0) ::close(descriptor);
    }
}

void TTerminationWatcher::Drain() {
    char bytes[16];
    while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
    }
    if (onTerminate_) onTerminate_();
}
