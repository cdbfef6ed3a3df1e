// The corrections road end to end: a caster on 127.0.0.1 streams to the NTRIP client, whose
// worker forwards every block to a GNSS port (a pseudo-terminal whose master a thread drains),
// while the user-interface thread runs the client's hand-offs. The second road is the NTRIP
// window's own output port: the user-interface thread queues each handed-off block for the
// port's writer thread (CorrectionWriter.h), which writes it to another pseudo-terminal.
//
// Latency: 1 KiB blocks at 10 Hz while the user-interface thread also runs a 200 ms timer that
// works 5 ms per tick; each block carries its send time, taken again when its last byte
// reaches the master. Goal: p99 at most 20 ms, since the age of the corrections is what an RTK
// fix depends on. Throughput: the caster sends as fast as the client takes. Goal: at least
// 10 MB/s, and at least 0.8 times the bare loop. Both roads are compared, in the same run,
// with a bare receive-to-pty copy loop over the same kind of socket and pseudo-terminal.
//
// Usage: ntrip_benchmark [latency seconds, default 20] [throughput MiB, default 64]

#include "devices/CorrectionWriter.h"
#include "devices/OrvaltNTRIPClient.h"
#include "devices/OrvaltSerialGPS.h"
#include "platform/SerialDevice.h"
#include "tests/devices/TestCaster.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <poll.h>
#include <pty.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

constexpr std::size_t kLatencyBlock = 1024;
constexpr int kBlockPeriodMs = 100;
constexpr int kUiTickMs = 200;
constexpr int kUiWorkMs = 5;
constexpr int kGiveUpMs = 120000;
constexpr int kPollMs = 100;
constexpr int kSilenceMs = 5000;  // a drained port that gets nothing this long is done

std::int64_t NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(TClock::now().time_since_epoch())
        .count();
}

// A pseudo-terminal: the slave is the port, the master is drained by a thread that notes
// when each latency block's last byte arrived. The slave stays open (a port that another
// owner opens and closes keeps its terminal), and Device() holds it open as a GNSS port.
class TDrainedPort {
public:
    TDrainedPort() {
        char name[256] = {};
        if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
            throw std::runtime_error("openpty failed");
        }
        path_ = name;
    }
    ~TDrainedPort() {
        ::close(master_);
        ::close(slave_);
    }

    const std::string& Path() const { return path_; }
    TSerialDevice& Device() {
        if (!device_.IsOpen() &&
            device_.Open(path_, TSerialSettings{}) != TSerialOpenResult::Opened) {
            throw std::runtime_error("cannot open the pseudo-terminal as a port");
        }
        return device_;
    }

    // Drains in the background until `total` bytes came, 5 s passed without any, or Finish;
    // with `blocks`, records each block's latency.
    void Start(std::size_t total, bool blocks) {
        received_ = 0;
        stop_ = false;
        latenciesMs_.clear();
        thread_ = std::thread([this, total, blocks] { Drain(total, blocks); });
    }
    void Wait() { thread_.join(); }
    void Finish() {
        stop_ = true;
        thread_.join();
    }
    std::size_t Received() const { return received_; }
    std::vector<double> LatenciesMs() const { return latenciesMs_; }

private:
    void Drain(std::size_t total, bool blocks) {
        std::vector<char> pending;  // the current latency block so far
        std::vector<char> buffer(65536);
        for (int idleMs = 0; received_ < total && !stop_ && idleMs < kSilenceMs;) {
            pollfd ready{master_, POLLIN, 0};
            if (::poll(&ready, 1, kPollMs) <= 0) {
                idleMs += kPollMs;
                continue;
            }
            idleMs = 0;
            const ssize_t n = ::read(master_, buffer.data(), buffer.size());
            if (n <= 0) return;
            received_ += static_cast<std::size_t>(n);
            if (!blocks) continue;
            const std::int64_t arrivedNs = NowNs();
            for (ssize_t i = 0; i < n; ++i) {
                pending.push_back(buffer[static_cast<std::size_t>(i)]);
                if (pending.size() < kLatencyBlock) continue;
                std::int64_t sentNs = 0;
                std::memcpy(&sentNs, pending.data(), sizeof sentNs);
                latenciesMs_.push_back(static_cast<double>(arrivedNs - sentNs) / 1e6);
                pending.clear();
            }
        }
    }

    int master_ = -1;
    int slave_ = -1;
    std::string path_;
    TSerialDevice device_;
    std::thread thread_;
    std::atomic<bool> stop_ = false;
    std::atomic<std::size_t> received_ = 0;
    std::vector<double> latenciesMs_;
};

// Accepts the client and answers its request; -1 when nobody came.
int AcceptStream(TTestCaster& caster, bool ntrip) {
    const int fd = caster.Accept(5000);
    if (fd < 0) return -1;
    if (ntrip) {
        ReadUntil(fd, "\r\n\r\n");
        SendAll(fd, "ICY 200 OK\r\n");
    }
    return fd;
}

// Sends `count` latency blocks, one every period, each starting with its send time.
void SendTimedBlocks(int fd, int count) {
    std::string block(kLatencyBlock, 'R');
    auto next = TClock::now();
    for (int i = 0; i < count; ++i) {
        std::this_thread::sleep_until(next);
        const std::int64_t sentNs = NowNs();
        std::memcpy(block.data(), &sentNs, sizeof sentNs);
        if (!SendAll(fd, block)) return;
        next += std::chrono::milliseconds(kBlockPeriodMs);
    }
}

void SendBulk(int fd, std::size_t total) {
    const std::string chunk(65536, 'T');
    for (std::size_t sent = 0; sent < total; sent += chunk.size()) {
        if (!SendAll(fd, std::string_view(chunk).substr(0, std::min(chunk.size(), total - sent)))) {
            return;
        }
    }
}

// The baseline: a thread that copies from the socket to the port, nothing else.
void BareCopy(int port, std::size_t total, TSerialDevice& device) {
    TTcpClientSocket socket;
    if (socket.Connect("127.0.0.1", port, 30000) != TTcpConnectResult::Connected) return;
    char buffer[4096];
    for (std::size_t copied = 0; copied < total;) {
        const long n = socket.Receive(buffer, sizeof buffer - 1);
        if (n <= 0) return;
        device.Write(std::string_view(buffer, static_cast<std::size_t>(n)),
                     kGnssPortWriteTimeoutMs);
        copied += static_cast<std::size_t>(n);
    }
}

struct TRun {
    double seconds = 0;
    std::vector<double> latenciesMs;
    std::size_t bytes = 0;
    std::uint64_t dropped = 0;  // by the output port's queue
};

enum class TRoad { GnssPort, OutputPort };

// The road through the client: the caster thread plays `play` once the stream is accepted,
// while this thread runs the event loop with a busy timer until the port has `total` bytes
// (less any the output port's queue dropped).
template <class TPlay>
TRun ThroughClient(TRoad road, TDrainedPort& port, std::size_t total, bool blocks, TPlay play) {
    TTestCaster caster;
    TCorrectionWriter output;
    TOrvaltNTRIPClient client;
    client.Host = "127.0.0.1";
    client.Port = caster.Port();
    client.MountPoint = "BENCH";
    client.AutoReconnect = false;
    if (road == TRoad::GnssPort) {
        client.SetOutputHandle(port.Device().Sink());
    } else {
        TSerialSettings settings;
        settings.BaudRate = 115200;
        if (output.Open(port.Path(), settings) != TSerialOpenResult::Opened) {
            throw std::runtime_error("cannot open the output port");
        }
        client.OnDataReceived = [&output](TOrvaltNTRIPClient*, const char* data, int length) {
            output.Write(std::string_view(data, static_cast<std::size_t>(length)));
        };
    }
    port.Start(total, blocks);
    std::atomic<std::int64_t> startNs = 0;
    std::thread casterThread([&] {
        const int fd = AcceptStream(caster, true);
        if (fd < 0) return;
        startNs = NowNs();
        play(fd);
    });
    QTimer busy;
    QObject::connect(&busy, &QTimer::timeout, [] {
        const auto until = TClock::now() + std::chrono::milliseconds(kUiWorkMs);
        while (TClock::now() < until) {
        }
    });
    busy.start(kUiTickMs);
    client.Connect();
    QElapsedTimer deadline;
    deadline.start();
    while (port.Received() + output.DroppedBytes() < total && deadline.elapsed() < kGiveUpMs) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    const double seconds = static_cast<double>(NowNs() - startNs) / 1e9;
    casterThread.join();
    port.Finish();
    client.Disconnect();
    return {seconds, port.LatenciesMs(), port.Received(), output.DroppedBytes()};
}

template <class TPlay>
TRun ThroughBareLoop(TDrainedPort& port, std::size_t total, bool blocks, TPlay play) {
    TTestCaster caster;
    port.Start(total, blocks);
    std::thread copier([&] { BareCopy(caster.Port(), total, port.Device()); });
    const int fd = AcceptStream(caster, false);
    const std::int64_t startNs = NowNs();
    if (fd >= 0) play(fd);
    copier.join();
    port.Wait();
    return {static_cast<double>(NowNs() - startNs) / 1e9, port.LatenciesMs(), port.Received()};
}

double Percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

void PrintLatency(const char* name, const TRun& run) {
    std::printf("  %-22s blocks %4zu  p50 %6.3f ms  p99 %6.3f ms  max %6.3f ms\n", name,
                run.latenciesMs.size(), Percentile(run.latenciesMs, 0.5),
                Percentile(run.latenciesMs, 0.99), Percentile(run.latenciesMs, 1.0));
}

double MegabytesPerSecond(const TRun& run) {
    return run.seconds > 0 ? static_cast<double>(run.bytes) / 1e6 / run.seconds : 0;
}

void PrintRate(const char* name, const TRun& run, double bareRate) {
    const double rate = MegabytesPerSecond(run);
    std::printf("  %-22s %8.1f MB/s  (%zu bytes in %.3f s, %llu dropped)", name, rate, run.bytes,
                run.seconds, static_cast<unsigned long long>(run.dropped));
    if (bareRate <= 0) {
        std::printf("\n");
        return;
    }
    const double ratio = rate / bareRate;
    std::printf("  ratio to bare %.2f   goals >= 10 MB/s and >= 0.8: %s\n", ratio,
                rate >= 10 && ratio >= 0.8 ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const std::size_t mebibytes = argc > 2 ? std::max(1, std::atoi(argv[2])) : 64;
    const int blocks = seconds * 1000 / kBlockPeriodMs;
    const std::size_t latencyBytes = static_cast<std::size_t>(blocks) * kLatencyBlock;
    const std::size_t bulkBytes = mebibytes << 20;
    TDrainedPort gnssPort;
    TDrainedPort outputPort;

    std::printf(
        "Latency, %d blocks of %zu bytes at 10 Hz (%d ms of work every %d ms on the "
        "user-interface thread):\n",
        blocks, kLatencyBlock, kUiWorkMs, kUiTickMs);
    const auto timed = [blocks](int fd) { SendTimedBlocks(fd, blocks); };
    const TRun gnssLatency = ThroughClient(TRoad::GnssPort, gnssPort, latencyBytes, true, timed);
    const TRun outputLatency =
        ThroughClient(TRoad::OutputPort, outputPort, latencyBytes, true, timed);
    const TRun bareLatency = ThroughBareLoop(gnssPort, latencyBytes, true, timed);
    PrintLatency("client to GNSS port", gnssLatency);
    PrintLatency("client to output port", outputLatency);
    PrintLatency("bare copy loop", bareLatency);
    const double bareP99 = Percentile(bareLatency.latenciesMs, 0.99);
    for (const auto& [name, run] :
         {std::pair{"GNSS port", &gnssLatency}, std::pair{"output port", &outputLatency}}) {
        const double p99 = Percentile(run->latenciesMs, 0.99);
        std::printf("  %-11s p99 ratio to bare: %.2f   goal p99 <= 20 ms: %s\n", name,
                    bareP99 > 0 ? p99 / bareP99 : 0.0, p99 <= 20 ? "met" : "MISSED");
    }

    std::printf("Throughput, %zu MiB as fast as the reader takes them:\n", mebibytes);
    const auto bulk = [bulkBytes](int fd) { SendBulk(fd, bulkBytes); };
    const TRun gnssBulk = ThroughClient(TRoad::GnssPort, gnssPort, bulkBytes, false, bulk);
    const TRun outputBulk = ThroughClient(TRoad::OutputPort, outputPort, bulkBytes, false, bulk);
    const TRun bareBulk = ThroughBareLoop(gnssPort, bulkBytes, false, bulk);
    const double bareRate = MegabytesPerSecond(bareBulk);
    PrintRate("bare copy loop", bareBulk, 0);
    PrintRate("client to GNSS port", gnssBulk, bareRate);
    PrintRate("client to output port", outputBulk, bareRate);
    return 0;
}
