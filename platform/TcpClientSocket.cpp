#include "platform/TcpClientSocket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <system_error>
#include <thread>

namespace {

// A Connect in progress looks at Shutdown this often.
constexpr int kConnectSliceMs = 50;
constexpr int kMaxPort = 65535;

bool LookUpIpv4(const std::string& host, sockaddr_in& address) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) return false;
    std::memcpy(&address, found->ai_addr, sizeof address);
    ::freeaddrinfo(found);
    return true;
}

void SetTimeout(int fd, int option, int timeoutMs) {
    timeval time{};
    time.tv_sec = timeoutMs / 1000;
    time.tv_usec = (timeoutMs % 1000) * 1000;
    (void)::setsockopt(fd, SOL_SOCKET, option, &time, sizeof time);
}

}  // namespace

// Shared by the look-up thread and the socket; whichever lets go last frees it.
struct TTcpClientSocket::TLookup {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool found = false;
    sockaddr_in address{};
};

TTcpClientSocket::~TTcpClientSocket() { Close(); }

bool TTcpClientSocket::Resolve(const std::string& host, int port, sockaddr_in& address) {
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    if (::inet_pton(AF_INET, host.c_str(), &address.sin_addr) == 1) return true;
    if (shutDown_) return false;
    const auto lookup = std::make_shared<TLookup>();
    {
        std::lock_guard lock(mutex_);
        lookup_ = lookup;
    }
    try {
        std::thread([lookup, host] {
            sockaddr_in found{};
            const bool resolved = LookUpIpv4(host, found);
            std::lock_guard lock(lookup->mutex);
            lookup->done = true;
            lookup->found = resolved;
            lookup->address = found;
            lookup->finished.notify_all();
        }).detach();
    } catch (const std::system_error&) {  // no thread to be had: look up here
        lookup->found = LookUpIpv4(host, lookup->address);
        lookup->done = true;
    }
    std::unique_lock lock(lookup->mutex);
    lookup->finished.wait(lock, [&] { return lookup->done || shutDown_; });
    if (!lookup->done || !lookup->found) return false;
    address.sin_addr = lookup->address.sin_addr;
    return true;
}

TTcpConnectResult TTcpClientSocket::Connect(const std::string& host, int port, int timeoutMs) {
    Close();
    sockaddr_in address{};
    const bool resolved = Resolve(host, port, address);
    if (shutDown_) return TTcpConnectResult::NotConnected;
    if (!resolved) return TTcpConnectResult::NotResolved;
    if (port < 0 || port > kMaxPort) return TTcpConnectResult::NotConnected;
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, IPPROTO_TCP);
    if (fd < 0) return TTcpConnectResult::NoSocket;
    {
        std::lock_guard lock(mutex_);
        fd_ = fd;
    }
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 ||
        (errno == EINPROGRESS && WaitConnected(fd, timeoutMs));
    if (!connected || shutDown_) {
        Close();
        return TTcpConnectResult::NotConnected;
    }
    (void)::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    SetTimeout(fd, SO_RCVTIMEO, timeoutMs);
    SetTimeout(fd, SO_SNDTIMEO, timeoutMs);
    return TTcpConnectResult::Connected;
}

bool TTcpClientSocket::WaitConnected(int fd, int timeoutMs) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!shutDown_) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0) return false;
        pollfd ready{fd, POLLOUT, 0};
        const int n = ::poll(&ready, 1, static_cast<int>(std::min<long>(left, kConnectSliceMs)));
        if (n < 0 && errno != EINTR) return false;
        if (n <= 0) continue;
        int error = 0;
        socklen_t length = sizeof error;
        return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
    }
    return false;
}

long TTcpClientSocket::Receive(char* buffer, std::size_t size) {
    if (fd_ < 0) return -1;
    for (;;) {
        const ssize_t n = ::recv(fd_, buffer, size, 0);
        if (n < 0 && errno == EINTR && !shutDown_) continue;
        return static_cast<long>(n);
    }
}

std::size_t TTcpClientSocket::Send(std::string_view bytes) {
    std::size_t sent = 0;
    while (fd_ >= 0 && sent < bytes.size() && !shutDown_) {
        const ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        sent += static_cast<std::size_t>(n);
    }
    return sent;
}

void TTcpClientSocket::Shutdown() {
    shutDown_ = true;
    std::shared_ptr<TLookup> lookup;
    {
        std::lock_guard lock(mutex_);
        if (fd_ >= 0) (void)::shutdown(fd_, SHUT_RDWR);
        lookup = lookup_;
    }
    if (!lookup) return;
    std::lock_guard lock(lookup->mutex);
    lookup->finished.notify_all();
}

void TTcpClientSocket::Close() {
    std::lock_guard lock(mutex_);
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = -1;
}

bool TTcpClientSocket::IsOpen() const {
    std::lock_guard lock(mutex_);
    return fd_ >= 0;
}
