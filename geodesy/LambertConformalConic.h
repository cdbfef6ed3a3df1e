#pragma once
// The ellipsoidal Lambert conformal conic projection (Snyder, USGS Professional Paper 1395,
// formulas 15-7 to 15-11 and 14-15), held in its one-parallel form: a standard parallel phi0
// that is also the latitude of origin, with a scale factor k0 there. A two-parallel set is
// turned into that form by EquivalentOneParallel.
//
// Symbols: e² = 2f - f², m(phi) = cos phi / sqrt(1 - e² sin²phi),
// t(phi) = tan(pi/4 - phi/2) / ((1 - e sin phi) / (1 + e sin phi))^(e/2), n the cone constant,
// rho = rho0 (t / t0)^n the radius of a parallel, rho0 = a k0 m(phi0) / n.
// Angles are radians, lengths metres. Accuracy against PROJ's lcc: 0.1 mm forward, 1e-9 rad
// for the inverse.

// Error bits of the conversions; 0 is success and several may be set at once.
constexpr int LccErrLatitude = 1;   // latitude outside [-pi/2, pi/2], or the far pole
constexpr int LccErrLongitude = 2;  // longitude outside [-pi, 2pi]
constexpr int LccErrEasting = 4;    // |E - FE| > 40,000,000 m
constexpr int LccErrNorthing = 8;   // |N - FN| > 40,000,000 m, or the inverse did not converge

struct TLccOneParallel {
    double a = 6378137.0;
    double f = 0.0033528106647474;
    double originLatitude = 0.7853981633974483;  // the standard parallel, pi/4
    double centralMeridian = 0;
    double falseEasting = 0;
    double falseNorthing = 0;
    double scaleFactor = 1.0;
};

struct TLccTwoParallels {
    double a = 6378137.0;
    double f = 0.0033528106647474;
    double originLatitude = 0.7853981633974483;  // 45 degrees
    double centralMeridian = 0;
    double standardParallel1 = 0.6981317007977318;  // 40 degrees
    double standardParallel2 = 0.8726646259971648;  // 50 degrees
    double falseEasting = 0;
    double falseNorthing = 0;
};

class TLambertConformalConic {
public:
    // Usable when the central meridian lies within [-pi, 2pi] (one above pi is kept as
    // lambda0 - 2pi), the origin latitude within 89°59'59" of the equator and not so near it
    // that the cone flattens into a cylinder (|n| < 1e-4), a > 0, 1/f within [250, 350],
    // k0 within [0.3, 3], the false origin finite, and rho0 finite and not 0 (which refuses a
    // semi-major axis near the largest or the smallest double).
    explicit TLambertConformalConic(const TLccOneParallel& parameters);

    bool IsValid() const { return valid_; }
    // The parameters as stored, the central meridian within (-pi, pi].
    const TLccOneParallel& Parameters() const { return parameters_; }
    double ConeConstant() const { return n_; }

    // Returns the error bits; the outputs are written only on success.
    int Forward(double latitude, double longitude, double& easting, double& northing) const;
    // Returns the error bits; the longitude comes back within [-pi, pi].
    int Inverse(double easting, double northing, double& latitude, double& longitude) const;

private:
    TLccOneParallel parameters_;
    bool valid_ = false;
    double e_ = 0;
    double n_ = 0;
    double t0_ = 0;
    double rho0_ = 0;
};

// The one-parallel form of a two-parallel set. Secant case (|phi1 - phi2| > 1e-10):
// n = ln(m1 / m2) / ln(t1 / t2), phic = asin n, kc = (t(phic) / t1)^n m1 / m(phic). Tangent
// case: n = sin phi1, phic = phi1, kc = 1. In both the false northing moves from the latitude of
// origin to phic: FNc = FN + a F (t(phi0)^n - t(phic)^n) with F = m1 / (n t1^n). False when the
// set is unusable: a central meridian outside [-pi, 2pi], opposite parallels (phi1 = -phi2) or
// near-opposite ones (|n| < 1e-4), a latitude beyond 89°59'59", a <= 0, 1/f outside
// [250, 350], a non-finite value, or an equivalent parallel that the one-parallel form refuses.
bool EquivalentOneParallel(const TLccTwoParallels& set, TLccOneParallel& out);
