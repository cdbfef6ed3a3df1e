#include "geodesy/TransverseMercator.h"

#include "geodesy/Angles.h"

// Symbols: phi latitude, lambda longitude, nu = a / sqrt(1 - e² sin²phi) the radius of
// curvature in the prime vertical, rho = a (1 - e²) / (1 - e² sin²phi)^1.5 the meridian radius,
// T = tan²phi, C = e'² cos²phi, A = (lambda - lambda0) cos phi, M the meridian arc.

TTransverseMercator::TTransverseMercator(const TEllipsoid& ellipsoid, double centralMeridianDeg,
                                         double referenceLatitudeDeg, double scaleFactor,
                                         double falseEastingM, double falseNorthingM)
    : ellipsoid_(ellipsoid),
      centralMeridianDeg_(centralMeridianDeg),
      k0_(scaleFactor),
      falseEasting_(falseEastingM),
      falseNorthing_(falseNorthingM),
      valid_(ellipsoid.IsValid() && scaleFactor > 0 && std::isfinite(scaleFactor) &&
             std::isfinite(centralMeridianDeg) &&
             std::fabs(referenceLatitudeDeg) <= Angles::kQuarterTurnDeg &&
             std::isfinite(falseEastingM) && std::isfinite(falseNorthingM)) {
    const double a = ellipsoid.A();
    const double e2 = ellipsoid.E2();
    const double e4 = e2 * e2;
    const double e6 = e4 * e2;
    ep2_ = e2 / (1 - e2);
    arc_[0] = a * (1 - e2 / 4 - 3 * e4 / 64 - 5 * e6 / 256);
    arc_[1] = a * (3 * e2 / 8 + 3 * e4 / 32 + 45 * e6 / 1024);
    arc_[2] = a * (15 * e4 / 256 + 45 * e6 / 1024);
    arc_[3] = a * (35 * e6 / 3072);
    const double root = std::sqrt(1 - e2);
    const double e1 = (1 - root) / (1 + root);
    const double e1p2 = e1 * e1, e1p3 = e1p2 * e1, e1p4 = e1p3 * e1;
    foot_[0] = 3 * e1 / 2 - 27 * e1p3 / 32;
    foot_[1] = 21 * e1p2 / 16 - 55 * e1p4 / 32;
    foot_[2] = 151 * e1p3 / 96;
    foot_[3] = 1097 * e1p4 / 512;
    const double phi0 = Angles::DegToRad(referenceLatitudeDeg);
    m0_ = MeridianDistance(phi0, std::sin(phi0), std::cos(phi0));
}

// M = a [(1 - e²/4 - 3e⁴/64 - 5e⁶/256) phi - (3e²/8 + 3e⁴/32 + 45e⁶/1024) sin 2phi
//        + (15e⁴/256 + 45e⁶/1024) sin 4phi - (35e⁶/3072) sin 6phi],
// the multiple angles built from sin phi and cos phi.
double TTransverseMercator::MeridianDistance(double latitudeRad, double sinLat,
                                             double cosLat) const {
    const double sin2 = 2 * sinLat * cosLat;
    const double cos2 = 1 - 2 * sinLat * sinLat;
    const double sin4 = 2 * sin2 * cos2;
    const double cos4 = 1 - 2 * sin2 * sin2;
    const double sin6 = sin4 * cos2 + cos4 * sin2;
    return arc_[0] * latitudeRad - arc_[1] * sin2 + arc_[2] * sin4 - arc_[3] * sin6;
}

bool TTransverseMercator::Forward(double latitudeDeg, double longitudeDeg, double& eastingM,
                                  double& northingM) const {
    if (!valid_ || !(std::fabs(latitudeDeg) <= Angles::kQuarterTurnDeg) ||
        !std::isfinite(longitudeDeg)) {
        return false;
    }
    const double phi = Angles::DegToRad(latitudeDeg);
    const double s = std::sin(phi);
    const double c = std::cos(phi);
    const double t = s / c;
    const double nu = ellipsoid_.A() / std::sqrt(1 - ellipsoid_.E2() * s * s);
    const double tt = t * t;
    const double cc = ep2_ * c * c;
    const double A = Angles::DegToRad(Angles::WrapDeg(longitudeDeg - centralMeridianDeg_)) * c;
    const double A2 = A * A, A3 = A2 * A, A4 = A3 * A, A5 = A4 * A, A6 = A5 * A;
    eastingM = falseEasting_ + k0_ * nu *
                                   (A + (1 - tt + cc) * A3 / 6 +
                                    (5 - 18 * tt + tt * tt + 72 * cc - 58 * ep2_) * A5 / 120);
    northingM =
        falseNorthing_ + k0_ * (MeridianDistance(phi, s, c) - m0_ +
                                nu * t *
                                    (A2 / 2 + (5 - tt + 9 * cc + 4 * cc * cc) * A4 / 24 +
                                     (61 - 58 * tt + tt * tt + 600 * cc - 330 * ep2_) * A6 / 720));
    return std::isfinite(eastingM) && std::isfinite(northingM);
}

bool TTransverseMercator::Inverse(double eastingM, double northingM, double& latitudeDeg,
                                  double& longitudeDeg) const {
    if (!valid_) return false;
    const double e2 = ellipsoid_.E2();
    const double mu = (m0_ + (northingM - falseNorthing_) / k0_) / arc_[0];
    const double sin2mu = std::sin(2 * mu), cos2mu = std::cos(2 * mu);
    const double sin4mu = 2 * sin2mu * cos2mu;
    const double cos4mu = 1 - 2 * sin2mu * sin2mu;
    const double sin6mu = sin4mu * cos2mu + cos4mu * sin2mu;
    const double sin8mu = 2 * sin4mu * cos4mu;
    const double phi1 =
        mu + foot_[0] * sin2mu + foot_[1] * sin4mu + foot_[2] * sin6mu + foot_[3] * sin8mu;
    if (!(std::fabs(phi1) <= Angles::kHalfPi)) return false;
    const double s1 = std::sin(phi1), c1 = std::cos(phi1);
    const double t1 = s1 / c1;
    const double tt1 = t1 * t1;
    const double cc1 = ep2_ * c1 * c1;
    const double w = 1 - e2 * s1 * s1;
    const double nu1 = ellipsoid_.A() / std::sqrt(w);
    const double rho1 = ellipsoid_.A() * (1 - e2) / (w * std::sqrt(w));
    const double D = (eastingM - falseEasting_) / (nu1 * k0_);
    const double D2 = D * D, D3 = D2 * D, D4 = D3 * D, D5 = D4 * D, D6 = D5 * D;
    const double phi =
        phi1 -
        (nu1 * t1 / rho1) *
            (D2 / 2 - (5 + 3 * tt1 + 10 * cc1 - 4 * cc1 * cc1 - 9 * ep2_) * D4 / 24 +
             (61 + 90 * tt1 + 298 * cc1 + 45 * tt1 * tt1 - 252 * ep2_ - 3 * cc1 * cc1) * D6 / 720);
    const double dLambda =
        (D - (1 + 2 * tt1 + cc1) * D3 / 6 +
         (5 - 2 * cc1 + 28 * tt1 - 3 * cc1 * cc1 + 8 * ep2_ + 24 * tt1 * tt1) * D5 / 120) /
        c1;
    latitudeDeg = Angles::RadToDeg(phi);
    longitudeDeg = Angles::RadToDeg(Angles::DegToRad(centralMeridianDeg_) + dLambda);
    if (std::fabs(longitudeDeg) > Angles::kHalfTurnDeg)
        longitudeDeg = Angles::WrapDeg(longitudeDeg);
    return std::fabs(latitudeDeg) <= Angles::kQuarterTurnDeg && std::isfinite(longitudeDeg);
}

namespace {

// What Redfearn's series need at a point: omega = lambda - lambda0 (wrapped), sin and cos of
// the latitude, t = tan phi and psi = nu / rho.
struct TRedfearnTerms {
    double omega, s, c, t2, psi;
};

TRedfearnTerms RedfearnTerms(const TEllipsoid& ellipsoid, double latitudeDeg, double longitudeDeg,
                             double centralMeridianDeg) {
    const double phi = Angles::DegToRad(latitudeDeg);
    const double s = std::sin(phi);
    const double c = std::cos(phi);
    const double t = s / c;
    const double e2 = ellipsoid.E2();
    return {Angles::DegToRad(Angles::WrapDeg(longitudeDeg - centralMeridianDeg)), s, c, t * t,
            (1 - e2 * s * s) / (1 - e2)};
}

}  // namespace

double TTransverseMercator::GridConvergenceDeg(double latitudeDeg, double longitudeDeg) const {
    const auto [w, s, c, t2, psi] =
        RedfearnTerms(ellipsoid_, latitudeDeg, longitudeDeg, centralMeridianDeg_);
    const double w3 = w * w * w, w5 = w3 * w * w, w7 = w5 * w * w;
    const double c2 = c * c, c4 = c2 * c2, c6 = c4 * c2;
    const double psi2 = psi * psi, psi3 = psi2 * psi, psi4 = psi3 * psi;
    const double gamma =
        -w * s - (w3 / 3) * s * c2 * (2 * psi2 - psi) -
        (w5 / 15) * s * c4 *
            (psi4 * (11 - 24 * t2) - psi3 * (11 - 36 * t2) + 2 * psi2 * (1 - 7 * t2) + psi * t2) -
        (w7 / 315) * s * c6 * (17 - 26 * t2 + 2 * t2 * t2);
    return Angles::RadToDeg(gamma);
}

double TTransverseMercator::PointScaleFactor(double latitudeDeg, double longitudeDeg) const {
    const auto [w, s, c, t2, psi] =
        RedfearnTerms(ellipsoid_, latitudeDeg, longitudeDeg, centralMeridianDeg_);
    const double w2 = w * w, w4 = w2 * w2, w6 = w4 * w2;
    const double c2 = c * c, c4 = c2 * c2, c6 = c4 * c2;
    const double psi2 = psi * psi, psi3 = psi2 * psi;
    return k0_ * (1 + (w2 / 2) * psi * c2 +
                  (w4 / 24) * c4 * (4 * psi3 * (1 - 6 * t2) + psi2 * (1 + 24 * t2) - 4 * psi * t2) +
                  (w6 / 720) * c6 * (61 - 148 * t2 + 16 * t2 * t2));
}
