#include "geodesy/DatumText.h"

#include "tests/geodesy/GeodesyTestTexts.h"
#include "tests/geodesy/ProjPeer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const std::string kWgs84Identity = kWgs84 + " " + kZeroSet + " " + kWgs84 + " " + kZeroSet;
constexpr double kA = 6378137.0;
constexpr double kF = 0.0033528106647474;

TEST(TransformDatum, ZeroSetsAndScale) {
    EXPECT_EQ(TransformDatum("XYZ", "0 0 0", kWgs84Identity), "6378137\t0\t0");
    EXPECT_EQ(TransformDatum("BLH", "41.123456789 -29.5 12.345", kWgs84Identity),
              "41.12345679\t-29.50000000\t12.35");  // 12.345 is stored above .345
    const std::string onePpm = kWgs84 + " 1 0 0 0 0 0 0 " + kWgs84 + " " + kZeroSet;
    EXPECT_EQ(TransformDatum("XYZ", "0 0 0", onePpm), "6378143.378137\t0\t0");
    EXPECT_EQ(TransformDatum("xyz", "0 0 0", kWgs84Identity), "0.00000000\t0.00000000\t0.00")
        << "the kind is compared exactly";
}

TEST(TransformDatum, BadTextsAndParametersGiveZero) {
    const std::string bad = "0";
    struct {
        const char* legend;
        std::string point, parameters;
    } cases[] = {
        {"two numbers", "41 29", kWgs84Identity},
        {"17 parameters", "41 29 0", kWgs84 + " " + kZeroSet + " " + kWgs84 + " 0 0 0 0 0 0"},
        {"decimal comma", "41,5 29 0", kWgs84Identity},
        {"nan", "41 nan 0", kWgs84Identity},
        {"infinite height", "41 29 inf", kWgs84Identity},
        {"latitude beyond the pole", "91 29 0", kWgs84Identity},
        {"flattening typed as its inverse", "41 29 0",
         kWgs84 + " " + kZeroSet + " 6378388 297 " + kZeroSet},
        {"semi-major axis 0", "41 29 0", "0 0.0033 " + kZeroSet + " " + kWgs84 + " " + kZeroSet},
        {"scale of zero", "41 29 0", kWgs84 + " -1000000 0 0 0 0 0 0 " + kWgs84 + " " + kZeroSet},
        {"zero scale backwards", "41 29 0",
         kWgs84 + " " + kZeroSet + " " + kWgs84 + " -1000000 0 0 0 0 0 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(TransformDatum("XYZ", c.point, c.parameters), bad);
        EXPECT_EQ(TransformDatum("BLH", c.point, c.parameters), bad);
    }
}

TEST(Helmert7, FailsOnShortTextsAndNonPositiveScale) {
    EXPECT_EQ(Helmert7("WGS", "1 2 3 0 0 0 0 0 0"), "0");
    EXPECT_EQ(Helmert7("Local", "1 2 3 -1000000 0 0 0 0 0 0"), "0") << "s = 0 would divide by 0";
    EXPECT_EQ(Helmert7("WGS", "1 2 3 -2000000 0 0 0 0 0 0"), "0");
    EXPECT_EQ(Helmert7("Local", "1 2 3 0 0 0 0 0 0 nan"), "0");
}

// Coordinate-frame convention with exact rotations, as PROJ's +exact helmert; seeded random
// sets reach rotations of 30 degrees.
TEST(Helmert7, AgreesWithProjForwardAndBackward) {
    TRandomPoints random(3);
    for (int i = 0; i < 200; ++i) {
        const bool large = i % 2 == 1;
        const double maxRotation = large ? 108000 : 10;  // arc-seconds
        const double ppm = random.Uniform(-20, 20);
        const double rx = random.Uniform(-maxRotation, maxRotation);
        const double ry = random.Uniform(-maxRotation, maxRotation);
        const double rz = random.Uniform(-maxRotation, maxRotation);
        const double tx = random.Uniform(-500, 500), ty = random.Uniform(-500, 500),
                     tz = random.Uniform(-500, 500);
        const double x = random.Uniform(-6.4e6, 6.4e6), y = random.Uniform(-6.4e6, 6.4e6),
                     z = random.Uniform(-6.4e6, 6.4e6);
        char definition[400];
        std::snprintf(definition, sizeof definition,
                      "+proj=helmert +convention=coordinate_frame +exact +x=%.17g +y=%.17g "
                      "+z=%.17g +rx=%.17g +ry=%.17g +rz=%.17g +s=%.17g",
                      tx, ty, tz, rx, ry, rz, ppm);
        TProjPeer proj(definition);
        ASSERT_TRUE(proj.IsValid());
        char text[400];
        std::snprintf(text, sizeof text,
                      "%.17g %.17g %.17g %.17g %.17g %.17g %.17g %.17g %.17g %.17g", x, y, z, ppm,
                      rx, ry, rz, tx, ty, tz);
        SCOPED_TRACE(text);
        const PJ_COORD forward = proj.Forward(x, y, z);
        const PJ_COORD backward = proj.Inverse(x, y, z);
        const auto ours = Numbers(Helmert7("WGS", text), 3);
        const auto oursBack = Numbers(Helmert7("Local", text), 3);
        ASSERT_EQ(ours.size(), 3u);
        ASSERT_EQ(oursBack.size(), 3u);
        for (int k = 0; k < 3; ++k) {
            EXPECT_NEAR(ours[k], forward.v[k], 1e-6);
            EXPECT_NEAR(oursBack[k], backward.v[k], 1e-6);
        }
    }
}

TEST(GeodeticToECEF, MatchesProjCartesianAndComesBack) {
    TProjPeer cart("+proj=cart +ellps=WGS84");
    ASSERT_TRUE(cart.IsValid());
    TRandomPoints random(5);
    for (int i = 0; i < 500; ++i) {
        const double lat = random.Uniform(-90, 90), lon = random.Uniform(-180, 180),
                     h = random.Uniform(-1000, 100000);
        SCOPED_TRACE(std::to_string(lat) + " " + std::to_string(lon) + " " + std::to_string(h));
        const auto xyz = Numbers(GeodeticToECEF(lat, lon, h, kA, kF), 3);
        const PJ_COORD peer = cart.Forward(proj_torad(lon), proj_torad(lat), h);
        ASSERT_EQ(xyz.size(), 3u);
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(xyz[k], peer.v[k], 1e-6);
        const auto back = Numbers(ECEFToGeodetic(xyz[0], xyz[1], xyz[2], kA, kF), 3);
        ASSERT_EQ(back.size(), 3u);
        EXPECT_NEAR(back[0], lat, 5.1e-9);
        EXPECT_NEAR(back[1], lon, 5.1e-9);
        EXPECT_NEAR(back[2], h, 0.0051);
    }
}

TEST(ECEFToGeodetic, PolarAxisAndCentre) {
    const double b = kA * (1 - kF);
    EXPECT_EQ(ECEFToGeodetic(0, 0, 6356752.314 + 10, kA, kF), "90.00000000\t0.00000000\t10.00");
    EXPECT_EQ(ECEFToGeodetic(0, 0, -6356752.314 - 25, kA, kF), "-90.00000000\t0.00000000\t25.00");
    EXPECT_EQ(ECEFToGeodetic(0, 0, 0, kA, kF), "90.00000000\t0.00000000\t-6356752.31");
    EXPECT_EQ(TransformDatum("BLH", "90 0 10", kWgs84Identity), "90.00000000\t0.00000000\t10.00");
    // A hair off the axis the height stays right, where p / cos(phi) - N loses it.
    const auto nearAxis = Numbers(ECEFToGeodetic(1e-6, 0, b + 10, kA, kF), 3);
    ASSERT_EQ(nearAxis.size(), 3u);
    EXPECT_EQ(nearAxis[0], 90);
    EXPECT_NEAR(nearAxis[2], 10, 0.005);
}

TEST(ECEFToGeodetic, BadEllipsoidOrPointGivesZero) {
    EXPECT_EQ(ECEFToGeodetic(6378137, 0, 0, kA, 298.257), "0");
    EXPECT_EQ(ECEFToGeodetic(6378137, 0, 0, -1, kF), "0");
    EXPECT_EQ(ECEFToGeodetic(NAN, 0, 0, kA, kF), "0");
    EXPECT_EQ(GeodeticToECEF(41, 29, 0, kA, 298.257), "0");
    EXPECT_EQ(GeodeticToECEF(41, 29, 0, 0, kF), "0");
    EXPECT_EQ(GeodeticToECEF(41, NAN, 0, kA, kF), "0");
    // Deep inside the earth the latitude is undefined: a failure or a latitude, never NaN.
    for (double x : {1.0, 1000.0, 20000.0}) {
        const std::string text = ECEFToGeodetic(x, 0, x / 2, kA, kF);
        EXPECT_TRUE(text == "0" || Numbers(text, 3).size() == 3) << text;
    }
}

TEST(ConvertAngle, UnitsAndOtherText) {
    EXPECT_EQ(ConvertAngle(180, "R"), 3.141592653589793);
    EXPECT_EQ(ConvertAngle(180, "r"), 3.141592653589793);
    EXPECT_EQ(ConvertAngle(3.141592653589793, "d"), 180);
    EXPECT_EQ(ConvertAngle(3.141592653589793, "D"), 180);
    EXPECT_EQ(ConvertAngle(1, "deg"), 0);
    EXPECT_EQ(ErrorCodeString(0), "0");
}

}  // namespace
