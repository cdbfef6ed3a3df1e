#pragma once
// Where the vessel is now, as a sounding or an event mark records it.
//
// A position is current when the receiver reported it since this start of real time and at
// most kCurrentPositionMs before now: a receiver that went quiet, reports an empty position or
// was reported idle gives none, so nothing is written at a place the vessel has left, and
// nothing of an earlier run is written in the next. The grid position is the projection of
// that same latitude and longitude through the run's projection, computed now.

#include "navigation/MapProjector.h"

#include <cstdint>
#include <optional>

class TOrvaltSerialGPS;

// The longest a GNSS position stays current without a new GGA, in milliseconds.
inline constexpr std::uint64_t kCurrentPositionMs = 3000;

struct TCurrentPosition {
    double latitude = 0, longitude = 0, height = 0;  // WGS 84: degrees, m
    int fixQuality = 0;                              // of the GGA that gave the position
    std::optional<TGridFix> grid;  // none when the run's projection cannot place it
};

// The receiver's position when it is current at `nowTick` (GetTickCount milliseconds) for a
// run started at `startTick` (RealtimeStartTick, 0 while stopped); none otherwise.
std::optional<TCurrentPosition> CurrentPositionAt(const TOrvaltSerialGPS& receiver,
                                                  const TMapProjector& projector,
                                                  std::uint64_t startTick, std::uint64_t nowTick);

// The same for now and the running start.
std::optional<TCurrentPosition> CurrentPosition(const TOrvaltSerialGPS& receiver,
                                                const TMapProjector& projector);
