#include "platform/SerialPortSink.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace {

// Writes to a non-blocking descriptor until all is written, an error, or the deadline.
std::size_t WriteBefore(int fd, std::string_view bytes,
                        std::chrono::steady_clock::time_point deadline) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) break;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd ready{fd, POLLOUT, 0};
        if (::poll(&ready, 1, static_cast<int>(left.count())) < 0 && errno != EINTR) break;
        if (ready.revents & (POLLERR | POLLHUP | POLLNVAL)) break;
    }
    return written;
}

}  // namespace

TSerialPortSink::TSerialPortSink(int fd) : fd_(fd) {}

TSerialPortSink::~TSerialPortSink() { Close(); }

std::size_t TSerialPortSink::Write(std::string_view bytes, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::lock_guard lock(mutex_);
    if (fd_ < 0) return 0;
    return WriteBefore(fd_, bytes, deadline);
}

bool TSerialPortSink::IsOpen() const {
    std::lock_guard lock(mutex_);
    return fd_ >= 0;
}

void TSerialPortSink::Close() {
    std::lock_guard lock(mutex_);
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = -1;
}
