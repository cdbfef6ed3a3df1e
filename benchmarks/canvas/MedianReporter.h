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
        const double a = medianMs[ours], b = medianMs[reference];
        std::printf("%-36s %9.2f ms  vs %9.2f ms  ratio %.2f  (goal %s)\n", label, a, b, a / b,
                    goal);
    }
};
