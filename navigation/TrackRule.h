#pragma once
// The track: a point (or a line from the last one) each time the vessel has moved at least the
// track distance, on a layer by fix quality.
//
// The rule remembers the last grid position it drew from. A move shorter than the distance
// keeps it; a move of ten distances or more is a jump (an outage under way, a restart at
// another place) and only moves it, so no line spans the gap and the track goes on from the
// new place. The first position seeds it. A distance of 0 or less never draws.

#include "canvas/Color.h"
#include "navigation/GridPoint.h"

#include <optional>

enum class TTrackStep {
    Seed,  // the first position: remembered, nothing drawn
    Keep,  // too close: nothing drawn, the remembered point stays
    Draw,  // draw from the remembered point to here, then remember here
    Jump,  // ten distances or more: remember here without drawing
};

struct TTrackDecision {
    TTrackStep step = TTrackStep::Seed;
    TGridPoint from;  // the point remembered before; for Draw the line's other end
};

class TTrackRule {
public:
    // Decides for the current grid position and the track distance (m), and remembers
    // accordingly.
    TTrackDecision Next(TGridPoint position, double distance);
    // The point the next decision measures from; nothing before the first position.
    const std::optional<TGridPoint>& Last() const { return last_; }

private:
    std::optional<TGridPoint> last_;
};

// The layer and colour of a track point: quality 4 (RTK fixed) on "track_fix" in the fixed
// colour, 2, 3 and 5 (DGPS, PPS, RTK float) on "track_float" in the float colour, the rest on
// "track_nofix" in red.
struct TTrackPen {
    const char* layer;
    TColor color;
};
TTrackPen TrackPenOf(int fixQuality, TColor fixedColor, TColor floatColor);
