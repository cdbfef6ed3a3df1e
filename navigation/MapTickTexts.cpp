#include "navigation/MapTickTexts.h"

#include "platform/NumberFormat.h"

#include <cmath>

namespace {

constexpr int kFixedPrecision = 18;
constexpr int kGridPrecision = 12;
constexpr long long kArcMsPerDegree = 3600 * 1000;
constexpr long long kArcMsPerMinute = 60 * 1000;

std::string Fixed(double value, int decimals) {
    return FloatToStrF(value, kFixedPrecision, decimals);
}

// Rounded once, to the millisecond of arc, so 59.9996 seconds carry into the next minute
// instead of showing as 60.000.
std::string Dms(double degrees, char positive, char negative) {
    const long long total = std::llround(std::fabs(degrees) * kArcMsPerDegree);
    const long long whole = total / kArcMsPerDegree;
    const long long minutes = total % kArcMsPerDegree / kArcMsPerMinute;
    const double seconds = static_cast<double>(total % kArcMsPerMinute) / 1000;
    return IntToStr(whole) + "\u00B0" + IntToStr(minutes) + "'" + FormatFixed(seconds, 3) + "\"" +
           (degrees >= 0 ? positive : negative);
}

}  // namespace

std::string FixQualityText(int fixQuality) {
    switch (fixQuality) {
        case 0:
            return "No Fix";
        case 1:
            return "GPS";
        case 2:
            return "DGPS";
        case 4:
            return "RTK Fix";
        case 5:
            return "RTK Float";
        default:
            return "Fix:" + IntToStr(fixQuality);
    }
}

std::string OverlayLine(const TOverlayLineInput& in) {
    if (in.emptyGGA) return "*** EMPTY GGA - NO POSITION ***";
    std::string line = FixQualityText(in.fixQuality) +
                       " | Spd: " + Fixed(StrToFloatDef(in.speedText, 0), 1) +
                       " kn | SV: " + IntToStr(in.satellites) +
                       " | Ant: " + Fixed(in.antennaHeight, 2) + " m | Tide: " + in.tideText + " m";
    if (in.depthShown && in.depth > 0) line += " | Depth: " + FormatFixed(in.depth, 2) + " m";
    return line;
}

std::string DmsText(double latitude, double longitude) {
    return Dms(latitude, 'N', 'S') + ", " + Dms(longitude, 'E', 'W');
}

std::string GridPositionText(double easting, double northing) {
    return "E" + FloatToStrF(easting, kGridPrecision, 2) + ", N" +
           FloatToStrF(northing, kGridPrecision, 2);
}

void TLatencyMean::Add(double latencyMs) {
    ++count_;
    mean_ = (latencyMs + (count_ - 1) * mean_) / count_;
}
