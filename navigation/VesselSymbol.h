#pragma once
// The vessel symbol on the map: a heading arrow from the antenna position to the bow with two
// side strokes, and range rings around the antenna. Grid metres; the heading is the grid
// heading in degrees clockwise from grid north.

#include "navigation/SettingNumberReader.h"

#include <array>
#include <string>
#include <vector>

// The vessel-shape window's numbers (edAmount, edInterval, edRadious, edBArrow, edLArrow).
struct TVesselGeometry {
    int ringCount = 0;
    double ringInterval = 0;
    double firstRingRadius = 0;
    double bowLength = 0;   // arrow length from the antenna to the bow
    double sideOffset = 0;  // sideways reach of the side strokes
};

// The edits' texts in the same order.
struct TVesselShapeTexts {
    std::string ringCount, ringInterval, firstRingRadius, bowLength, sideOffset;
};

// More rings than this are not drawn: each costs a shape on every map tick.
constexpr int kMaxVesselRings = 100;

// Reads the vessel-shape edits on every tick. An empty edit keeps the previous number
// silently; one that is not a number keeps it too and is reported once; a ring count above
// kMaxVesselRings draws that many and is reported once.
class TVesselShapeReader {
public:
    // Returns the report for the surveyor, empty when there is nothing new to tell.
    std::string Read(const TVesselShapeTexts& texts);
    const TVesselGeometry& Geometry() const { return geometry_; }

private:
    TVesselGeometry geometry_;
    TSettingNumberReader reader_;
    int reportedRingCount_ = 0;  // the ring count last reported as too large
};

struct TSegment {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The symbol at (easting, northing): the lines centre-bow, centre-right, centre-left,
// bow-right, bow-left, and the ring radii first radius + i interval for i from 0 below the
// ring count (at most kMaxVesselRings; none below 1).
struct TVesselSymbol {
    std::array<TSegment, 5> lines;
    std::vector<double> ringRadii;
};
TVesselSymbol VesselSymbolAt(double easting, double northing, double headingDeg,
                             const TVesselGeometry& geometry);
