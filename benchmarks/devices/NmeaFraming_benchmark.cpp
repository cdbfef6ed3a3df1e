// Line framing and GGA/RMC/VTG decoding of TOrvaltSerialGPS on real receiver logs, fed from
// memory in reads of 1023 bytes. A 115200-baud port delivers
// 0.0115 MB/s; the goal is at least 50 MB/s on one core.

#include "devices/OrvaltSerialGPS.h"

#include "tests/devices/ReceiverLog.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::size_t kReadBytes = 1023;

void FrameAndDecode(benchmark::State& state, const std::string& stream) {
    TOrvaltSerialGPS gps;
    long lines = 0;
    long changes = 0;
    gps.OnNewCommand = [&](TOrvaltSerialGPS*, const std::string&) { ++lines; };
    gps.OnPosition3DChange = [&](TOrvaltSerialGPS*, double, double, double) { ++changes; };
    gps.OnSpeedChange = [&](TOrvaltSerialGPS*, double) { ++changes; };
    for (auto _ : state) {
        for (std::size_t at = 0; at < stream.size(); at += kReadBytes) {
            gps.ReceiveBytes(std::string_view(stream).substr(at, kReadBytes));
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * stream.size()));
    state.counters["lines"] =
        benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kIsRate);
    benchmark::DoNotOptimize(changes);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<TReceiverLog> logs = RealReceiverLogs(QBY_REALDATA_DIR);
    if (logs.empty()) {
        std::fprintf(stderr, "no receiver logs below %s: nothing to measure\n", QBY_REALDATA_DIR);
        return 0;
    }
    for (const TReceiverLog& log : logs) {
        benchmark::RegisterBenchmark(("FrameAndDecode/" + log.name).c_str(), FrameAndDecode,
                                     log.stream);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
