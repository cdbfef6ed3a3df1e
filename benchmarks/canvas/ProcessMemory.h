#pragma once
// The resident memory of this process around one piece of work, for the benchmarks' notes.

#include <fstream>
#include <string>

// Resident memory in MB: the current size ("VmRSS:"), or the peak ("VmHWM:") since the last
// ResetPeakMemory().
inline double MemoryMb(const char* field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field, 0) == 0)
            return std::stod(line.substr(std::string(field).size())) / 1024;
    }
    return 0;
}

inline void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

struct TMemoryUse {
    double before = 0;  // resident before the work
    double peak = 0;    // the peak during it, above before
    double kept = 0;    // resident after it, above before
};

template <class Work>
TMemoryUse MeasureMemory(Work&& work) {
    TMemoryUse use;
    use.before = MemoryMb("VmRSS:");
    ResetPeakMemory();
    work();
    use.peak = MemoryMb("VmHWM:") - use.before;
    use.kept = MemoryMb("VmRSS:") - use.before;
    return use;
}
