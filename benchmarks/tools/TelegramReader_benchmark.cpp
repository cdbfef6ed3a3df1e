// Every echo-sounder line is read with the telegram format and pattern in force, on the
// user-interface thread. Reading a thousand "NMEA DPT" lines is timed against the least the same
// reading costs: the bounded scanner run on each line with the same pattern and target, no format
// looked up and no marker sought.

#include "benchmarks/canvas/MedianReporter.h"
#include "platform/ScanPattern.h"
#include "tools/TelegramReader.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const char* kPattern = "%*6s,%lf";

std::vector<std::string> DepthLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < 1000; ++i) {
        lines.push_back("$SDDPT," + std::to_string(2.0 + i * 0.013) + ",0.5*4A");
    }
    return lines;
}

void Telegrams(benchmark::State& state, const std::vector<std::string>* lines) {
    for (auto _ : state) {
        double sum = 0;
        for (const std::string& line : *lines)
            sum += ReadTelegram("NMEA DPT", kPattern, line).rawDepthHi;
        benchmark::DoNotOptimize(sum);
    }
}

void BareScan(benchmark::State& state, const std::vector<std::string>* lines) {
    for (auto _ : state) {
        double sum = 0;
        for (const std::string& line : *lines) {
            double depth = 0;
            ScanText(line, kPattern, {&depth});
            sum += depth;
        }
        benchmark::DoNotOptimize(sum);
    }
}

}  // namespace

int main(int argc, char** argv) {
    static const std::vector<std::string> lines = DepthLines();
    for (auto* run : {benchmark::RegisterBenchmark("read_telegram", Telegrams, &lines),
                      benchmark::RegisterBenchmark("bare_scan", BareScan, &lines)}) {
        run->Unit(benchmark::kMicrosecond)->Repetitions(5);
    }
    benchmark::Initialize(&argc, argv);
    TMedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    reporter.PrintRatio("a thousand sounder lines", "read_telegram", "bare_scan", "<= 1.5");
    return 0;
}
