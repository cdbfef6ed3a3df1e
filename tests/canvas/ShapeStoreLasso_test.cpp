#include "canvas/QShapePolyline.h"
#include "canvas/ShapeStore.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// The lasso of every test: the square (0,0)-(10,10).
const std::vector<TWorldPoint> kLasso = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};

int AddPolylineOf(TShapeStore& store, std::vector<TWorldPoint> points, int layer) {
    return store.AddPolyline(points, layer, false);
}

// Which kinds pass by which test points: the lasso selection tests each kind by its own
// points, the layer lasso (tracks) by the centre of the box for all but points, lines and
// polylines.
TEST(ShapeStoreLasso, TestPointsByKind) {
    struct TCase {
        const char* legend;
        std::function<int(TShapeStore&, int)> add;
        bool byKind, byLayer;
    } cases[] = {
        {"point inside", [](TShapeStore& s, int l) { return s.AddPoint(5, 5, l); }, true, true},
        {"point outside", [](TShapeStore& s, int l) { return s.AddPoint(15, 5, l); }, false, false},
        {"line through the lasso, both ends outside",
         [](TShapeStore& s, int l) { return s.AddLine(-5, 5, 15, 5, l); }, false, false},
        {"line with one end inside",
         [](TShapeStore& s, int l) { return s.AddLine(15, 5, 5, 5, l); }, true, true},
        {"polyline crossing with its vertices outside",
         [](TShapeStore& s, int l) {
             return AddPolylineOf(s, {{-5, 5}, {15, 5}, {15, 20}}, l);
         },
         false, false},
        {"polyline with its last vertex inside",
         [](TShapeStore& s, int l) {
             return AddPolylineOf(s, {{-5, 5}, {15, 5}, {5, 5}}, l);
         },
         true, true},
        {"rectangle around the lasso: only its centre inside",
         [](TShapeStore& s, int l) { return s.AddRectangle(-5, -5, 15, 15, l); }, true, true},
        {"rectangle with only corner (X1, Y2) inside",
         [](TShapeStore& s, int l) { return s.AddRectangle(5, -5, 20, 5, l); }, true, false},
        {"rectangle with only corner (X2, Y1) inside",
         [](TShapeStore& s, int l) { return s.AddRectangle(-10, 5, 5, 20, l); }, true, false},
        {"rectangle with only corner (X1, Y1) inside",
         [](TShapeStore& s, int l) { return s.AddRectangle(5, 5, 20, 20, l); }, true, false},
        {"circle about an inside centre",
         [](TShapeStore& s, int l) { return s.AddCircle(5, 5, 50, l); }, true, true},
        {"circle reaching in from an outside centre",
         [](TShapeStore& s, int l) { return s.AddCircle(15, 5, 8, l); }, false, false},
        {"ellipse with a corner inside and its centre outside",
         [](TShapeStore& s, int l) { return s.AddEllipse(2, 2, 30, 30, l); }, false, false},
        {"ellipse about the lasso",
         [](TShapeStore& s, int l) { return s.AddEllipse(-5, -5, 15, 15, l); }, true, true},
        {"text anchored inside", [](TShapeStore& s, int l) { return s.AddText(l, "T", 5, 5, 0); },
         true, true},
        {"arc through an inside middle point",
         [](TShapeStore& s, int l) { return s.AddArc(-5, 5, 5, 5, 15, 5, l); }, true, true},
        {"arc with its last point inside and its box centre outside",
         [](TShapeStore& s, int l) { return s.AddArc(-5, 20, -5, 5, 5, 5, l); }, true, false},
        {"arc with its three points outside and its box centre inside",
         [](TShapeStore& s, int l) { return s.AddArc(-5, 1, 5, 17, 15, 1, l); }, false, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.legend);
        TShapeStore store;
        const int layer = store.AddLayer("track_fix");
        const int id = c.add(store, layer);
        store.SelectInPolygon(kLasso);
        EXPECT_EQ(store.IsShapeSelected(id), c.byKind);
        EXPECT_EQ(store.GetSelectedIds().size(), c.byKind ? 1u : 0u);
        store.SelectInPolygonOnLayers(kLasso, {layer});
        EXPECT_EQ(store.IsShapeSelected(id), c.byLayer);
        const std::vector<TWorldPoint> clockwise(kLasso.rbegin(), kLasso.rend());
        store.SelectInPolygon(clockwise);
        EXPECT_EQ(store.IsShapeSelected(id), c.byKind) << "clockwise";
    }
}

TEST(ShapeStoreLasso, NeverTheLassoItselfButHiddenShapesToo) {
    TShapeStore store;
    const int hidden = store.AddLayer("hidden");
    store.SetLayerVisible(hidden, false);
    const int onHidden = store.AddPoint(5, 5, hidden);
    const int invisible = store.AddPoint(6, 6, hidden);
    store.FindShape(invisible)->Visible = false;
    const int lassoLayer = store.AddLayer(kLassoLayerName);
    const int lasso = store.AddPolyline({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, lassoLayer, true);
    store.SelectInPolygon(kLasso);
    EXPECT_EQ(store.GetSelectedIds(), (std::vector<int>{onHidden, invisible}));
    EXPECT_FALSE(store.IsShapeSelected(lasso));
}

TEST(ShapeStoreLasso, OnlyTheListedLayers) {
    TShapeStore store;
    const int fix = store.AddLayer("track_fix");
    const int nofix = store.AddLayer("track_nofix");
    const int user = store.AddLayer("orvalt_usershape");
    const int a = store.AddPoint(1, 1, fix);
    store.AddPoint(2, 2, user);
    const int c = store.AddPoint(3, 3, nofix);
    store.SelectInPolygonOnLayers(kLasso, {fix, nofix});
    EXPECT_EQ(store.GetSelectedIds(), (std::vector<int>{a, c}));
    store.SelectInPolygonOnLayers(kLasso, {});
    EXPECT_EQ(store.GetSelectedCount(), 0);
}

// A refused polygon clears the selection and repaints, so nothing stays red on the screen
// that Delete would no longer remove.
TEST(ShapeStoreLasso, TwoVerticesClearTheSelectionAndSelectNothing) {
    TShapeStore store;
    const int layer = store.AddLayer("a");
    store.AddPoint(5, 5, layer);
    store.SelectAll();
    store.Dirty = false;
    const std::vector<TWorldPoint> twoVertices = {{0, 0}, {10, 10}};
    store.SelectInPolygon(twoVertices);
    EXPECT_EQ(store.GetSelectedCount(), 0);
    EXPECT_TRUE(store.SelectedIds.empty());
    EXPECT_TRUE(store.Dirty);
}

TEST(ShapeStoreLasso, RouteIsTheLaterOfRouteAndLasso) {
    TShapeStore store;
    const int other = store.AddLayer("other");
    EXPECT_TRUE(store.GetRoutePolyline().empty());
    AddPolylineOf(store, {{1, 1}, {2, 2}}, other);
    // Neither layer exists: the last polyline on any layer.
    EXPECT_EQ(store.GetRoutePolyline().size(), 2u);
    const int route = store.AddLayer(kRouteLayerName);
    const int lasso = store.AddLayer(kLassoLayerName);
    EXPECT_TRUE(store.GetRoutePolyline().empty());
    AddPolylineOf(store, {{0, 0}, {100, 0}, {100, 100}}, route);
    AddPolylineOf(store, {{0.1, 0}, {5, 5}, {0, 5}, {0, 0}}, lasso);
    AddPolylineOf(store, {{7, 7}, {8, 8}}, other);
    auto single = std::make_unique<TQPolyline>(lasso, stPolyline, false);
    single->AddVertex(3, 3);
    store.AddShape(std::move(single));
    const std::vector<TWorldPoint> got = store.GetRoutePolyline();
    ASSERT_EQ(got.size(), 4u);
    EXPECT_EQ(got[0].X, 0.1);
    EXPECT_EQ(got[1].Y, 5.0);
    AddPolylineOf(store, {{0, 0}, {50, 0}}, route);
    EXPECT_EQ(store.GetRoutePolyline().size(), 2u);
}

}  // namespace
