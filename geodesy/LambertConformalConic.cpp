#include "geodesy/LambertConformalConic.h"

#include "geodesy/Angles.h"

#include <algorithm>
#include <cmath>

namespace {

using Angles::kHalfPi;
using Angles::kPi;
using Angles::kTwoPi;

constexpr double kMaxLatitude = 1.5707914786580854;  // 89°59'59"
// Below this cone constant rho0 passes 6e10 m and the northing's rho0 - rho cos theta cancels
// its millimetres away.
constexpr double kMinConeConstant = 1e-4;
constexpr double kMinInverseFlattening = 250;
constexpr double kMaxInverseFlattening = 350;
constexpr double kMinScaleFactor = 0.3;
constexpr double kMaxScaleFactor = 3.0;
constexpr double kPoleTolerance = 1e-10;
constexpr double kMaxOffsetM = 4e7;
constexpr double kLatitudeTolerance = 4.85e-10;
constexpr int kMaxRefinements = 29;
constexpr double kTangentTolerance = 1e-10;

bool IsCentralMeridian(double lambda0) { return lambda0 >= -kPi && lambda0 <= kTwoPi; }
bool IsLatitude(double phi) { return std::fabs(phi) <= kMaxLatitude; }

bool IsEllipsoid(double a, double f) {
    const double inverseFlattening = 1 / f;
    return a > 0 && std::isfinite(a) && inverseFlattening >= kMinInverseFlattening &&
           inverseFlattening <= kMaxInverseFlattening;
}

double Eccentricity(double f) { return std::sqrt(2 * f - f * f); }

double ParallelM(double e, double phi) {
    const double es = e * std::sin(phi);
    return std::cos(phi) / std::sqrt(1 - es * es);
}

double ParallelT(double e, double phi) {
    const double es = e * std::sin(phi);
    return std::tan(kPi / 4 - phi / 2) / std::pow((1 - es) / (1 + es), e / 2);
}

double WrapLongitude(double lambda) {
    if (lambda > kPi) return lambda - kTwoPi;
    if (lambda < -kPi) return lambda + kTwoPi;
    return lambda;
}

}  // namespace

TLambertConformalConic::TLambertConformalConic(const TLccOneParallel& p) : parameters_(p) {
    const double phi0 = p.originLatitude;
    valid_ = IsCentralMeridian(p.centralMeridian) && IsLatitude(phi0) &&
             std::fabs(std::sin(phi0)) >= kMinConeConstant && IsEllipsoid(p.a, p.f) &&
             p.scaleFactor >= kMinScaleFactor && p.scaleFactor <= kMaxScaleFactor &&
             std::isfinite(p.falseEasting) && std::isfinite(p.falseNorthing);
    if (!valid_) return;
    if (parameters_.centralMeridian > kPi) parameters_.centralMeridian -= kTwoPi;
    e_ = Eccentricity(p.f);
    n_ = std::sin(phi0);
    t0_ = ParallelT(e_, phi0);
    rho0_ = p.a * p.scaleFactor * ParallelM(e_, phi0) / n_;
    // A semi-major axis near the largest double passes the checks above but overflows rho0,
    // after which the inverse would report success with a NaN latitude.
    valid_ = std::isfinite(rho0_) && rho0_ != 0 && std::isfinite(t0_) && t0_ > 0;
}

int TLambertConformalConic::Forward(double latitude, double longitude, double& easting,
                                    double& northing) const {
    int bits = 0;
    if (!(std::fabs(latitude) <= kHalfPi)) bits |= LccErrLatitude;
    if (!(longitude >= -kPi && longitude <= kTwoPi)) bits |= LccErrLongitude;
    if (bits != 0) return bits;
    double rho = 0;
    if (std::fabs(std::fabs(latitude) - kHalfPi) > kPoleTolerance) {
        rho = rho0_ * std::pow(ParallelT(e_, latitude) / t0_, n_);
    } else if (latitude * n_ <= 0) {
        return LccErrLatitude;  // the pole away from the cone's apex lies at infinity
    }
    const double theta = n_ * WrapLongitude(longitude - parameters_.centralMeridian);
    const double east = rho * std::sin(theta) + parameters_.falseEasting;
    const double north = rho0_ - rho * std::cos(theta) + parameters_.falseNorthing;
    if (!std::isfinite(east) || !std::isfinite(north)) return LccErrLatitude;
    easting = east;
    northing = north;
    return 0;
}

int TLambertConformalConic::Inverse(double easting, double northing, double& latitude,
                                    double& longitude) const {
    const double dx = easting - parameters_.falseEasting;
    const double dyFromOrigin = northing - parameters_.falseNorthing;
    int bits = 0;
    if (!(std::fabs(dx) <= kMaxOffsetM)) bits |= LccErrEasting;
    if (!(std::fabs(dyFromOrigin) <= kMaxOffsetM)) bits |= LccErrNorthing;
    if (bits != 0) return bits;
    const double dy = rho0_ - dyFromOrigin;
    const double sign = n_ < 0 ? -1 : 1;
    const double rho = sign * std::hypot(dx, dy);
    if (rho == 0) {
        latitude = sign * kHalfPi;
        longitude = parameters_.centralMeridian;
        return 0;
    }
    const double theta = std::atan2(sign * dx, sign * dy);
    const double t = t0_ * std::pow(rho / rho0_, 1 / n_);
    double phi = kHalfPi - 2 * std::atan(t);
    if (std::fabs(phi) > kLatitudeTolerance) {
        bool settled = false;
        for (int i = 0; i < kMaxRefinements && !settled; ++i) {
            const double es = e_ * std::sin(phi);
            const double next = kHalfPi - 2 * std::atan(t * std::pow((1 - es) / (1 + es), e_ / 2));
            settled = std::fabs(next - phi) <= kLatitudeTolerance;
            phi = next;
        }
        if (!settled) return LccErrNorthing;
    }
    latitude = std::clamp(phi, -kHalfPi, kHalfPi);
    longitude = std::clamp(WrapLongitude(theta / n_ + parameters_.centralMeridian), -kPi, kPi);
    return 0;
}

bool EquivalentOneParallel(const TLccTwoParallels& set, TLccOneParallel& out) {
    const double phi1 = set.standardParallel1;
    const double phi2 = set.standardParallel2;
    if (!IsCentralMeridian(set.centralMeridian) || phi1 == -phi2 || !IsLatitude(phi1) ||
        !IsLatitude(phi2) || !IsLatitude(set.originLatitude) || !IsEllipsoid(set.a, set.f) ||
        !std::isfinite(set.falseNorthing)) {
        return false;
    }
    const double e = Eccentricity(set.f);
    const double m1 = ParallelM(e, phi1);
    const double t1 = ParallelT(e, phi1);
    const bool secant = std::fabs(phi1 - phi2) > kTangentTolerance;
    const double n = secant ? std::log(m1 / ParallelM(e, phi2)) / std::log(t1 / ParallelT(e, phi2))
                            : std::sin(phi1);
    if (!(std::fabs(n) >= kMinConeConstant)) return false;
    const double phiC = secant ? std::asin(n) : phi1;
    const double tC = ParallelT(e, phiC);
    const double kC = secant ? std::pow(tC / t1, n) * m1 / ParallelM(e, phiC) : 1.0;
    const double F = m1 / (n * std::pow(t1, n));
    const double shift =
        set.a * F * (std::pow(ParallelT(e, set.originLatitude), n) - std::pow(tC, n));
    TLccOneParallel equivalent{
        set.a, set.f, phiC, set.centralMeridian, set.falseEasting, set.falseNorthing + shift, kC};
    if (!TLambertConformalConic(equivalent).IsValid()) return false;
    out = equivalent;
    return true;
}
