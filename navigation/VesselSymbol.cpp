#include "navigation/VesselSymbol.h"

#include "geodesy/Angles.h"

#include <algorithm>
#include <cmath>

std::string TVesselShapeReader::Read(const TVesselShapeTexts& texts) {
    const struct {
        const char* caption;
        const std::string& text;
        double* number;
    } numbers[] = {{"Offset to next circle", texts.ringInterval, &geometry_.ringInterval},
                   {"Radious of first circle", texts.firstRingRadius, &geometry_.firstRingRadius},
                   {"Arrow's longitudal length", texts.bowLength, &geometry_.bowLength},
                   {"Arrow's sideward length", texts.sideOffset, &geometry_.sideOffset}};
    if (!texts.ringCount.empty()) {
        reader_.Read("Total number of circles", texts.ringCount, geometry_.ringCount);
    }
    for (const auto& number : numbers) {
        if (!number.text.empty()) reader_.Read(number.caption, number.text, *number.number);
    }
    std::string report = reader_.TakeReport("Vessel shape", "; the previous value is kept",
                                            "; the previous values are kept");
    if (geometry_.ringCount <= kMaxVesselRings) {
        reportedRingCount_ = 0;
    } else if (geometry_.ringCount != reportedRingCount_) {
        reportedRingCount_ = geometry_.ringCount;
        if (!report.empty()) report += "\n";
        report += "Vessel shape: Total number of circles " + std::to_string(geometry_.ringCount) +
                  " is more than " + std::to_string(kMaxVesselRings) + "; " +
                  std::to_string(kMaxVesselRings) + " rings are drawn";
    }
    return report;
}

// A point at `length` from the centre in the direction `angle` (radians clockwise from grid
// north): x grows with the sine, y with the cosine.
TVesselSymbol VesselSymbolAt(double easting, double northing, double headingDeg,
                             const TVesselGeometry& g) {
    const double h = Angles::DegToRad(headingDeg);
    const auto at = [&](double angle, double length) {
        return std::pair{easting + length * std::sin(angle), northing + length * std::cos(angle)};
    };
    const auto [bowX, bowY] = at(h, g.bowLength);
    const auto [rightX, rightY] = at(h + Angles::kHalfPi, g.sideOffset);
    const auto [leftX, leftY] = at(h - Angles::kHalfPi, g.sideOffset);
    TVesselSymbol symbol;
    symbol.lines = {TSegment{easting, northing, bowX, bowY},
                    TSegment{easting, northing, rightX, rightY},
                    TSegment{easting, northing, leftX, leftY}, TSegment{bowX, bowY, rightX, rightY},
                    TSegment{bowX, bowY, leftX, leftY}};
    const int rings = std::min(g.ringCount, kMaxVesselRings);
    for (int i = 0; i < rings; ++i) {
        symbol.ringRadii.push_back(g.firstRingRadius + i * g.ringInterval);
    }
    return symbol;
}
