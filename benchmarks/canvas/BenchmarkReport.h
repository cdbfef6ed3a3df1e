#pragma once
// The console table of Google Benchmark, keeping each benchmark's median real time in ms so
// that ratios against the baseline can be printed after the run.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class TCollectingReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> msPerRun;
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // With repetitions, the median stands for the benchmark.
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
            msPerRun[run.run_name.str()] =
                run.GetAdjustedRealTime() *
                benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond) /
                benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }
};

inline void PrintRatio(TCollectingReporter& reporter, const char* label, const std::string& ours,
                       const std::string& reference, const char* goal) {
    // A filter may have left either out.
    if (!reporter.msPerRun.count(ours) || !reporter.msPerRun.count(reference)) return;
    const double a = reporter.msPerRun[ours], b = reporter.msPerRun[reference];
    std::printf("%-36s %9.2f ms  vs %9.2f ms  ratio %.2f  (goal %s)\n", label, a, b, a / b, goal);
}
