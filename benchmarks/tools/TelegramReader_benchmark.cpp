// Every echo-sounder line is read with the telegram format and pattern in force, on the
// user-interface thread. Reading a thousand "NMEA DPT" lines is timed against the least the same
// reading costs: the bounded scanner run on each line with the same pattern and target, no format
// looked up and no marker sought. Reading and reducing a thousand lines with the sound-velocity
// window's box ticked over a 6,001-line column, as the sounder handler does, is timed against the
// same without a profile.

#include "benchmarks/canvas/MedianReporter.h"
#include "benchmarks/tools/BenchmarkRoots.h"
#include "navigation/SounderLine.h"
#include "platform/NumberFormat.h"
#include "platform/ScanPattern.h"
#include "tools/TelegramReader.h"
#include "tools/USoundVelocity.h"

#include <QDir>
#include <QTemporaryDir>

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

// Depths over the whole column, 0 to 6,000 m.
std::vector<std::string> DeepLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < 1000; ++i) lines.push_back("$SDDPT," + FormatFixed(i * 6.0, 2) + ",0.5");
    return lines;
}

void Reduce(benchmark::State& state, const std::vector<std::string>* lines, bool profile) {
    TSounderLineReader reader;
    double alarm = 0;
    for (auto _ : state) {
        double sum = 0;
        for (const std::string& line : *lines) {
            const TSounderLineInput input{line,
                                          "NMEA DPT",
                                          kPattern,
                                          "0.5",
                                          "5.0",
                                          1500,
                                          profile ? SoundVelocityProfileColumn() : nullptr};
            sum += reader.Read(input, alarm).depths.trueDepthHi;
        }
        benchmark::DoNotOptimize(sum);
    }
}

void ReduceWithProfile(benchmark::State& state, const std::vector<std::string>* lines) {
    Reduce(state, lines, true);
}

void ReduceWithoutProfile(benchmark::State& state, const std::vector<std::string>* lines) {
    Reduce(state, lines, false);
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir folder(QDir::tempPath() + "/telegram-reader-XXXXXX");
    UseBenchmarkRoots(folder.path());
    QApplication application(argc, argv);
    StartBenchmarkDay();
    TfSVP window(nullptr, folder.path().toStdString() + "/");
    fSVP = &window;
    std::vector<std::string> column;
    for (int k = 0; k <= 6000; ++k) column.push_back(FormatFixed(1480 + k * 0.005, 2));
    window.mSVPColumn->SetLines(column);
    window.cUseSVP->click();

    static const std::vector<std::string> lines = DepthLines();
    static const std::vector<std::string> deep = DeepLines();
    for (auto* run :
         {benchmark::RegisterBenchmark("read_telegram", Telegrams, &lines),
          benchmark::RegisterBenchmark("bare_scan", BareScan, &lines),
          benchmark::RegisterBenchmark("reduce_with_profile", ReduceWithProfile, &deep),
          benchmark::RegisterBenchmark("reduce_without_profile", ReduceWithoutProfile, &deep)}) {
        run->Unit(benchmark::kMicrosecond)->Repetitions(5);
    }
    benchmark::Initialize(&argc, argv);
    TMedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    reporter.PrintRatio("a thousand sounder lines", "read_telegram", "bare_scan", "<= 1.5");
    reporter.PrintRatio("reduced over a 6,001-line column", "reduce_with_profile",
                        "reduce_without_profile", "<= 1.5");
    fSVP = nullptr;
    return 0;
}
