#include "navigation/SensorWatchdog.h"

bool SensorSilenceDue(const TSensorWatch& watch, std::uint64_t now) {
    if (watch.reported || watch.openTick == 0) return false;
    const std::uint64_t since = watch.lastLineTick != 0 ? watch.lastLineTick : watch.openTick;
    return now > since + kSensorSilenceMs;
}
