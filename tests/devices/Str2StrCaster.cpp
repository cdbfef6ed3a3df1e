#include "tests/devices/Str2StrCaster.h"

#include "tests/devices/TestCaster.h"

#include <QStandardPaths>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kStartTimeoutMs = 5000;
constexpr int kRetryMs = 20;

int ConnectLocal(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return fd;
    ::close(fd);
    return -1;
}

}  // namespace

TStr2StrCaster::TStr2StrCaster() {
    const QString program = QStandardPaths::findExecutable("str2str");
    if (program.isEmpty()) {
        error_ = "str2str is missing: run scripts/setup.sh (Debian package rtklib)";
        return;
    }
    inPort_ = TTestCaster::ClosedPort();
    outPort_ = TTestCaster::ClosedPort();
    process_.setProgram(program);
    process_.setArguments({"-in", QString("tcpsvr://:%1").arg(inPort_), "-out",
                           QString("ntripc://user:pass@:%1/TEST:TestSite;RTCM 3.2").arg(outPort_),
                           "-b", "1"});
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.setStandardErrorFile(QProcess::nullDevice());
    process_.start();
    if (!process_.waitForStarted(kStartTimeoutMs)) {
        error_ = "str2str did not start";
        return;
    }
    // Listening on the caster port; a probe connection without a request is dropped by it.
    for (int waited = 0; waited < kStartTimeoutMs; waited += kRetryMs) {
        const int probe = ConnectLocal(outPort_);
        if (probe >= 0) {
            ::close(probe);
            started_ = true;
            return;
        }
        QThread::msleep(kRetryMs);
    }
    error_ = "str2str does not listen on its caster port";
}

TStr2StrCaster::~TStr2StrCaster() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(2000);
}

int TStr2StrCaster::ConnectFeeder() const {
    for (int waited = 0; waited < kStartTimeoutMs; waited += kRetryMs) {
        const int fd = ConnectLocal(inPort_);
        if (fd >= 0) return fd;
        QThread::msleep(kRetryMs);
    }
    return -1;
}
