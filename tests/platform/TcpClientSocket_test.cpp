#include "platform/TcpClientSocket.h"

#include "tests/support/LoopbackListener.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace {

using TClock = std::chrono::steady_clock;

// A listening socket on 127.0.0.1 at a free port.
class TListener {
public:
    TListener() : fd_(ListenOnLoopback(port_)) {}
    ~TListener() {
        if (peer_ >= 0) ::close(peer_);
        ::close(fd_);
    }
    int Port() const { return port_; }
    int Accept() { return peer_ = ::accept(fd_, nullptr, nullptr); }

private:
    int port_ = 0;  // declared before fd_, whose initialiser sets it
    int fd_;
    int peer_ = -1;
};

long ElapsedMs(TClock::time_point start) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(TClock::now() - start).count());
}

TEST(TcpClientSocket, ConnectFailuresSayWhy) {
    int closedPort = 0;
    {
        TListener gone;
        closedPort = gone.Port();
    }
    struct TCase {
        const char* legend;
        const char* host;
        int port;
        TTcpConnectResult result;
    };
    const TCase cases[] = {
        {"nothing listens", "127.0.0.1", closedPort, TTcpConnectResult::NotConnected},
        {"a name that cannot exist", "bad..name", 2101, TTcpConnectResult::NotResolved},
        {"a port beyond 65535", "127.0.0.1", 65536 + closedPort, TTcpConnectResult::NotConnected},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.legend);
        TTcpClientSocket socket;
        EXPECT_EQ(socket.Connect(c.host, c.port, 1000), c.result);
        EXPECT_FALSE(socket.IsOpen());
    }
}

TEST(TcpClientSocket, SendsEverythingAndReceivesUntilTheClose) {
    TListener listener;
    TTcpClientSocket socket;
    ASSERT_EQ(socket.Connect("127.0.0.1", listener.Port(), 1000), TTcpConnectResult::Connected);
    const int peer = listener.Accept();
    ASSERT_GE(peer, 0);
    // More than the socket buffers hold: the send loop must go on as the peer drains.
    const std::string big(8 << 20, 'x');
    std::string drained;
    std::thread reader([&] {
        char buffer[65536];
        while (drained.size() < big.size()) {
            const ssize_t n = ::recv(peer, buffer, sizeof buffer, 0);
            if (n <= 0) break;
            drained.append(buffer, static_cast<std::size_t>(n));
        }
        ::send(peer, "bye", 3, MSG_NOSIGNAL);
        ::shutdown(peer, SHUT_WR);
    });
    EXPECT_EQ(socket.Send(big), big.size());
    reader.join();
    EXPECT_EQ(drained.size(), big.size());
    char buffer[16];
    EXPECT_EQ(socket.Receive(buffer, sizeof buffer), 3);
    EXPECT_EQ(socket.Receive(buffer, sizeof buffer), 0) << "the peer's close";
}

TEST(TcpClientSocket, SilenceEndsAReceiveAfterTheTimeOut) {
    TListener listener;
    TTcpClientSocket socket;
    ASSERT_EQ(socket.Connect("127.0.0.1", listener.Port(), 200), TTcpConnectResult::Connected);
    const auto start = TClock::now();
    char buffer[16];
    EXPECT_EQ(socket.Receive(buffer, sizeof buffer), -1);
    EXPECT_GE(ElapsedMs(start), 150);
    EXPECT_LT(ElapsedMs(start), 2000);
}

TEST(TcpClientSocket, ShutdownFromAnotherThreadWakesABlockedReceive) {
    TListener listener;
    TTcpClientSocket socket;
    ASSERT_EQ(socket.Connect("127.0.0.1", listener.Port(), 30000), TTcpConnectResult::Connected);
    long result = 1;
    const auto start = TClock::now();
    std::thread owner([&] {
        char buffer[16];
        result = socket.Receive(buffer, sizeof buffer);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    socket.Shutdown();
    owner.join();
    EXPECT_EQ(result, 0);
    EXPECT_LT(ElapsedMs(start), 1000);
    EXPECT_TRUE(socket.IsOpen()) << "only the owner closes";
    EXPECT_EQ(socket.Send("late"), 0u);
    EXPECT_EQ(socket.Connect("127.0.0.1", listener.Port(), 1000), TTcpConnectResult::NotConnected)
        << "a socket that was shut down stays unusable";
}

}  // namespace
