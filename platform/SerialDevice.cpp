#include "platform/SerialDevice.h"

#include "platform/SerialBaudRate.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

bool Configure(int fd, const TSerialSettings& settings) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) return false;
    if (!ApplySerialLineSettings(tio, settings)) return false;
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) return false;
    return SetSerialBaudRate(fd, settings.BaudRate);
}

// Lines a pseudo-terminal or a three-wire adapter lacks are left as they are.
void SetModemLines(int fd, const TSerialSettings& settings) {
    int dtr = TIOCM_DTR;
    int rts = TIOCM_RTS;
    (void)::ioctl(fd, settings.EnableDTR ? TIOCMBIS : TIOCMBIC, &dtr);
    (void)::ioctl(fd, settings.EnableRTS ? TIOCMBIS : TIOCMBIC, &rts);
}

}  // namespace

TSerialDevice::TSerialDevice() : sink_(std::make_shared<TSerialPortSink>(-1)) {}

TSerialDevice::~TSerialDevice() { Close(); }

TSerialOpenResult TSerialDevice::Open(const std::string& path, const TSerialSettings& settings) {
    Close();
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return Fail(TSerialOpenResult::NotOpened, path, -1);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return Fail(TSerialOpenResult::NotOpened, path, fd);
    errno = 0;
    if (!Configure(fd, settings)) return Fail(TSerialOpenResult::NotConfigured, path, fd);
    SetModemLines(fd, settings);
    ::tcflush(fd, TCIOFLUSH);
    fd_ = fd;
    sink_ = std::make_shared<TSerialPortSink>(fd);
    lastError_.clear();
    return TSerialOpenResult::Opened;
}

TSerialOpenResult TSerialDevice::Fail(TSerialOpenResult result, const std::string& path, int fd) {
    const int error = errno;
    if (fd >= 0) ::close(fd);
    lastError_ = path + ": " + (error ? std::strerror(error) : "settings refused");
    return result;
}

void TSerialDevice::Close() {
    if (fd_ < 0) return;
    sink_->Close();
    fd_ = -1;
}

int TSerialDevice::QueuedBytes() const {
    int queued = 0;
    if (fd_ < 0 || ::ioctl(fd_, FIONREAD, &queued) != 0) return -1;
    return queued;
}

bool TSerialDevice::WaitReadable(int timeoutMs) const {
    if (fd_ < 0) return false;
    pollfd ready{fd_, POLLIN, 0};
    return ::poll(&ready, 1, timeoutMs) > 0 && (ready.revents & POLLIN);
}

long TSerialDevice::Read(char* buffer, std::size_t size) {
    if (fd_ < 0) return -1;
    const ssize_t n = ::read(fd_, buffer, size);
    return n < 0 ? -1 : static_cast<long>(n);
}

std::size_t TSerialDevice::Write(std::string_view bytes, int timeoutMs) {
    return sink_->Write(bytes, timeoutMs);
}
