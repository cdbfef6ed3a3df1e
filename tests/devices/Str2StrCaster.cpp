#include "tests/devices/Str2StrCaster.h"

#include "tests/devices/TestCaster.h"

#include <QStandardPaths>
#include <QThread>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>

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
    inPort_ = TTestCaster::ClosedPort();
    outPort_ = TTestCaster::ClosedPort();
    started_ = Start();
}

TStr2StrCaster::~TStr2StrCaster() { Stop(); }

bool TStr2StrCaster::Start() {
    const QString program = QStandardPaths::findExecutable("str2str");
    if (program.isEmpty()) {
        error_ = "str2str is missing: run scripts/setup.sh (Debian package rtklib)";
        return false;
    }
    const std::string path = program.toStdString();
    const std::string in = "tcpsvr://:" + std::to_string(inPort_);
    const std::string out =
        "ntripc://user:pass@:" + std::to_string(outPort_) + "/TEST:TestSite;RTCM 3.2";
    const char* const argv[] = {path.c_str(), "-in", in.c_str(), "-out",
                                out.c_str(),  "-b",  "1",        nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const int failed = ::posix_spawn(&process_, path.c_str(), &quiet, nullptr,
                                     const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (failed) {
        process_ = -1;
        error_ = "str2str did not start";
        return false;
    }
    // Listening on the caster port; a probe connection without a request is dropped by it.
    for (int waited = 0; waited < kStartTimeoutMs; waited += kRetryMs) {
        const int probe = ConnectLocal(outPort_);
        if (probe >= 0) {
            ::close(probe);
            return true;
        }
        QThread::msleep(kRetryMs);
    }
    error_ = "str2str does not listen on its caster port";
    return false;
}

void TStr2StrCaster::Stop() {
    if (process_ <= 0) return;
    ::kill(process_, SIGKILL);
    ::waitpid(process_, nullptr, 0);
    process_ = -1;
}

int TStr2StrCaster::ConnectFeeder() const {
    for (int waited = 0; waited < kStartTimeoutMs; waited += kRetryMs) {
        const int fd = ConnectLocal(inPort_);
        if (fd >= 0) return fd;
        QThread::msleep(kRetryMs);
    }
    return -1;
}
