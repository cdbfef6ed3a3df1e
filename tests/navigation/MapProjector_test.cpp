// Loading the run's projection from the stored texts: only the projection in use counts, a text
// that is not a number or a refused Lambert set projects nothing and is reported, a new load
// replaces the old one whole, and a receiver's (0, 0) is never projected. The projections
// themselves are checked against PROJ through the map tick (MapTick_test.cpp).

#include "navigation/MapProjector.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// WGS 84 itself as the local datum, a 3-degree TM zone at 30 E and Lambert sets about 45 N.
TGeodeticTexts Wgs84Texts() {
    TGeodeticTexts t;
    t.semiMajorAxis = "6378137";
    t.flattening = "0.0033528106647474";
    t.scalePpm = t.rotationX = t.rotationY = t.rotationZ = t.shiftX = t.shiftY = t.shiftZ = "0";
    t.tmCentralMeridian = "30";
    t.tmReferenceLatitude = "0";
    t.tmScaleFactor = "1";
    t.tmFalseEasting = "500000";
    t.tmFalseNorthing = "0";
    t.lccParallel1 = "44";
    t.lccParallel2 = "46";
    t.lccOriginLatitude = "45";
    t.lccCentralMeridian = "30";
    t.lccScaleFactor = "1";
    t.lccFalseEasting = "500000";
    t.lccFalseNorthing = "0";
    return t;
}

TEST(MapProjector, ParameterTextsAsTheLibraryReadsThem) {
    const TGeodesyParameterTexts texts = GeodesyParameterTexts(Wgs84Texts());
    EXPECT_EQ(texts.datum,
              "6378137.0  0.0033528106647474  0.0  0.0  0.0  0.0  0.0  0.0  0.0 6378137 "
              "0.0033528106647474 0 0 0 0 0 0 0");
    EXPECT_EQ(texts.ellipsoids, "6378137.0 0.0033528106647474 6378137 0.0033528106647474");
    EXPECT_EQ(texts.transverseMercator, "30 0 1 500000 0");
    const TGeodesyParameterTexts back = LocalFirstParameterTexts(Wgs84Texts());
    EXPECT_EQ(back.datum,
              "6378137 0.0033528106647474 0 0 0 0 0 0 0 6378137.0  0.0033528106647474  0.0  0.0  "
              "0.0  0.0  0.0  0.0  0.0");
    EXPECT_EQ(back.ellipsoids, "6378137 0.0033528106647474 6378137.0 0.0033528106647474");
    EXPECT_EQ(back.transverseMercator, "30 0 1 500000 0");
}

TEST(MapProjector, OnlyTheProjectionInUseIsConverted) {
    const struct {
        const char* legend;
        TProjectionKind kind;
        void (*clearOthers)(TGeodeticTexts&);
    } cases[] = {
        {"TM without Lambert fields", TProjectionKind::TransverseMercator,
         [](TGeodeticTexts& t) {
             t.lccParallel1 = t.lccParallel2 = t.lccOriginLatitude = t.lccCentralMeridian =
                 t.lccScaleFactor = t.lccFalseEasting = t.lccFalseNorthing = "";
         }},
        {"one parallel without TM fields or the two parallels", TProjectionKind::Lambert1,
         [](TGeodeticTexts& t) {
             t.tmCentralMeridian = t.tmReferenceLatitude = t.tmScaleFactor = t.tmFalseEasting =
                 t.tmFalseNorthing = t.lccParallel1 = t.lccParallel2 = "";
         }},
        {"two parallels without TM fields or the scale factor", TProjectionKind::Lambert2,
         [](TGeodeticTexts& t) {
             t.tmCentralMeridian = t.tmReferenceLatitude = t.tmScaleFactor = t.tmFalseEasting =
                 t.tmFalseNorthing = t.lccScaleFactor = "";
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        TGeodeticTexts texts = Wgs84Texts();
        c.clearOthers(texts);
        TMapProjector projector;
        EXPECT_EQ(projector.Load(c.kind, texts), "");
        EXPECT_TRUE(projector.IsLoaded());
        EXPECT_EQ(projector.Kind(), c.kind);
        EXPECT_TRUE(projector.Project(45.5, 30.5, 0).has_value());
    }
}

TEST(MapProjector, AFieldThatIsNotANumberLeavesTheRunUnprojected) {
    TGeodeticTexts texts = Wgs84Texts();
    texts.tmCentralMeridian = "";
    texts.shiftX = "1,5";
    TMapProjector projector;
    const auto kind = TProjectionKind::TransverseMercator;
    EXPECT_EQ(projector.Load(kind, texts),
              "Geodetic parameters: X Shift '1,5', TM Central Meridian '' are not numbers; "
              "positions are not projected in this run");
    EXPECT_FALSE(projector.IsLoaded());
    EXPECT_EQ(projector.ParameterTexts().transverseMercator, "");
    EXPECT_FALSE(projector.Project(45.5, 30.5, 0).has_value());
    EXPECT_NE(projector.Load(kind, texts), "") << "each start is told";
    texts.shiftX = "0";
    texts.tmCentralMeridian = "30";
    EXPECT_EQ(projector.Load(kind, texts), "");
    EXPECT_TRUE(projector.IsLoaded());
    EXPECT_EQ(projector.ParameterTexts().transverseMercator, "30 0 1 500000 0");
}

// The fault this pins: a projector that first loaded Lambert while the TM fields were empty
// kept those empty parameter texts when the run switched to TM, and every point then failed.
TEST(MapProjector, ALoadReplacesTheWholeProjection) {
    TGeodeticTexts texts = Wgs84Texts();
    texts.tmCentralMeridian = texts.tmScaleFactor = "";
    TMapProjector projector;
    ASSERT_EQ(projector.Load(TProjectionKind::Lambert1, texts), "");
    const std::optional<TGridFix> lambert = projector.Project(45.5, 30.5, 0);
    ASSERT_TRUE(lambert.has_value());
    texts = Wgs84Texts();
    ASSERT_EQ(projector.Load(TProjectionKind::TransverseMercator, texts), "");
    EXPECT_EQ(projector.ParameterTexts().transverseMercator, "30 0 1 500000 0");
    const std::optional<TGridFix> tm = projector.Project(45.5, 30.5, 0);
    ASSERT_TRUE(tm.has_value());
    EXPECT_GT(std::abs(tm->northing - lambert->northing), 1000) << "another grid";
    texts.lccOriginLatitude = "x";
    EXPECT_NE(projector.Load(TProjectionKind::Lambert1, texts), "");
    EXPECT_FALSE(projector.Project(45.5, 30.5, 0).has_value()) << "the TM set is gone too";
}

TEST(MapProjector, ARefusedLambertSetProjectsNothing) {
    TGeodeticTexts texts = Wgs84Texts();
    texts.lccOriginLatitude = "0";  // the cone flattens into a cylinder
    TMapProjector projector;
    const auto kind = TProjectionKind::Lambert1;
    EXPECT_EQ(projector.Load(kind, texts),
              "Geodetic parameters: the Lambert conformal conic projection refuses these "
              "parameters; positions are not projected in this run");
    EXPECT_FALSE(projector.IsLoaded());
    EXPECT_FALSE(projector.Project(45.5, 30.5, 0).has_value());
    texts.lccOriginLatitude = "45";
    texts.semiMajorAxis = "1e308";
    texts.lccScaleFactor = "3";
    EXPECT_NE(projector.Load(kind, texts), "") << "a cone radius that overflows";
    EXPECT_FALSE(projector.IsLoaded());
    texts.semiMajorAxis = "6378137";
    EXPECT_EQ(projector.Load(kind, texts), "");
    EXPECT_TRUE(projector.IsLoaded());
}

TEST(MapProjector, NoPositionIsNeverProjected) {
    TMapProjector projector;
    EXPECT_FALSE(projector.Project(45.5, 30.5, 0).has_value()) << "nothing loaded";
    for (const auto kind : {TProjectionKind::TransverseMercator, TProjectionKind::Lambert1,
                            TProjectionKind::Lambert2}) {
        ASSERT_EQ(projector.Load(kind, Wgs84Texts()), "");
        EXPECT_FALSE(projector.Project(0, 0, 0).has_value());
        EXPECT_TRUE(projector.Project(0, 30.5, 0).has_value());
        EXPECT_FALSE(projector.Project(91, 30.5, 0).has_value()) << "beyond the pole";
    }
}

}  // namespace
