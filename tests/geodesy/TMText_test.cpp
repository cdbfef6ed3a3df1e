#include "geodesy/TMText.h"

#include "geodesy/DatumText.h"
#include "tests/geodesy/GeodesyTestTexts.h"
#include "tests/geodesy/ProjPeer.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace {

// A Turkish-style ED50 set (local to WGS 84, coordinate frame) and a 3-degree zone at 30 E.
const std::string kEd50Set = "-1.5 0.8 0.3 -0.6 -84.003 -102.315 -129.879";
const std::string kWgs84ToEd50 = kWgs84 + " " + kZeroSet + " " + kInternational + " " + kEd50Set;
const std::string kEd50ToWgs84 = kInternational + " " + kEd50Set + " " + kWgs84 + " " + kZeroSet;
const std::string kForwardEllipsoids = kWgs84 + " " + kInternational;
const std::string kInverseEllipsoids = kInternational + " " + kWgs84;
const std::string kZone30 = "30 0 1 500000 0";

const std::string kEd50Pipeline =
    "+proj=pipeline +step +proj=cart +ellps=WGS84 "
    "+step +inv +proj=helmert +convention=coordinate_frame +exact +s=-1.5 +rx=0.8 +ry=0.3 "
    "+rz=-0.6 +x=-84.003 +y=-102.315 +z=-129.879 "
    "+step +inv +proj=cart +ellps=intl "
    "+step +proj=tmerc +lon_0=30 +k_0=1 +x_0=500000 +ellps=intl";

TEST(TMForward, OriginAndPublishedExample) {
    EXPECT_EQ(TMForward("30 30", "30 30 0.9996 500000 100000", kForwardEllipsoids),
              "500000 100000");
    // Snyder's worked example on Clarke 1866 (Professional Paper 1395, p. 269):
    // x = 127,106.5 m, y = 4,484,124.4 m.
    const std::string clarke = kWgs84 + " 6378206.4 0.0033900753039288";
    const std::string zone = "-75 0 0.9996 0 0";
    const auto en = Numbers(TMForward("40.5 -73.5", zone, clarke), 2);
    ASSERT_EQ(en.size(), 2u);
    EXPECT_NEAR(en[0], 127106.5, 0.05);
    EXPECT_NEAR(en[1], 4484124.4, 0.05);
    const std::string clarkeFirst = "6378206.4 0.0033900753039288 " + kWgs84;
    const auto back =
        Numbers(TMInverse(TMForward("40.5 -73.5", zone, clarke), zone, clarkeFirst), 2);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_NEAR(back[0], 40.5, 1e-8);
    EXPECT_NEAR(back[1], -73.5, 1e-8);
    EXPECT_NE(TMInverse(TMForward("40.5 -73.5", zone, clarke), zone, clarke),
              TMInverse(TMForward("40.5 -73.5", zone, clarke), zone, clarkeFirst))
        << "the inverse projects on the first pair";
}

TEST(TMForward, CentralMeridianNearTheAntimeridian) {
    // Unwrapped, 177 and -179 gave an easting of about -2.3e9 m.
    const auto en = Numbers(TMForward("40 -179", "177 0 0.9996 500000 0", kForwardEllipsoids), 2);
    ASSERT_EQ(en.size(), 2u);
    EXPECT_NEAR(en[0], 500000 + 341000, 1000);
    EXPECT_EQ(TMForward("40 -179", "177 0 0.9996 500000 0", kForwardEllipsoids),
              TMForward("40 181", "177 0 0.9996 500000 0", kForwardEllipsoids));
    const auto back =
        Numbers(TMInverse(TMForward("40 -179", "177 0 0.9996 500000 0", kForwardEllipsoids),
                          "177 0 0.9996 500000 0", kInverseEllipsoids),
                2);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_NEAR(back[0], 40, 1e-7);
    EXPECT_NEAR(back[1], -179, 1e-7) << "within [-180, 180]";
}

TEST(TMText, BadTextsAndParametersGiveZero) {
    struct {
        const char* legend;
        std::string point, tm, ellipsoids;
    } cases[] = {
        {"one number", "41", kZone30, kForwardEllipsoids},
        {"four TM numbers", "41 29", "30 0 1 500000", kForwardEllipsoids},
        {"three ellipsoid numbers", "41 29", kZone30, kWgs84 + " 6378388"},
        {"decimal comma", "41 29,5", kZone30, kForwardEllipsoids},
        {"nan", "nan 29", kZone30, kForwardEllipsoids},
        {"infinite longitude", "41 inf", kZone30, kForwardEllipsoids},
        {"latitude beyond the pole", "90.5 29", kZone30, kForwardEllipsoids},
        {"scale factor 0", "41 29", "30 0 0 500000 0", kForwardEllipsoids},
        {"negative scale factor", "41 29", "30 0 -1 500000 0", kForwardEllipsoids},
        {"flattening typed as its inverse", "41 29", kZone30, "6378388 297 6378388 297"},
        {"semi-major axis 0", "41 29", kZone30, "0 0.0033 0 0.0033"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(TMForward(c.point, c.tm, c.ellipsoids), "0");
        EXPECT_EQ(GeodeticToGrid(c.point, kWgs84ToEd50, c.tm, c.ellipsoids), "0");
    }
    EXPECT_EQ(TMInverse("500000", kZone30, kInverseEllipsoids), "0");
    EXPECT_EQ(TMInverse("500000 4e6", "30 0 0 500000 0", kInverseEllipsoids), "0");
    EXPECT_EQ(TMInverse("500000 4e6", kZone30, "6378388 297 " + kWgs84), "0");
    EXPECT_EQ(TMInverse("500000 3e7", kZone30, kInverseEllipsoids), "0") << "beyond the pole";
    EXPECT_EQ(GridToGeodetic("500000 4e6", kEd50ToWgs84, "30 0 1 500000", kInverseEllipsoids), "0");
    EXPECT_EQ(GeodeticToGrid("41 29", kWgs84ToEd50.substr(0, 60), kZone30, kForwardEllipsoids),
              "0");
}

TEST(GeodeticToGrid, WithoutDatumShiftIsTMForwardOfTheRoundedInput) {
    const std::string identity =
        kInternational + " " + kZeroSet + " " + kInternational + " " + kZeroSet;
    const std::string ellipsoids = kInternational + " " + kInternational;
    EXPECT_EQ(GeodeticToGrid("41.123456789012 29.987654321098", identity, kZone30, ellipsoids),
              TMForward("41.12345679 29.98765432", kZone30, ellipsoids));
}

// The whole way from WGS 84 to ED50 grid coordinates, and back, against a PROJ pipeline.
TEST(GeodeticToGrid, AgreesWithProjPipeline) {
    TProjPeer pipeline(kEd50Pipeline);
    ASSERT_TRUE(pipeline.IsValid());
    TRandomPoints random(41);
    for (int i = 0; i < 1000; ++i) {
        const double lat = random.Uniform(36, 42), lon = random.Uniform(28.5, 31.5);
        const std::string latLon =
            GeodesyText::FormatGeneral(lat) + " " + GeodesyText::FormatGeneral(lon);
        SCOPED_TRACE(latLon);
        const std::string grid = GeodeticToGrid(latLon, kWgs84ToEd50, kZone30, kForwardEllipsoids);
        const auto en = Numbers(grid, 2);
        ASSERT_EQ(en.size(), 2u);
        const PJ_COORD peer = pipeline.Forward(proj_torad(lon), proj_torad(lat));
        EXPECT_LT(std::hypot(en[0] - peer.xy.x, en[1] - peer.xy.y), 0.002);
        const auto back =
            Numbers(GridToGeodetic(grid, kEd50ToWgs84, kZone30, kInverseEllipsoids), 2);
        ASSERT_EQ(back.size(), 2u);
        EXPECT_NEAR(back[0], lat, 2e-8);
        EXPECT_NEAR(back[1], lon, 2e-8);
    }
}

TEST(TMPointFactor, KindsAndFailures) {
    const double a = 6378388, f = 1 / 297.0;
    EXPECT_EQ(TMPointFactor("GrdConv", a, f, 40, 30, 30, 0, 1, 500000, 0), 0);
    EXPECT_EQ(TMPointFactor("GrdConv", a, f, 0, 31, 30, 0, 1, 500000, 0), 0);
    EXPECT_EQ(TMPointFactor("PtScFac", a, f, 40, 30, 30, 0, 0.9996, 500000, 0), 0.9996);
    EXPECT_NEAR(TMPointFactor("GrdConv", a, f, 40, 31, 30, 0, 1, 500000, 0),
                -std::sin(40 * M_PI / 180), 1e-3);
    EXPECT_EQ(TMPointFactor("grdconv", a, f, 40, 31, 30, 0, 1, 500000, 0), 0);
    EXPECT_EQ(TMPointFactor("Other", a, f, 40, 31, 30, 0, 1, 500000, 0), 0);
    EXPECT_EQ(TMPointFactor("PtScFac", a, 297, 40, 31, 30, 0, 1, 500000, 0), 0);
    EXPECT_EQ(TMPointFactor("PtScFac", a, f, 40, 31, 30, 0, 0, 500000, 0), 0);
    EXPECT_EQ(TMPointFactor("GrdConv", a, f, NAN, 31, 30, 0, 1, 500000, 0), 0);
    EXPECT_EQ(TMPointFactor("GrdConv", a, f, 40, -179, 177, 0, 1, 500000, 0),
              TMPointFactor("GrdConv", a, f, 40, 181, 177, 0, 1, 500000, 0));
}

// Turkish and German locales use "," as decimal separator; no text may change.
TEST(TMText, SameTextsUnderTurkishAndGermanLocales) {
    const std::string grid =
        GeodeticToGrid("41.0123 29.0456", kWgs84ToEd50, kZone30, kForwardEllipsoids);
    const std::string geodetic = TransformDatum("BLH", "41.0123 29.0456 35.5", kWgs84ToEd50);
    const std::string back = GridToGeodetic(grid, kEd50ToWgs84, kZone30, kInverseEllipsoids);
    for (const char* name : {"tr_TR.UTF-8", "de_DE.UTF-8"}) {
        SCOPED_TRACE(name);
        ASSERT_NE(std::setlocale(LC_ALL, name), nullptr) << "the set-up script generates it";
        EXPECT_EQ(GeodeticToGrid("41.0123 29.0456", kWgs84ToEd50, kZone30, kForwardEllipsoids),
                  grid);
        EXPECT_EQ(TransformDatum("BLH", "41.0123 29.0456 35.5", kWgs84ToEd50), geodetic);
        EXPECT_EQ(GridToGeodetic(grid, kEd50ToWgs84, kZone30, kInverseEllipsoids), back);
        EXPECT_EQ(TMForward("41,0123 29", kZone30, kForwardEllipsoids), "0");
    }
    std::setlocale(LC_ALL, "C");
    EXPECT_NE(grid.find('.'), std::string::npos);
}

}  // namespace
