// The RTCM frame scanner from memory against a bare table-driven CRC-24Q pass over the same
// bytes, measured in the same run: (a) the real streams of the sample-data folder one after the
// other, in 4096-byte pieces as the NTRIP client delivers them; (b) 10 MB of random bytes;
// (c) 1 MB of 0xD3 bytes, the worst case, where every byte opens a false frame of 985 bytes.
//
// Prints Google Benchmark's table, then MB/s and the ratio to the bare CRC with the goals.

#include "devices/RtcmCrc24Q.h"
#include "devices/RtcmFrameScanner.h"
#include "platform/TextFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>

namespace {

constexpr std::size_t kPieceBytes = 4096;

std::string RealStreams() {
    std::string all;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(
             std::string(QBY_REALDATA_DIR) + "rtcm3", error)) {
        if (!entry.is_regular_file()) continue;
        std::string bytes;
        ReadFileBytes(entry.path().string(), bytes);
        all += bytes;
    }
    return all;
}

std::string RandomBytes(std::size_t size) {
    std::mt19937 random(1);
    std::string bytes(size, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random());
    return bytes;
}

void Scan(benchmark::State& state, const std::string& bytes) {
    TRtcmFrameScanner scanner;
    long frames = 0;
    const TRtcmFrameScanner::TFrameSink sink = [&](std::string_view) { ++frames; };
    for (auto _ : state) {
        scanner.Reset();
        for (std::size_t at = 0; at < bytes.size(); at += kPieceBytes) {
            scanner.Feed(std::string_view(bytes).substr(at, kPieceBytes), sink);
        }
        benchmark::DoNotOptimize(frames);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

// The baseline: one table-driven CRC-24Q pass, the least a scanner that checks every byte of
// every frame must do.
void BareCrc(benchmark::State& state, const std::string& bytes) {
    for (auto _ : state) {
        std::uint32_t crc = 0;
        for (const char c : bytes) {
            crc =
                ((crc << 8) & 0xFFFFFF) ^ kCrc24QTable[(crc >> 16) ^ static_cast<std::uint8_t>(c)];
        }
        benchmark::DoNotOptimize(crc);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

// Median real time per iteration in seconds, by benchmark name.
class TCollectingReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> seconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
            seconds[run.run_name.str()] =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }
};

void PrintGoal(TCollectingReporter& reporter, const char* label, const std::string& name,
               std::size_t bytes, const char* goal) {
    const std::string ours = "scan/" + name, bare = "bare_crc/" + name;
    if (!reporter.seconds.count(ours) || !reporter.seconds.count(bare)) return;
    const double scanSeconds = reporter.seconds[ours], bareSeconds = reporter.seconds[bare];
    const double megabytes = static_cast<double>(bytes) / 1e6;
    std::printf("%-34s scan %10.2f MB/s  bare CRC %8.2f MB/s  ratio %8.2f  (goal %s)\n", label,
                megabytes / scanSeconds, megabytes / bareSeconds, scanSeconds / bareSeconds, goal);
}

}  // namespace

int main(int argc, char** argv) {
    static const std::string real = RealStreams();
    static const std::string random = RandomBytes(10'000'000);
    static const std::string preambles(1'000'000, static_cast<char>(0xD3));
    const std::pair<const char*, const std::string*> cases[] = {
        {"a_real_streams", &real}, {"b_random_10MB", &random}, {"c_preambles_1MB", &preambles}};
    for (const auto& [name, bytes] : cases) {
        if (bytes->empty()) continue;
        benchmark::RegisterBenchmark((std::string("scan/") + name).c_str(), Scan, *bytes)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("bare_crc/") + name).c_str(), BareCrc, *bytes)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    TCollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    if (real.empty()) std::printf("no real streams below %s: (a) not measured\n", QBY_REALDATA_DIR);
    PrintGoal(reporter, "(a) real streams", "a_real_streams", real.size(),
              ">= 200 MB/s, ratio <= 1.5");
    PrintGoal(reporter, "(b) 10 MB of random bytes", "b_random_10MB", random.size(), ">= 50 MB/s");
    PrintGoal(reporter, "(c) 1 MB of 0xD3", "c_preambles_1MB", preambles.size(),
              ">= 0.2 MB/s, ratio <= 1100");
    benchmark::Shutdown();
    return 0;
}
