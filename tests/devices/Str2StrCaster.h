#pragma once
// RTKLIB's str2str as a real NTRIP caster on 127.0.0.1, for the tests.
//
// It serves mount point "TEST" to user "user" with password "pass" on OutPort(), takes the
// stream from a TCP client of InPort(), and relays what the NTRIP client uploads (its GGA)
// back to that feeder (-b 1). The set-up script installs it, so a missing str2str fails the
// test rather than skipping it. It is started with posix_spawn, not QProcess: ThreadSanitizer
// loses track of the test's own threads after Qt's way of starting a process.

#include <sys/types.h>

#include <string>

class TStr2StrCaster {
public:
    TStr2StrCaster();
    ~TStr2StrCaster();

    // False, with a reason in Error(), when str2str is missing or did not start listening.
    bool Started() const { return started_; }
    const std::string& Error() const { return error_; }
    int InPort() const { return inPort_; }
    int OutPort() const { return outPort_; }

    // A TCP connection to the input side, or -1.
    int ConnectFeeder() const;

    // The caster goes down (killed, as a lost link or a crash would end it) and comes back on
    // the same ports; Start returns once it listens again.
    void Stop();
    bool Start();

private:
    pid_t process_ = -1;
    int inPort_ = 0;
    int outPort_ = 0;
    bool started_ = false;
    std::string error_;
};
