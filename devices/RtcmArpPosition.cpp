#include "devices/RtcmArpPosition.h"

#include <cmath>

namespace {

constexpr double kSemiMajorAxisM = 6378137;
constexpr double kEccentricitySquared = 0.0066943799901413165;
constexpr double kPi = 3.141592653589793;
constexpr double kHalfTurnDeg = 180;
constexpr int kLatitudeSteps = 10;
constexpr double kMinRadiusM = 6000000;
constexpr double kMaxRadiusM = 7000000;

double PrimeVerticalRadius(double latitude) {
    const double sine = std::sin(latitude);
    return kSemiMajorAxisM / std::sqrt(1 - kEccentricitySquared * sine * sine);
}

}  // namespace

TArpGeodetic EcefToGeodetic(double xM, double yM, double zM) {
    const double longitude = std::atan2(yM, xM);
    const double p = std::sqrt(xM * xM + yM * yM);
    double latitude = std::atan2(zM, p * (1 - kEccentricitySquared));
    for (int step = 0; step < kLatitudeSteps; ++step) {
        latitude = std::atan2(
            zM + PrimeVerticalRadius(latitude) * kEccentricitySquared * std::sin(latitude), p);
    }
    const double height = p / std::cos(latitude) - PrimeVerticalRadius(latitude);
    return {latitude * kHalfTurnDeg / kPi, longitude * kHalfTurnDeg / kPi, height};
}

bool IsPlausibleArp(double xM, double yM, double zM) {
    const double radius = std::sqrt(xM * xM + yM * yM + zM * zM);
    return radius > kMinRadiusM && radius < kMaxRadiusM;
}
