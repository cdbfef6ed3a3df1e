#include "geodesy/TransverseMercator.h"

#include "tests/geodesy/ProjPeer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct TZone {
    const char* legend;
    double a, inverseFlattening, cm, rl, k0, fe, fn;
};

const TZone kZones[] = {
    {"ED50 3-degree zone", 6378388, 297, 33, 0, 1, 500000, 0},
    {"UTM on WGS 84, origin at 30 N", 6378137, 298.257223563, -75, 30, 0.9996, 500000, 100000},
    {"southern false northing", 6378137, 298.257223563, 147, 0, 0.9996, 500000, 10000000},
};

std::string ProjDefinition(const TZone& z) {
    char text[300];
    std::snprintf(text, sizeof text,
                  "+proj=tmerc +lat_0=%.17g +lon_0=%.17g +k_0=%.17g +x_0=%.17g +y_0=%.17g "
                  "+a=%.17g +rf=%.17g",
                  z.rl, z.cm, z.k0, z.fe, z.fn, z.a, z.inverseFlattening);
    return text;
}

TTransverseMercator Projection(const TZone& z) {
    return TTransverseMercator(TEllipsoid(z.a, 1 / z.inverseFlattening), z.cm, z.rl, z.k0, z.fe,
                               z.fn);
}

// Worst distance from PROJ's exact tmerc and worst inverse error, over seeded random points
// up to maxOffsetDeg from the central meridian.
struct TAgreement {
    double forwardM = 0;
    double inverseDeg = 0;
};

TAgreement AgreementWithProj(const TZone& zone, double maxOffsetDeg, unsigned seed) {
    TProjPeer proj(ProjDefinition(zone));
    EXPECT_TRUE(proj.IsValid());
    const TTransverseMercator tm = Projection(zone);
    TRandomPoints random(seed);
    TAgreement worst;
    for (int i = 0; i < 2000; ++i) {
        const double lat = random.Uniform(-80, 80);
        const double lon = zone.cm + random.Uniform(-maxOffsetDeg, maxOffsetDeg);
        double e = 0, n = 0, backLat = 0, backLon = 0;
        EXPECT_TRUE(tm.Forward(lat, lon, e, n));
        const PJ_COORD peer = proj.Forward(proj_torad(lon), proj_torad(lat));
        worst.forwardM = std::max(worst.forwardM, std::hypot(e - peer.xy.x, n - peer.xy.y));
        EXPECT_TRUE(tm.Inverse(peer.xy.x, peer.xy.y, backLat, backLon));
        worst.inverseDeg = std::max({worst.inverseDeg, std::fabs(backLat - lat),
                                     std::fabs(std::remainder(backLon - lon, 360))});
    }
    return worst;
}

TEST(TransverseMercator, AgreesWithExactTmercWithinItsZone) {
    for (const TZone& zone : kZones) {
        SCOPED_TRACE(zone.legend);
        const TAgreement near = AgreementWithProj(zone, 3, 21);
        EXPECT_LT(near.forwardM, 0.001);
        EXPECT_LT(near.inverseDeg, 1e-8);
        EXPECT_LT(AgreementWithProj(zone, 6, 22).forwardM, 0.015);
    }
}

TEST(TransverseMercator, OriginGivesTheFalseOriginExactly) {
    for (const TZone& zone : kZones) {
        SCOPED_TRACE(zone.legend);
        double e = -1, n = -1;
        ASSERT_TRUE(Projection(zone).Forward(zone.rl, zone.cm, e, n));
        EXPECT_EQ(e, zone.fe);
        EXPECT_EQ(n, zone.fn);
    }
}

// A zone across the antimeridian: longitude -179 is 3 degrees east of 178, not 357 west.
TEST(TransverseMercator, LongitudeDifferenceIsWrapped) {
    const TZone zone{"antimeridian", 6378137, 298.257223563, 178, 0, 0.9996, 500000, 0};
    const TTransverseMercator tm = Projection(zone);
    TProjPeer proj(ProjDefinition(zone));
    double e = 0, n = 0, lat = 0, lon = 0;
    ASSERT_TRUE(tm.Forward(-40, -179, e, n));
    const PJ_COORD peer = proj.Forward(proj_torad(-179), proj_torad(-40));
    EXPECT_NEAR(e, peer.xy.x, 0.002);
    EXPECT_NEAR(n, peer.xy.y, 0.002);
    ASSERT_TRUE(tm.Inverse(e, n, lat, lon));
    EXPECT_NEAR(lon, -179, 1e-8) << "the inverse comes back within [-180, 180]";
    double e2 = 0, n2 = 0;
    ASSERT_TRUE(tm.Forward(-40, 181, e2, n2));
    EXPECT_NEAR(e2, e, 1e-6);
}

// Redfearn's series against PROJ's factors, whose convergence has the opposite sign.
TEST(TransverseMercator, ConvergenceAndScaleAgreeWithProjFactors) {
    for (const TZone& zone : kZones) {
        SCOPED_TRACE(zone.legend);
        TProjPeer proj(ProjDefinition(zone));
        const TTransverseMercator tm = Projection(zone);
        TRandomPoints random(31);
        for (int i = 0; i < 500; ++i) {
            const double lat = random.Uniform(-80, 80), lon = zone.cm + random.Uniform(-3, 3);
            const PJ_FACTORS factors = proj.Factors(lat, lon);
            EXPECT_NEAR(tm.GridConvergenceDeg(lat, lon), -proj_todeg(factors.meridian_convergence),
                        1e-7);
            EXPECT_NEAR(tm.PointScaleFactor(lat, lon), factors.meridional_scale, 1e-8);
        }
    }
    const TTransverseMercator tm = Projection(kZones[0]);
    EXPECT_LT(tm.GridConvergenceDeg(40, 34), 0) << "negative east of the central meridian";
    EXPECT_EQ(tm.GridConvergenceDeg(40, 33), 0);
    EXPECT_EQ(tm.GridConvergenceDeg(0, 34.5), 0);
    EXPECT_EQ(tm.PointScaleFactor(40, 33), 1);
}

TEST(TransverseMercator, BadParametersAndPointsFail) {
    const TEllipsoid wgs84(6378137, 1 / 298.257223563);
    struct {
        const char* legend;
        TTransverseMercator tm;
    } cases[] = {
        {"scale factor 0", {wgs84, 33, 0, 0, 500000, 0}},
        {"negative scale factor", {wgs84, 33, 0, -0.9996, 500000, 0}},
        {"flattening typed as its inverse", {TEllipsoid(6378137, 298.257), 33, 0, 1, 0, 0}},
        {"semi-major axis 0", {TEllipsoid(0, 0.0033), 33, 0, 1, 0, 0}},
        {"reference latitude beyond the pole", {wgs84, 33, 91, 1, 0, 0}},
        {"nan central meridian", {wgs84, NAN, 0, 1, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_FALSE(c.tm.IsValid());
        double e = 0, n = 0;
        EXPECT_FALSE(c.tm.Forward(40, 33, e, n));
        EXPECT_FALSE(c.tm.Inverse(500000, 4e6, e, n));
    }
    const TTransverseMercator tm(wgs84, 33, 0, 1, 500000, 0);
    double e = 0, n = 0;
    EXPECT_FALSE(tm.Forward(90.5, 33, e, n));
    EXPECT_FALSE(tm.Forward(NAN, 33, e, n));
    EXPECT_FALSE(tm.Forward(40, INFINITY, e, n));
    EXPECT_FALSE(tm.Inverse(500000, 2.1e7, e, n)) << "northing beyond the pole";
    EXPECT_TRUE(tm.Forward(90, 33, e, n));
}

}  // namespace
