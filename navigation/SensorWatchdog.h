#pragma once
// The sounder watchdog: a sounder that has been silent for more than five seconds since its
// port opened, or since its last line, is reported once; the next line re-arms the watch.
// Ticks are GetTickCount() milliseconds, 64-bit, so they do not wrap.

#include <cstdint>

inline constexpr std::uint64_t kSensorSilenceMs = 5000;

struct TSensorWatch {
    std::uint64_t openTick = 0;      // SensorOpenTick: 0 while the port is not open
    std::uint64_t lastLineTick = 0;  // LastSensorTick: 0 before the first line
    bool reported = false;           // SensorTimeoutReported
};

// Whether the silence is due for its report at tick `now`.
bool SensorSilenceDue(const TSensorWatch& watch, std::uint64_t now);
