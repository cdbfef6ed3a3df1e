#pragma once
// A reference ellipsoid given by its semi-major axis and its flattening.

#include <cmath>

class TEllipsoid {
public:
    // a: semi-major axis in metres; f: the flattening itself (0.0033528106647474 for WGS 84),
    // not its inverse. Usable when a > 0 and 0 <= f < 1: a flattening typed as its inverse
    // (298.257) or a NaN makes the ellipsoid unusable instead of producing NaN downstream.
    TEllipsoid(double a, double f)
        : a_(a), f_(f), e2_(f * (2 - f)), valid_(a > 0 && std::isfinite(a) && f >= 0 && f < 1) {}

    bool IsValid() const { return valid_; }
    double A() const { return a_; }
    double F() const { return f_; }
    // Semi-minor axis, m.
    double B() const { return a_ * (1 - f_); }
    // Squared first eccentricity e² = f (2 - f).
    double E2() const { return e2_; }

private:
    double a_;
    double f_;
    double e2_;
    bool valid_;
};
