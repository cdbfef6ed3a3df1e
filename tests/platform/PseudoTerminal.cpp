#include "tests/platform/PseudoTerminal.h"

#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "platform/SerialPortTable.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace {

using TClock = std::chrono::steady_clock;

int MillisecondsSince(TClock::time_point start) {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(TClock::now() - start).count());
}

}  // namespace

TPseudoTerminal::TPseudoTerminal() {
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
        throw std::runtime_error("openpty failed");
    }
    slavePath_ = name;
}

TPseudoTerminal::~TPseudoTerminal() {
    HangUp();
    if (slave_ >= 0) ::close(slave_);
}

void TPseudoTerminal::Send(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(master_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw std::runtime_error("write to the pseudo-terminal failed");
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

std::string TPseudoTerminal::Receive(std::size_t count, int timeoutMs) {
    std::string received;
    const auto start = TClock::now();
    while (received.size() < count && MillisecondsSince(start) < timeoutMs) {
        pollfd ready{master_, POLLIN, 0};
        if (::poll(&ready, 1, 10) <= 0) continue;
        char buffer[4096];
        const ssize_t n = ::read(master_, buffer, std::min(sizeof buffer, count - received.size()));
        if (n <= 0) break;
        received.append(buffer, static_cast<std::size_t>(n));
    }
    return received;
}

void TPseudoTerminal::HangUp() {
    if (master_ < 0) return;
    ::close(master_);
    master_ = -1;
}

void TPseudoTerminal::MapToPort(int port) const {
    TIniFile(GetSettingsFilePath()).WriteString("SERIAL_PORTS", SerialPortName(port), slavePath_);
}

bool TPseudoTerminal::WaitQueued(int fd, int count, int timeoutMs) {
    const auto start = TClock::now();
    while (Queued(fd) < count) {
        if (MillisecondsSince(start) >= timeoutMs) return false;
        std::this_thread::sleep_for(std::chrono::microseconds(50));
    }
    return true;
}

int TPseudoTerminal::Queued(int fd) {
    int queued = 0;
    return ::ioctl(fd, FIONREAD, &queued) == 0 ? queued : -1;
}
