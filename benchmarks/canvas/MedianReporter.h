#pragma once
// Google Benchmark's console table, and beside it the median real time of every benchmark in
// ms by name, for the ratios printed after the run.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class TMedianReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> medianMs;
    // The unit of the printed figures: ms, or for steps of microseconds "us" with 1000 per ms.
    const char* printUnit = "ms";
    double unitsPerMs = 1;

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // With repetitions, the median stands for the benchmark.
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
            // The name as registered, without the decorations of repetitions or real time.
            medianMs[run.run_name.function_name] =
                run.GetAdjustedRealTime() *
                benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond) /
                benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }

    // One line: both figures in ms and their ratio, against the goal.
    void PrintRatio(const char* label, const std::string& ours, const std::string& reference,
                    const char* goal) {
        // A filter may have left either out.
        if (!medianMs.count(ours) || !medianMs.count(reference)) return;
        const double a = medianMs[ours] * unitsPerMs, b = medianMs[reference] * unitsPerMs;
        std::printf("%-36s %10.3f %s  vs %10.3f %s  ratio %.2f  (goal %s)\n", label, a, printUnit,
                    b, printUnit, a / b, goal);
    }
};

// Runs the registered benchmarks for steps of microseconds: the repetitions interleaved, so that a
// figure and its baseline see the machine alike, and the figures printed in us. `flags` go before
// the command line's own, which still decide.
inline void RunInterleavedInMicroseconds(int argc, char** argv, TMedianReporter& reporter,
                                         std::vector<std::string> flags = {}) {
    flags.insert(flags.begin(), "--benchmark_enable_random_interleaving=true");
    std::vector<char*> arguments(argv, argv + argc);
    for (std::string& flag : flags) arguments.insert(arguments.begin() + 1, flag.data());
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    reporter.printUnit = "us";
    reporter.unitsPerMs = 1000;
    benchmark::RunSpecifiedBenchmarks(&reporter);
}
