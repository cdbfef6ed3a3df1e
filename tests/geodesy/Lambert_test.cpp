#include "geodesy/Lambert.h"

#include "tests/geodesy/ProjPeer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kDeg = M_PI / 180;
constexpr double kA = 6378388, kF = 1 / 297.0;

struct TLccCase {
    const char* legend;
    double lat0, lon0, lat1, lat2, fe, fn;  // degrees and metres; lat1 = lat2 = lat0 for 1SP
    double k0;
};

std::string ProjDefinition(const TLccCase& c, bool twoParallels) {
    char text[300];
    if (twoParallels) {
        std::snprintf(text, sizeof text,
                      "+proj=lcc +lat_0=%.17g +lon_0=%.17g +lat_1=%.17g +lat_2=%.17g +x_0=%.17g "
                      "+y_0=%.17g +a=6378388 +rf=297",
                      c.lat0, c.lon0, c.lat1, c.lat2, c.fe, c.fn);
    } else {
        std::snprintf(text, sizeof text,
                      "+proj=lcc +lat_0=%.17g +lat_1=%.17g +lon_0=%.17g +k_0=%.17g +x_0=%.17g "
                      "+y_0=%.17g +a=6378388 +rf=297",
                      c.lat0, c.lat0, c.lon0, c.k0, c.fe, c.fn);
    }
    return text;
}

// Seeded random points around the origin, forward against PROJ within 0.1 mm and PROJ's grid
// back within 1e-9 rad.
void ExpectAgreementWithProj(const TLccCase& c, bool twoParallels) {
    TProjPeer proj(ProjDefinition(c, twoParallels));
    ASSERT_TRUE(proj.IsValid());
    const auto forward = twoParallels ? Lcc2SPForward : Lcc1SPForward;
    const auto inverse = twoParallels ? Lcc2SPInverse : Lcc1SPInverse;
    TRandomPoints random(51);
    for (int i = 0; i < 1000; ++i) {
        const double lat = std::clamp(c.lat0 + random.Uniform(-15, 15), -89.0, 89.0) * kDeg;
        const double lon = (c.lon0 + random.Uniform(-10, 10)) * kDeg;
        double e = 0, n = 0, backLat = 0, backLon = 0;
        ASSERT_EQ(forward(lat, lon, e, n), 0);
        const PJ_COORD peer = proj.Forward(lon, lat);
        EXPECT_LT(std::hypot(e - peer.xy.x, n - peer.xy.y), 1e-4) << lat << " " << lon;
        ASSERT_EQ(inverse(peer.xy.x, peer.xy.y, backLat, backLon), 0);
        EXPECT_NEAR(backLat, lat, 1e-9);
        EXPECT_NEAR(std::remainder(backLon - lon, 2 * M_PI), 0, 1e-9);
    }
}

TEST(Lambert, OneParallelAgreesWithProj) {
    const TLccCase cases[] = {
        {"Turkey-like", 39, 35, 0, 0, 500000, 0, 0.9996},
        {"southern cone", -35, 147, 0, 0, 1e6, 1e7, 1.0},
        {"low latitude, large scale", 12, -60, 0, 0, 0, 0, 1.2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        ASSERT_DOUBLE_EQ(
            Lcc1SPSetParameters(kA, kF, c.lat0 * kDeg, c.lon0 * kDeg, c.fe, c.fn, c.k0),
            std::sin(c.lat0 * kDeg));
        ExpectAgreementWithProj(c, false);
    }
}

TEST(Lambert, TwoParallelsAgreeWithProj) {
    const TLccCase cases[] = {
        {"secant 40 and 50", 45, 10, 40, 50, 600000, 200000, 1},
        {"southern secant", -30, 135, -18, -36, 0, 0, 1},
        {"parallels either side of the equator", 5, 0, 20, -10, 0, 0, 1},
        // Equal parallels used to ignore the origin latitude: 554 km of northing off.
        {"tangent 30 with origin 25", 25, 35, 30, 30, 500000, 0, 1},
        {"tangent at the origin", 30, 35, 30, 30, 0, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        ASSERT_NE(Lcc2SPSetParameters(kA, kF, c.lat0 * kDeg, c.lon0 * kDeg, c.lat1 * kDeg,
                                      c.lat2 * kDeg, c.fe, c.fn),
                  0);
        ExpectAgreementWithProj(c, true);
        double e = 0, n = 0;
        ASSERT_EQ(Lcc2SPForward(c.lat0 * kDeg, c.lon0 * kDeg, e, n), 0);
        EXPECT_NEAR(e, c.fe, 1e-6);
        EXPECT_NEAR(n, c.fn, 1e-6) << "the origin latitude gives the false northing";
    }
    EXPECT_DOUBLE_EQ(Lcc2SPSetParameters(kA, kF, 30 * kDeg, 0, 30 * kDeg, 30 * kDeg, 0, 0), 0.5);
}

TEST(Lambert, RejectedOneParallelSetReturnsZeroAndKeepsTheStoredOne) {
    ASSERT_NE(Lcc1SPSetParameters(kA, kF, 39 * kDeg, 35 * kDeg, 500000, 0, 0.9996), 0);
    double before[7];
    Lcc1SPGetParameters(before[0], before[1], before[2], before[3], before[4], before[5],
                        before[6]);
    struct {
        const char* legend;
        double a, f, lat0, lon0, k0;
    } cases[] = {
        {"origin on the equator", kA, kF, 0, 0, 1},
        {"origin so near the equator that n < 1e-4", kA, kF, 5e-5, 0, 1},
        {"origin beyond 89°59'59\"", kA, kF, 1.5707915, 0, 1},
        {"scale factor 0.2", kA, kF, 0.7, 0, 0.2},
        {"scale factor 3.5", kA, kF, 0.7, 0, 3.5},
        {"1/f = 200", kA, 1 / 200.0, 0.7, 0, 1},
        {"flattening typed as its inverse", kA, 297, 0.7, 0, 1},
        {"central meridian 7 rad", kA, kF, 0.7, 7, 1},
        {"semi-major axis 0", 0, kF, 0.7, 0, 1},
        {"nan semi-major axis", NAN, kF, 0.7, 0, 1},
        {"nan origin", kA, kF, NAN, 0, 1},
        {"nan scale factor", kA, kF, 0.7, 0, NAN},
        // Found by fuzzing: rho0 = a k0 m0 / n overflowed, and the inverse then reported
        // success with a NaN latitude.
        {"semi-major axis 1e308, rho0 beyond the largest double", 1e308, kF, 0.7, 0, 2},
        {"semi-major axis 5e-324, rho0 rounds to 0", 5e-324, kF, 0.7, 0, 0.3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(Lcc1SPSetParameters(c.a, c.f, c.lat0, c.lon0, 0, 0, c.k0), 0);
        double after[7];
        Lcc1SPGetParameters(after[0], after[1], after[2], after[3], after[4], after[5], after[6]);
        for (int i = 0; i < 7; ++i) EXPECT_EQ(after[i], before[i]);
    }
    Lcc1SPSetParameters(kA, kF, 0.7, 4, 0, 0, 1);
    Lcc1SPGetParameters(before[0], before[1], before[2], before[3], before[4], before[5],
                        before[6]);
    EXPECT_DOUBLE_EQ(before[3], 4 - 2 * M_PI) << "a central meridian above pi is kept below it";
}

TEST(Lambert, RejectedTwoParallelSetReturnsZeroAndKeepsTheStoredOne) {
    ASSERT_NE(Lcc2SPSetParameters(kA, kF, 45 * kDeg, 0, 40 * kDeg, 50 * kDeg, 0, 0), 0);
    double e0 = 0, n0 = 0;
    ASSERT_EQ(Lcc2SPForward(47 * kDeg, 3 * kDeg, e0, n0), 0);
    struct {
        const char* legend;
        double a, f, lat0, lat1, lat2, lon0;
    } cases[] = {
        {"opposite parallels", kA, kF, 0.5, 20 * kDeg, -20 * kDeg, 0},
        {"near-opposite parallels", kA, kF, 0.5, 20 * kDeg, -19.99999 * kDeg, 0},
        {"both on the equator", kA, kF, 0.5, 0, 0, 0},
        {"parallel beyond 89°59'59\"", kA, kF, 0.5, 1.5707915, 0.8, 0},
        {"origin beyond 89°59'59\"", kA, kF, -1.5707915, 0.7, 0.8, 0},
        {"1/f = 400", kA, 1 / 400.0, 0.5, 0.7, 0.8, 0},
        {"central meridian -4 rad", kA, kF, 0.5, 0.7, 0.8, -4},
        {"nan parallel", kA, kF, 0.5, NAN, 0.8, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(Lcc2SPSetParameters(c.a, c.f, c.lat0, c.lon0, c.lat1, c.lat2, 0, 0), 0);
        double e = 0, n = 0;
        ASSERT_EQ(Lcc2SPForward(47 * kDeg, 3 * kDeg, e, n), 0);
        EXPECT_EQ(e, e0);
        EXPECT_EQ(n, n0);
    }
}

TEST(Lambert, TwoParallelStateSurvivesOneParallelCalls) {
    ASSERT_NE(Lcc2SPSetParameters(kA, kF, 45 * kDeg, 0, 40 * kDeg, 50 * kDeg, 1000, 2000), 0);
    double p[8];
    Lcc2SPGetParameters(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7]);
    EXPECT_EQ(p[7], 2000) << "the false northing as passed";
    double one[7];
    Lcc1SPGetParameters(one[0], one[1], one[2], one[3], one[4], one[5], one[6]);
    EXPECT_GT(one[2], 45 * kDeg) << "the equivalent parallel lies a little north of 45";
    EXPECT_LT(one[2], 45.2 * kDeg);
    EXPECT_LT(one[6], 1) << "and its scale factor a little below 1";
    EXPECT_GT(one[6], 0.99);
    double e0 = 0, n0 = 0, e = 0, n = 0;
    ASSERT_EQ(Lcc2SPForward(47 * kDeg, 3 * kDeg, e0, n0), 0);
    ASSERT_NE(Lcc1SPSetParameters(kA, kF, 0.5, 0, 0, 0, 1), 0);
    ASSERT_EQ(Lcc2SPForward(47 * kDeg, 3 * kDeg, e, n), 0);
    EXPECT_EQ(e, e0);
    EXPECT_EQ(n, n0);
}

TEST(Lambert, OneParallelEdgePoints) {
    ASSERT_NE(Lcc1SPSetParameters(kA, kF, 45 * kDeg, 30 * kDeg, 500000, 100000, 1), 0);
    double e = 0, n = 0, lat = 0, lon = 0;
    ASSERT_EQ(Lcc1SPForward(45 * kDeg, 30 * kDeg, e, n), 0);
    EXPECT_EQ(e, 500000);
    EXPECT_EQ(n, 100000);
    ASSERT_EQ(Lcc1SPForward(M_PI / 2, 1, e, n), 0);
    EXPECT_EQ(e, 500000) << "the apex";
    EXPECT_EQ(Lcc1SPForward(-M_PI / 2, 1, e, n), LccErrLatitude);
    EXPECT_EQ(Lcc1SPForward(2, 7, e, n), LccErrLatitude | LccErrLongitude);
    EXPECT_EQ(Lcc1SPForward(NAN, 0, e, n), LccErrLatitude);
    EXPECT_EQ(Lcc1SPInverse(500000 + 5e7, 100000 - 5e7, lat, lon), LccErrEasting | LccErrNorthing);
    ASSERT_NE(Lcc1SPSetParameters(kA, kF, 45 * kDeg, -30 * kDeg, 500000, 100000, 1), 0);
    double e350 = 0, n350 = 0, eMinus10 = 0, nMinus10 = 0;
    ASSERT_EQ(Lcc1SPForward(40 * kDeg, 320 * kDeg, e350, n350), 0) << "350 degrees east";
    ASSERT_EQ(Lcc1SPForward(40 * kDeg, -40 * kDeg, eMinus10, nMinus10), 0);
    EXPECT_NEAR(e350, eMinus10, 1e-6);
    EXPECT_NEAR(n350, nMinus10, 1e-6);
}

// The inverse used to snap latitudes and longitudes within 2e-7 rad (1.3 m) to 0.
TEST(Lambert, InverseKeepsPointsNearTheEquatorAndTheZeroMeridian) {
    ASSERT_NE(Lcc2SPSetParameters(kA, kF, 0, 0, 20 * kDeg, -10 * kDeg, 0, 0), 0);
    for (double lat : {1e-7, -1.5e-7, 0.3}) {
        for (double lon : {1e-7, -1.9e-7, 0.2}) {
            double e = 0, n = 0, backLat = 1, backLon = 1;
            ASSERT_EQ(Lcc2SPForward(lat, lon, e, n), 0);
            ASSERT_EQ(Lcc2SPInverse(e, n, backLat, backLon), 0);
            EXPECT_NEAR(backLat, lat, 1e-10);
            EXPECT_NEAR(backLon, lon, 1e-10);
        }
    }
}

}  // namespace
