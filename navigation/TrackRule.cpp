#include "navigation/TrackRule.h"

#include "canvas/MapLayerNames.h"

#include <cmath>

namespace {

constexpr double kJumpFactor = 10;

}  // namespace

TTrackDecision TTrackRule::Next(TGridPoint position, double distance) {
    if (!last_) {
        last_ = position;
        return {TTrackStep::Seed, position};
    }
    const TGridPoint from = *last_;
    const double moved =
        std::hypot(position.easting - from.easting, position.northing - from.northing);
    if (moved < distance) return {TTrackStep::Keep, from};
    last_ = position;
    return {moved < kJumpFactor * distance ? TTrackStep::Draw : TTrackStep::Jump, from};
}

TTrackPen TrackPenOf(int fixQuality, TColor fixedColor, TColor floatColor) {
    switch (fixQuality) {
        case 4:
            return {kFixedTrackLayerName, fixedColor};
        case 2:
        case 3:
        case 5:
            return {kFloatTrackLayerName, floatColor};
        default:
            return {kNoFixTrackLayerName, kRed};
    }
}
