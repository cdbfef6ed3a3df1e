#pragma once
// A pseudo-terminal standing in for a serial device. The test plays the device on the master
// side; the code under test opens SlavePath() as its port.

#include <string>
#include <string_view>

class TPseudoTerminal {
public:
    TPseudoTerminal();
    ~TPseudoTerminal();
    TPseudoTerminal(const TPseudoTerminal&) = delete;
    TPseudoTerminal& operator=(const TPseudoTerminal&) = delete;

    const std::string& SlavePath() const { return slavePath_; }

    // Sends bytes as the device would, all of them.
    void Send(std::string_view bytes);
    // Collects what the port wrote to the device until `count` bytes came or timeoutMs passed;
    // never more than `count`, so that a test can drain the terminal at a line's rate.
    std::string Receive(std::size_t count, int timeoutMs = 2000);
    // The device goes away: the master side closes.
    void HangUp();
    // Maps "COMn" to this terminal in the settings file of the running test.
    void MapToPort(int port) const;

    // Waits until the descriptor `fd` has at least `count` bytes to read.
    static bool WaitQueued(int fd, int count, int timeoutMs = 2000);
    // Bytes waiting on `fd`, -1 when it cannot tell.
    static int Queued(int fd);

private:
    int master_ = -1;
    int slave_ = -1;  // held open so the terminal lives between the port's openings
    std::string slavePath_;
};
