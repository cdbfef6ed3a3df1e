#pragma once
// A caster on 127.0.0.1 for the NTRIP client tests, listening on a free port.
//
// Scripted, it serves connections one after another on its own thread: it reads the request up
// to its blank line, plays the sends with their delays, then either half-closes (the client
// sees the end of the stream) or stays silent, and in both cases keeps reading what the client
// uploads until the client closes. Given several scripts, connection n plays script n, and the
// last one plays on. Unscripted, the test accepts the connection itself and plays the caster
// by hand.

#include <atomic>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

struct TCasterSend {
    std::string Bytes;
    int DelayMs = 0;  // waited before the bytes go
};

struct TCasterScript {
    std::vector<TCasterSend> Sends;
    bool CloseAfter = true;   // else silent until the client closes
    bool ReadRequest = true;  // wait for the request's blank line before the first send
};

class TTestCaster {
public:
    // Plays `script` to every connection.
    explicit TTestCaster(TCasterScript script);
    // Plays the scripts in turn on `port` (0: a free one), e.g. a port a client tried before.
    TTestCaster(std::vector<TCasterScript> scripts, int port);
    // Accepts only through Accept.
    TTestCaster();
    ~TTestCaster();
    TTestCaster(const TTestCaster&) = delete;
    TTestCaster& operator=(const TTestCaster&) = delete;

    int Port() const { return port_; }
    // Connections served to their end.
    int Connections() const;
    // Everything each finished connection's client sent: the request, then its uploads.
    std::vector<std::string> ClientBytes() const;

    // Waits for a connection; the descriptor stays the caster's. -1 after timeoutMs. The
    // client's first hand-off needs the event loop, so a test on that thread accepts with 0.
    int Accept(int timeoutMs);

    // A port on 127.0.0.1 that nothing listens on.
    static int ClosedPort();

private:
    void Serve();
    void Play(int fd, const TCasterScript& script);

    int listener_ = -1;
    int port_ = 0;
    std::vector<TCasterScript> scripts_;
    std::atomic<bool> stop_ = false;
    mutable std::mutex mutex_;
    std::vector<std::string> clientBytes_;
    std::vector<int> accepted_;
    std::thread thread_;
};

// Sends all the bytes; false when the peer went away.
bool SendAll(int fd, std::string_view bytes);
// Reads what arrives within waitMs; stops early at the peer's close.
std::string ReadFor(int fd, int waitMs);
// Reads until `text` ends with `terminator`, the peer closes, or timeoutMs passes.
std::string ReadUntil(int fd, std::string_view terminator, int timeoutMs = 3000);
