// The lasso and the texts of the map commands, without the window.

#include "navigation/LassoSelection.h"

#include "canvas/ShapeStore.h"

#include <gtest/gtest.h>

namespace {

// Track points at (10,10), (20,10) and (90,90) on the three track layers, a user point at
// (15,15), and the square (0,0)-(50,50) drawn as routes or lassos.
class LassoSelectionTest : public ::testing::Test {
protected:
    LassoSelectionTest() {
        fix = map.AddLayer("track_fix");
        map.AddPoint(10, 10, fix);
        map.AddPoint(90, 90, fix);
        map.AddPoint(20, 10, map.AddLayer("track_nofix"));
        map.AddPoint(30, 40, map.AddLayer("track_float"));
        user = map.AddPoint(15, 15, map.AddLayer("orvalt_usershape"));
    }

    void Draw(const char* layerName, std::vector<TWorldPoint> points) {
        map.AddPolyline(points, map.AddLayer(layerName), true);
    }

    static inline const std::vector<TWorldPoint> kSquare = {{0, 0}, {50, 0}, {50, 50}, {0, 50}};

    TShapeStore map;
    int fix = 0, user = 0;
};

TEST_F(LassoSelectionTest, TracksAreTheThreeTrackLayersAndTheLassoGoes) {
    Draw("Orvalt_SelectPoly", kSquare);
    EXPECT_EQ(SelectWithLasso(map, TLassoKind::Tracks), 3);
    EXPECT_FALSE(map.IsShapeSelected(user));
    EXPECT_TRUE(map.GetLayerShapeIds(map.FindLayerByName("Orvalt_SelectPoly")).empty());

    Draw("Orvalt_SelectPoly", kSquare);
    EXPECT_EQ(SelectWithLasso(map, TLassoKind::Shapes), 4) << "the user point too, not the lasso";
    EXPECT_TRUE(map.IsShapeSelected(user));
}

// Each row starts with the user point selected: whatever the lasso does, the old selection
// goes, so a Delete after it removes only what was just enclosed.
TEST_F(LassoSelectionTest, NoPolygonOnTheLassoLayerSelectsNothing) {
    const struct {
        const char* legend;
        bool drawLasso;  // the lasso layer exists, with this polygon when it has points
        std::vector<TWorldPoint> lasso;
        bool routeAround;  // a route around the points on "Orvalt_Route"
    } cases[] = {
        {"no lasso layer at all", false, {}, false},
        {"a lasso dropped after one click, an old route on the map", true, {}, true},
        {"a lasso of two vertices", true, {{0, 0}, {50, 50}}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        if (c.routeAround) Draw("Orvalt_Route", kSquare);
        if (c.drawLasso) Draw("Orvalt_SelectPoly", c.lasso);
        map.SelectShape(user, false);
        for (TLassoKind kind : {TLassoKind::Tracks, TLassoKind::Shapes}) {
            EXPECT_EQ(SelectWithLasso(map, kind), 0);
            EXPECT_EQ(map.GetSelectedCount(), 0);
        }
    }
}

TEST_F(LassoSelectionTest, WithoutTrackLayersATrackLassoSelectsNothing) {
    TShapeStore bare;
    bare.AddPoint(10, 10, bare.AddLayer("survey"));
    bare.AddPolyline(kSquare, bare.AddLayer("Orvalt_SelectPoly"), true);
    EXPECT_EQ(SelectWithLasso(bare, TLassoKind::Tracks), 0);
}

TEST(MapCommandTexts, CountsPromptsAndClickedPosition) {
    EXPECT_EQ(SelectionCountText(TLassoKind::Tracks, 12),
              "12 track(s) selected. Press Delete to remove.");
    EXPECT_EQ(SelectionCountText(TLassoKind::Shapes, 1),
              "1 shape(s) selected. Press Delete to remove.");
    EXPECT_EQ(SelectionCountText(TLassoKind::Tracks, 0), "");
    EXPECT_EQ(LassoPromptText(TLassoKind::Tracks),
              "Draw polygon to select tracks (right-click to finish)");
    EXPECT_EQ(LassoPromptText(TLassoKind::Shapes),
              "Draw polygon to select shapes (right-click to finish)");
    EXPECT_EQ(ClickedPositionText(501234.567, -3.004), "Clicked: E   501234.57, N       -3.00");
    EXPECT_EQ(ClickedPositionText(1e13, 0.5), "Clicked: E10000000000000.00, N        0.50")
        << "wider than 12 grows, never cut";
}

}  // namespace
