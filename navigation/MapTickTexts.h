#pragma once
// The texts the map timer shows: the fix text, the position overlay line, the status bar's
// geographic and grid positions, and the running mean of the tick's latency.

#include <cstdint>
#include <string>

// 0 "No Fix", 1 "GPS", 2 "DGPS", 4 "RTK Fix", 5 "RTK Float", any other "Fix:" and the number.
std::string FixQualityText(int fixQuality);

struct TOverlayLineInput {
    int fixQuality = 0;
    std::string speedText;  // the real-time window's speed read-out, knots
    int satellites = 0;
    double antennaHeight = 0;  // m
    std::string tideText;      // the real-time window's tide read-out
    bool depthShown = false;   // the sounder is enabled
    double depth = 0;          // m; shown when positive
    bool emptyGGA = false;
};

// "RTK Fix | Spd: 9.7 kn | SV: 12 | Ant: 1.25 m | Tide: 0.40 m", then " | Depth: 12.34 m"
// while the sounder is enabled and the depth positive; "*** EMPTY GGA - NO POSITION ***" while
// the receiver gives no position. A speed read-out that is not a number reads 0.
std::string OverlayLine(const TOverlayLineInput& input);

// "36°30'0.000"S, 27°15'0.000"E": degrees, minutes and seconds to the millisecond of arc of
// the absolute values, with the hemisphere letters (UTF-8).
std::string DmsText(double latitude, double longitude);

// "E500000.00, N4100000.00".
std::string GridPositionText(double easting, double northing);

// The running mean of the map tick's latency, over the whole program run.
class TLatencyMean {
public:
    void Add(double latencyMs);
    std::int32_t Count() const { return count_; }
    double Mean() const { return mean_; }

private:
    std::int32_t count_ = 0;
    double mean_ = 0;
};
