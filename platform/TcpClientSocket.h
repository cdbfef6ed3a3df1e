#pragma once
// A blocking TCP client socket to an IPv4 host, with time-outs.
//
// One thread owns the socket: it connects, receives, sends and closes. Any other thread may
// call Shutdown, which wakes the owner from a blocked Receive or Send (and from a Connect in
// progress) without closing the descriptor, so the owner never finds its descriptor closed or
// handed to another file under its feet. A socket that was shut down stays unusable.
//
// The system's name look-up cannot be interrupted and may take half a minute with a name
// server out of reach, so a host name is looked up on a thread of its own, which Connect
// waits for and Shutdown leaves behind: the look-up then finishes alone, touching nothing but
// its own result, which nobody reads. A dotted address needs no look-up.

#include <netinet/in.h>

#include <atomic>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

enum class TTcpConnectResult {
    Connected,
    NotResolved,   // the host name has no IPv4 address
    NoSocket,      // the system gave no socket
    NotConnected,  // refused, unreachable, timed out, a bad port, or shut down meanwhile
};

class TTcpClientSocket {
public:
    TTcpClientSocket() = default;
    ~TTcpClientSocket();
    TTcpClientSocket(const TTcpClientSocket&) = delete;
    TTcpClientSocket& operator=(const TTcpClientSocket&) = delete;

    // Resolves `host` (a name or a dotted address) to its first IPv4 address and connects to
    // `port` within timeoutMs. The same time-out then bounds every receive and every send.
    TTcpConnectResult Connect(const std::string& host, int port, int timeoutMs);

    // Waits for bytes and reads at most `size` of them. Returns the count; 0 when the peer
    // closed or the socket was shut down; -1 on an error, a time-out, or while not connected.
    long Receive(char* buffer, std::size_t size);

    // Sends all the bytes, never raising SIGPIPE. Returns how many were sent before an error,
    // a time-out or a shutdown stopped it.
    std::size_t Send(std::string_view bytes);

    // Any thread: wakes and fails the owner's blocked calls; the descriptor stays open.
    void Shutdown();

    // Owner thread only.
    void Close();
    bool IsOpen() const;

    struct TLookup;

private:
    bool Resolve(const std::string& host, int port, sockaddr_in& address);
    bool WaitConnected(int fd, int timeoutMs) const;

    mutable std::mutex mutex_;  // orders Shutdown against Connect and Close
    int fd_ = -1;
    std::shared_ptr<TLookup> lookup_;  // the look-up Connect waits for, if any
    std::atomic<bool> shutDown_ = false;
};
