// Serial throughput at 115200 baud: a pseudo-terminal fed at 11,520 bytes/s for 30 s with the
// lines of a real receiver log (the Seapath 330), read by TOrvaltSerialGPS at poll intervals of
// 100 ms and 1000 ms. Every line must arrive, none later than one poll interval plus 20 ms after
// its last byte was written, and at 1000 ms no poll tick may take 20 ms or more. The poll ticks
// are driven here at the interval, so that each can be timed; a tick that the scheduler starts
// late (the machine is shared) delays its lines by that much, which is taken off before the
// check and printed apart.
//
// Baseline, in the same run: a hand-written reader that waits in poll() on the same kind of
// port and frames each line as soon as its bytes arrive, the latency a polled reader cannot beat.

#include "devices/OrvaltSerialGPS.h"
#include "platform/SerialDevice.h"
#include "platform/TextFile.h"

#include "tests/devices/ReceiverLog.h"
#include "tests/platform/PseudoTerminal.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;
using TMs = std::chrono::duration<double, std::milli>;

constexpr double kBytesPerSecond = 11520;
constexpr int kSeconds = 30;
constexpr double kLatencySlackMs = 20;
constexpr double kLongestTickLimitMs = 20;

struct TFeed {
    std::string stream;
    std::vector<std::size_t> lineEnds;  // offsets of the "\n" that end the non-empty lines
};

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

// The log repeated to fill the run, cut at a line end.
TFeed MakeFeed(const std::string& log) {
    TFeed feed;
    const auto wanted = static_cast<std::size_t>(kBytesPerSecond * kSeconds);
    while (feed.stream.size() < wanted) feed.stream += log;
    feed.stream.resize(feed.stream.rfind('\n', wanted) + 1);
    std::size_t start = 0;
    for (std::size_t end; (end = feed.stream.find('\n', start)) != std::string::npos;
         start = end + 1) {
        const auto line = std::string_view(feed.stream).substr(start, end - start);
        if (std::any_of(line.begin(), line.end(), [](char c) { return !IsBlank(c); })) {
            feed.lineEnds.push_back(end);
        }
    }
    return feed;
}

// Writes the feed at the line rate and notes when each line's last byte was written.
void Play(TPseudoTerminal& device, const TFeed& feed, std::vector<TClock::time_point>& written,
          std::atomic<bool>& done) {
    const auto start = TClock::now();
    std::size_t sent = 0;
    std::size_t line = 0;
    while (sent < feed.stream.size()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        const double seconds = TMs(TClock::now() - start).count() / 1000;
        const auto due =
            std::min(feed.stream.size(), static_cast<std::size_t>(seconds * kBytesPerSecond));
        if (due <= sent) continue;
        device.Send(std::string_view(feed.stream).substr(sent, due - sent));
        sent = due;
        const auto now = TClock::now();
        for (; line < feed.lineEnds.size() && feed.lineEnds[line] < sent; ++line) {
            written[line] = now;
        }
    }
    done = true;
}

struct TRunResult {
    std::size_t delivered = 0;
    double worstLatencyMs = 0;
    double medianLatencyMs = 0;
    double worstOnTimeLatencyMs = 0;  // without the lateness of the tick that delivered the line
    double latestTickMs = 0;          // the most a tick started after its time
    double longestStepMs = 0;         // a poll tick, or one wake-up of the baseline
    double busyMs = 0;                // all ticks or wake-ups together
};

void Summarise(TRunResult& result, const std::vector<TClock::time_point>& written,
               const std::vector<TClock::time_point>& arrived,
               const std::vector<double>& tickLatenessMs) {
    result.delivered = arrived.size();
    std::vector<double> latencies;
    for (std::size_t i = 0; i < std::min(written.size(), arrived.size()); ++i) {
        latencies.push_back(TMs(arrived[i] - written[i]).count());
        result.worstOnTimeLatencyMs =
            std::max(result.worstOnTimeLatencyMs, latencies.back() - tickLatenessMs[i]);
    }
    if (latencies.empty()) return;
    std::sort(latencies.begin(), latencies.end());
    result.worstLatencyMs = latencies.back();
    result.medianLatencyMs = latencies[latencies.size() / 2];
}

TRunResult RunComponent(const TFeed& feed, int pollMs) {
    TPseudoTerminal device;
    device.MapToPort(1);
    TOrvaltSerialGPS gps;
    gps.Port = 1;
    gps.BaudRate = 115200;
    gps.PollInterval = pollMs;
    std::vector<TClock::time_point> written(feed.lineEnds.size()), arrived;
    std::vector<double> lateness;  // of the tick that delivered each line
    double tickLatenessMs = 0;
    gps.OnNewCommand = [&](TOrvaltSerialGPS*, const std::string&) {
        arrived.push_back(TClock::now());
        lateness.push_back(tickLatenessMs);
    };
    gps.Open();
    if (!gps.Connected()) return {};
    std::atomic<bool> done = false;
    std::thread player(Play, std::ref(device), std::cref(feed), std::ref(written), std::ref(done));
    TRunResult result;
    auto next = TClock::now();
    const auto give_up = next + std::chrono::seconds(kSeconds + 10);
    while (arrived.size() < feed.lineEnds.size() && TClock::now() < give_up) {
        next += std::chrono::milliseconds(pollMs);
        std::this_thread::sleep_until(next);
        const auto tick = TClock::now();
        tickLatenessMs = TMs(tick - next).count();
        result.latestTickMs = std::max(result.latestTickMs, tickLatenessMs);
        gps.PollTimerTick();
        const double tookMs = TMs(TClock::now() - tick).count();
        result.longestStepMs = std::max(result.longestStepMs, tookMs);
        result.busyMs += tookMs;
    }
    player.join();
    Summarise(result, written, arrived, lateness);
    return result;
}

// Waits in poll() and frames lines the moment their bytes arrive.
TRunResult RunBaseline(const TFeed& feed) {
    TPseudoTerminal device;
    TSerialDevice port;
    TSerialSettings settings;
    settings.BaudRate = 115200;
    if (port.Open(device.SlavePath(), settings) != TSerialOpenResult::Opened) return {};
    std::vector<TClock::time_point> written(feed.lineEnds.size()), arrived;
    std::atomic<bool> done = false;
    std::thread player(Play, std::ref(device), std::cref(feed), std::ref(written), std::ref(done));
    TRunResult result;
    std::string buffer;
    char chunk[4096];
    while (arrived.size() < feed.lineEnds.size()) {
        pollfd ready{port.Handle(), POLLIN, 0};
        if (::poll(&ready, 1, 1000) <= 0) {
            if (done) break;
            continue;
        }
        const auto wake = TClock::now();
        const ssize_t count = ::read(port.Handle(), chunk, sizeof chunk);
        if (count <= 0) break;
        buffer.append(chunk, static_cast<std::size_t>(count));
        std::size_t start = 0;
        for (std::size_t end; (end = buffer.find('\n', start)) != std::string::npos;
             start = end + 1) {
            const auto line = std::string_view(buffer).substr(start, end - start);
            if (std::any_of(line.begin(), line.end(), [](char c) { return !IsBlank(c); })) {
                arrived.push_back(TClock::now());
            }
        }
        buffer.erase(0, start);
        const double tookMs = TMs(TClock::now() - wake).count();
        result.longestStepMs = std::max(result.longestStepMs, tookMs);
        result.busyMs += tookMs;
    }
    player.join();
    Summarise(result, written, arrived, std::vector<double>(arrived.size(), 0.0));
    return result;
}

void Print(const char* name, const TRunResult& r, std::size_t lines) {
    std::printf(
        "  %-28s delivered %zu/%zu, latency median %.1f ms, worst %.1f ms; longest step "
        "%.2f ms, busy %.1f ms\n",
        name, r.delivered, lines, r.medianLatencyMs, r.worstLatencyMs, r.longestStepMs, r.busyMs);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QTemporaryDir roots;  // the port table goes into a settings file of its own
    ::setenv("ProgramData", roots.path().toUtf8().constData(), 1);
    ::setenv("QUELLBAY_SMK_ROOT", (roots.path() + "/SMK").toUtf8().constData(), 1);
    std::string log;
    if (!ReadFileBytes(
            std::string(QBY_REALDATA_DIR) + "nmea/openrvdas__NBP1406_s330-2014-08-01.log", log)) {
        std::fprintf(stderr, "no Seapath log below %s: nothing to measure\n", QBY_REALDATA_DIR);
        return 0;
    }
    const TFeed feed = MakeFeed(ReceiverStream(log, true));
    std::printf("Seapath 330 log at %.0f bytes/s for %d s: %zu bytes, %zu lines\n", kBytesPerSecond,
                kSeconds, feed.stream.size(), feed.lineEnds.size());

    const TRunResult baseline = RunBaseline(feed);
    Print("baseline (poll() loop)", baseline, feed.lineEnds.size());
    bool passed = baseline.delivered == feed.lineEnds.size();
    for (int pollMs : {100, 1000}) {
        const TRunResult run = RunComponent(feed, pollMs);
        const std::string name = "TOrvaltSerialGPS, poll " + std::to_string(pollMs) + " ms";
        Print(name.c_str(), run, feed.lineEnds.size());
        const bool complete = run.delivered == feed.lineEnds.size();
        const bool inTime = run.worstOnTimeLatencyMs <= pollMs + kLatencySlackMs;
        const bool shortTicks = pollMs < 1000 || run.longestStepMs < kLongestTickLimitMs;
        std::printf(
            "    worst latency without tick lateness %.1f ms (limit %.0f ms; ticks up to "
            "%.1f ms late); worst %.1f x baseline, busy %.2f x baseline; %s\n",
            run.worstOnTimeLatencyMs, pollMs + kLatencySlackMs, run.latestTickMs,
            run.worstLatencyMs / baseline.worstLatencyMs, run.busyMs / baseline.busyMs,
            complete && inTime && shortTicks ? "pass" : "FAIL");
        passed = passed && complete && inTime && shortTicks;
    }
    return passed ? 0 : 1;
}
