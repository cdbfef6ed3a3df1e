#include "platform/SerialPortSink.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>

namespace {

using TClock = std::chrono::steady_clock;

// A woken write leaves within microseconds; Close waits this long at most before it leaves
// the closing to that write.
constexpr auto kWriterLeaveWait = std::chrono::milliseconds(50);

int MillisecondsLeft(TClock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - TClock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Writes to a non-blocking descriptor until all is written, an error, the deadline, or the
// wake descriptor turns readable.
std::size_t WriteBefore(int fd, int wakeFd, const std::atomic<bool>& closed, std::string_view bytes,
                        TClock::time_point deadline) {
    std::size_t written = 0;
    while (written < bytes.size() && !closed) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) break;
        const int left = MillisecondsLeft(deadline);
        if (left <= 0) break;
        pollfd ready[] = {{fd, POLLOUT, 0}, {wakeFd, POLLIN, 0}};
        if (::poll(ready, wakeFd >= 0 ? 2 : 1, left) < 0 && errno != EINTR) break;
        if (ready[0].revents & (POLLERR | POLLHUP | POLLNVAL)) break;
    }
    return written;
}

}  // namespace

TSerialPortSink::TSerialPortSink(int fd) : fd_(fd) {
    if (fd_ < 0) {
        closed_ = true;
        return;
    }
    // Without it a stalled write gives up only at its deadline, and closes the port then.
    wakeFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
}

TSerialPortSink::~TSerialPortSink() {
    Close();
    if (wakeFd_ >= 0) ::close(wakeFd_);
}

std::size_t TSerialPortSink::Write(std::string_view bytes, int timeoutMs) {
    const auto deadline = TClock::now() + std::chrono::milliseconds(timeoutMs);
    int fd = -1;
    {
        std::unique_lock lock(stateMutex_);
        const auto turn = [this] { return !writing_ || closed_; };
        if (!writerLeft_.wait_until(lock, deadline, turn) || closed_) return 0;
        writing_ = true;
        fd = fd_;
    }
    const std::size_t written = WriteBefore(fd, wakeFd_, closed_, bytes, deadline);
    std::lock_guard lock(stateMutex_);
    writing_ = false;
    if (closed_) ReleaseDescriptor();
    writerLeft_.notify_all();
    return written;
}

bool TSerialPortSink::IsOpen() const { return !closed_; }

void TSerialPortSink::Close() {
    std::unique_lock lock(stateMutex_);
    if (closed_) return;
    closed_ = true;
    if (wakeFd_ >= 0) {
        const std::uint64_t one = 1;
        (void)::write(wakeFd_, &one, sizeof one);
    }
    writerLeft_.notify_all();  // writes waiting their turn give up
    writerLeft_.wait_for(lock, kWriterLeaveWait, [this] { return !writing_; });
    if (!writing_) ReleaseDescriptor();
}

void TSerialPortSink::ReleaseDescriptor() {
    if (fd_ < 0) return;
    (void)::tcflush(fd_, TCOFLUSH);
    ::close(fd_);
    fd_ = -1;
}
