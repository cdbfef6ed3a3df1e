// The two conversions of the KML export and import against PROJ, their failures, and the
// settings that refuse KML.

#include "navigation/Wgs84Conversions.h"

#include "tests/geodesy/ProjPeer.h"
#include "tests/navigation/KmlTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kGridToleranceM = 0.003;
constexpr double kAngleToleranceDeg = 2e-8;

TEST(Wgs84Conversions, BothWaysAgreeWithProj) {
    const TGeodeticTexts texts = Ed50Texts("30");
    TGeodesyParameterTexts forward = GeodesyParameterTexts(texts);
    const TGeodesyParameterTexts back = LocalFirstParameterTexts(texts);
    TProjPeer pipeline(Ed50GridPipeline("30"));
    ASSERT_TRUE(pipeline.IsValid());
    TRandomPoints random(27);
    for (int i = 0; i < 300; ++i) {
        const double lat = random.Uniform(36, 42), lon = random.Uniform(28.5, 31.5);
        SCOPED_TRACE(std::to_string(lat) + " " + std::to_string(lon));
        double x = 0, y = 0;
        ASSERT_TRUE(Wgs84ToGridCallback(&forward, lat, lon, x, y));
        const PJ_COORD grid = pipeline.Forward(proj_torad(lon), proj_torad(lat));
        EXPECT_LT(std::hypot(x - grid.xy.x, y - grid.xy.y), kGridToleranceM);
        double backLat = 0, backLon = 0;
        ASSERT_TRUE(GridToWgs84(back, grid.xy.x, grid.xy.y, backLat, backLon));
        const PJ_COORD peer = pipeline.Inverse(grid.xy.x, grid.xy.y);
        EXPECT_NEAR(backLat, proj_todeg(peer.lp.phi), kAngleToleranceDeg);
        EXPECT_NEAR(backLon, proj_todeg(peer.lp.lam), kAngleToleranceDeg);
    }
}

// What the geodesy library cannot read or convert gives false and leaves the outputs alone,
// where reading its "0" would have put the point on the equator.
TEST(Wgs84Conversions, FailuresLeaveTheOutputs) {
    const struct {
        const char* legend;
        void (*spoil)(TGeodeticTexts&);
        double latitude;
    } cases[] = {
        {"flattening typed as its inverse", [](TGeodeticTexts& t) { t.flattening = "298.257"; },
         40},
        {"empty scale factor", [](TGeodeticTexts& t) { t.tmScaleFactor = ""; }, 40},
        {"a decimal comma", [](TGeodeticTexts& t) { t.shiftX = "-84,003"; }, 40},
        {"beyond the pole", [](TGeodeticTexts&) {}, 91},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        TGeodeticTexts texts = Ed50Texts("30");
        c.spoil(texts);
        TGeodesyParameterTexts forward = GeodesyParameterTexts(texts);
        double x = 7, y = 8;
        EXPECT_FALSE(Wgs84ToGridCallback(&forward, c.latitude, 30, x, y));
        EXPECT_EQ(x, 7);
        EXPECT_EQ(y, 8);
        if (c.latitude > 90) continue;
        double lat = 7, lon = 8;
        EXPECT_FALSE(GridToWgs84(LocalFirstParameterTexts(texts), 500000, 4.4e6, lat, lon));
        EXPECT_EQ(lat, 7);
        EXPECT_EQ(lon, 8);
    }
}

TEST(Wgs84Conversions, SettingsThatRefuseKml) {
    const struct {
        const char* legend;
        TProjectionKind kind;
        void (*change)(TGeodeticTexts&);
        TKmlGeodesy state;
    } cases[] = {
        {"ED50 and a TM zone", TProjectionKind::TransverseMercator, [](TGeodeticTexts&) {},
         TKmlGeodesy::Usable},
        {"Lambert, one parallel", TProjectionKind::Lambert1, [](TGeodeticTexts&) {},
         TKmlGeodesy::Lambert},
        {"Lambert, two parallels", TProjectionKind::Lambert2, [](TGeodeticTexts&) {},
         TKmlGeodesy::Lambert},
        {"an empty rotation", TProjectionKind::TransverseMercator,
         [](TGeodeticTexts& t) { t.rotationY = ""; }, TKmlGeodesy::DatumMissing},
        {"nan false northing", TProjectionKind::TransverseMercator,
         [](TGeodeticTexts& t) { t.tmFalseNorthing = "nan"; }, TKmlGeodesy::DatumMissing},
        {"a word for the reference latitude", TProjectionKind::TransverseMercator,
         [](TGeodeticTexts& t) { t.tmReferenceLatitude = "zero"; }, TKmlGeodesy::DatumMissing},
        {"empty Lambert fields do not matter", TProjectionKind::TransverseMercator,
         [](TGeodeticTexts& t) { t.lccParallel1 = t.lccScaleFactor = ""; }, TKmlGeodesy::Usable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        TGeodeticTexts texts = Ed50Texts("30");
        c.change(texts);
        EXPECT_EQ(KmlGeodesyState(c.kind, texts), c.state);
    }
}

}  // namespace
