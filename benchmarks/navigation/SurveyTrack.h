#pragma once
// A day's track for the map benchmarks: 300,000 fixed points on 300 survey lines of 1000
// points, 10 m apart along a line and 20 m between lines (a 10 km x 6 km block).

#include "canvas/OrvaltCanvas.h"

inline constexpr int kTrackLines = 300;
inline constexpr int kPointsPerLine = 1000;
inline constexpr double kLineSpacing = 20;   // m
inline constexpr double kPointSpacing = 10;  // m

// Adds the track from the block's south-west corner (grid metres) to the "track_fix" layer.
inline void AddDayTrack(TOrvaltCanvas& map, double blockEast, double blockNorth) {
    const int layer = map.FindLayerByName("track_fix");
    map.ReserveShapes(kTrackLines * kPointsPerLine + 100000);
    for (int line = 0; line < kTrackLines; ++line) {
        for (int i = 0; i < kPointsPerLine; ++i) {
            map.AddPoint(blockEast + kPointSpacing * i, blockNorth + kLineSpacing * line, layer);
        }
    }
}
