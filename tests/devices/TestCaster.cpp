#include "tests/devices/TestCaster.h"

#include "tests/support/LoopbackListener.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace {

using TClock = std::chrono::steady_clock;

constexpr int kSliceMs = 20;
constexpr int kSendTimeoutSeconds = 5;
constexpr int kEndTimeoutMs = 10000;  // a client that never closes

int MillisecondsLeft(TClock::time_point deadline) {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - TClock::now()).count());
}

// Reads into `text` until `done` holds, the peer closes, or the deadline; false at the close.
template <class TDone>
bool ReadWhile(int fd, std::string& text, TClock::time_point deadline, TDone done) {
    while (!done() && MillisecondsLeft(deadline) > 0) {
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, std::min(kSliceMs, MillisecondsLeft(deadline))) <= 0) continue;
        char buffer[4096];
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) return false;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

TTestCaster::TTestCaster(TCasterScript script) : TTestCaster({std::move(script)}, 0) {}

TTestCaster::TTestCaster(std::vector<TCasterScript> scripts, int port)
    : port_(port), scripts_(std::move(scripts)) {
    listener_ = ListenOnLoopback(port_);
    thread_ = std::thread([this] { Serve(); });
}

TTestCaster::TTestCaster() { listener_ = ListenOnLoopback(port_); }

TTestCaster::~TTestCaster() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    for (const int fd : accepted_) ::close(fd);
    ::close(listener_);
}

int TTestCaster::Connections() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(clientBytes_.size());
}

std::vector<std::string> TTestCaster::ClientBytes() const {
    std::lock_guard lock(mutex_);
    return clientBytes_;
}

int TTestCaster::Accept(int timeoutMs) {
    const auto deadline = TClock::now() + std::chrono::milliseconds(timeoutMs);
    do {
        pollfd ready{listener_, POLLIN, 0};
        if (::poll(&ready, 1, std::min(kSliceMs, std::max(MillisecondsLeft(deadline), 0))) <= 0) {
            continue;
        }
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) continue;
        const timeval sendTimeout{kSendTimeoutSeconds, 0};
        ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &sendTimeout, sizeof sendTimeout);
        std::lock_guard lock(mutex_);
        accepted_.push_back(fd);
        return fd;
    } while (!stop_ && MillisecondsLeft(deadline) > 0);
    return -1;
}

void TTestCaster::Serve() {
    for (std::size_t served = 0; !stop_;) {
        const int fd = Accept(kSliceMs);
        if (fd >= 0) Play(fd, scripts_[std::min(served++, scripts_.size() - 1)]);
    }
}

void TTestCaster::Play(int fd, const TCasterScript& script) {
    std::string received;
    const auto end = [this] { return stop_.load(); };
    if (script.ReadRequest) {
        ReadWhile(fd, received, TClock::now() + std::chrono::milliseconds(kEndTimeoutMs),
                  [&] { return stop_ || received.find("\r\n\r\n") != std::string::npos; });
    }
    for (const TCasterSend& send : script.Sends) {
        ReadWhile(fd, received, TClock::now() + std::chrono::milliseconds(send.DelayMs), end);
        if (!SendAll(fd, send.Bytes)) break;
    }
    if (script.CloseAfter) ::shutdown(fd, SHUT_WR);
    ReadWhile(fd, received, TClock::now() + std::chrono::milliseconds(kEndTimeoutMs), end);
    std::lock_guard lock(mutex_);
    clientBytes_.push_back(received);
}

int TTestCaster::ClosedPort() {
    int port = 0;
    ::close(ListenOnLoopback(port));
    return port;
}

bool SendAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string ReadFor(int fd, int waitMs) {
    std::string text;
    ReadWhile(fd, text, TClock::now() + std::chrono::milliseconds(waitMs), [] { return false; });
    return text;
}

std::string ReadUntil(int fd, std::string_view terminator, int timeoutMs) {
    std::string text;
    ReadWhile(fd, text, TClock::now() + std::chrono::milliseconds(timeoutMs), [&] {
        return text.size() >= terminator.size() &&
               text.compare(text.size() - terminator.size(), terminator.size(), terminator) == 0;
    });
    return text;
}
