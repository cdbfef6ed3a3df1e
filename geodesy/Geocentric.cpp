#include "geodesy/Geocentric.h"

#include "geodesy/Angles.h"

namespace {

constexpr double kLatitudeToleranceRad = 1e-12;
constexpr int kMaxRounds = 50;

}  // namespace

TCartesian GeodeticToCartesian(const TEllipsoid& ellipsoid, double latitudeRad, double longitudeRad,
                               double heightM) {
    const double sinLat = std::sin(latitudeRad);
    const double cosLat = std::cos(latitudeRad);
    const double n = ellipsoid.A() / std::sqrt(1 - ellipsoid.E2() * sinLat * sinLat);
    const double r = (n + heightM) * cosLat;
    return {r * std::cos(longitudeRad), r * std::sin(longitudeRad),
            (n * (1 - ellipsoid.E2()) + heightM) * sinLat};
}

bool CartesianToGeodetic(const TEllipsoid& ellipsoid, const TCartesian& point, TGeodetic& out) {
    if (!std::isfinite(point.X) || !std::isfinite(point.Y) || !std::isfinite(point.Z)) {
        return false;
    }
    const double p = std::hypot(point.X, point.Y);
    if (p == 0) {
        out = {point.Z >= 0 ? Angles::kHalfPi : -Angles::kHalfPi, 0,
               std::fabs(point.Z) - ellipsoid.B()};
        return true;
    }
    const double a = ellipsoid.A();
    const double e2 = ellipsoid.E2();
    double latitude = 0;
    double height = 0;
    double n = a;  // prime-vertical radius at the current latitude
    for (int round = 0; round < kMaxRounds; ++round) {
        const double next = std::atan2(point.Z, p * (1 - e2 * n / (n + height)));
        const double sinNext = std::sin(next);
        const double w = std::sqrt(1 - e2 * sinNext * sinNext);
        n = a / w;
        height = p * std::cos(next) + point.Z * sinNext - a * w;
        const bool settled = std::fabs(next - latitude) <= kLatitudeToleranceRad;
        latitude = next;
        if (settled) {
            // Deep inside the earth 1 - e² N / (N + h) turns negative: no latitude there.
            if (!(std::fabs(latitude) <= Angles::kHalfPi) || !std::isfinite(height)) return false;
            out = {latitude, std::atan2(point.Y, point.X), height};
            return true;
        }
    }
    return false;
}
