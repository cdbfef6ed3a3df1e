#include "canvas/ShapeStore.h"
#include "canvas/QShapeEllipse.h"
#include "canvas/QShapePolyline.h"
#include "canvas/QShapeText.h"

#include <gtest/gtest.h>

namespace {

TEST(ShapeStoreLayers, StartsWithDefaultAndFindsByExactName) {
    TShapeStore store;
    EXPECT_EQ(store.FindLayerByName("Default"), 0);
    EXPECT_EQ(store.CurrentLayer, 0);
    const int track = store.AddLayer("track_fix");
    EXPECT_EQ(track, 1);
    EXPECT_EQ(store.CurrentLayer, 1);
    store.AddLayer("Orvalt Grid");
    EXPECT_EQ(store.AddLayer("track_fix"), 1);
    EXPECT_EQ(store.CurrentLayer, 1);
    EXPECT_EQ(store.Layers().size(), 3u);
    EXPECT_EQ(store.FindLayerByName("TRACK_FIX"), -1);
    EXPECT_EQ(store.FindLayer(7), nullptr);
}

TEST(ShapeStoreLayers, UnknownIdsGiveTheDefaultsAndChangeNothing) {
    TShapeStore store;
    store.Dirty = false;
    store.SetLayerColor(9, 0x123456);
    store.SetLayerTag(9, 5);
    EXPECT_FALSE(store.Dirty);
    EXPECT_EQ(store.GetLayerTag(9), 0);
    EXPECT_EQ(store.GetLayerColor(9), 0);
    EXPECT_EQ(store.GetLayerLineWidth(9), 1);
    EXPECT_EQ(store.GetLayerFillColor(9), 0xFFFFFF);
    EXPECT_EQ(store.GetLayerAux2(9), 0xFFFFFF);
    EXPECT_EQ(store.GetLayerBrushStyle(9), 1);
    EXPECT_FALSE(store.GetLayerVisible(9));
    EXPECT_TRUE(store.GetLayerVisible(0));
}

TEST(ShapeStoreLayers, PenReachesExistingShapesAndFillOnlyNewOnes) {
    TShapeStore store;
    const int layer = store.AddLayer("runlines");
    const int circle = store.AddCircle(0, 0, 5, layer);
    store.SetLayerColor(layer, 0x00FF00);
    store.SetLayerLineWidth(layer, 3);
    store.SetLayerFillColor(layer, 0x0000FF);
    store.SetLayerBrushStyle(layer, bsSolid);
    EXPECT_EQ(store.GetShapeColor(circle), 0x00FF00);
    EXPECT_EQ(store.GetShapeLineWidth(circle), 3);
    EXPECT_EQ(store.GetShapeFillColor(circle), 0xFFFFFF);
    const int next = store.AddRectangle(0, 0, 1, 1, layer);
    EXPECT_EQ(store.GetShapeColor(next), 0x00FF00);
    EXPECT_EQ(store.GetShapeFillColor(next), 0x0000FF);
    EXPECT_EQ(store.GetShapeBrushStyle(next), bsSolid);
    // A text takes only the colour.
    const int text = store.AddText(layer, "T", 0, 0, 0);
    EXPECT_EQ(store.GetShapeLineWidth(text), 1);
    EXPECT_EQ(store.GetShapeColor(text), 0x00FF00);
}

TEST(ShapeStoreAdd, UnknownLayerFallsBackToDefaultAndMakesItCurrent) {
    TShapeStore store;
    store.AddLayer("other");
    const int id = store.AddLine(0, 0, 1, 1, 42);
    EXPECT_EQ(store.GetShapeLayerId(id), 0);
    EXPECT_EQ(store.CurrentLayer, 0);
}

TEST(ShapeStoreAdd, IdsCountUpAndRestartOnlyWhenAllAreDeleted) {
    TShapeStore store;
    const int layer = store.AddLayer("a");
    EXPECT_EQ(store.AddPoint(0, 0, layer), 1);
    EXPECT_EQ(store.AddPolyline({{0, 0}}, layer, false), -1);
    EXPECT_EQ(store.AddPolyline({{0, 0}, {1, 1}}, layer, true), 2);
    EXPECT_EQ(store.GetShapeType(2), stPolygon);
    store.DeleteLayerShapes(layer);
    EXPECT_EQ(store.ShapeCount(), 0);
    EXPECT_EQ(store.AddPoint(0, 0, layer), 3);
    store.DeleteLayerShapes(-1);
    EXPECT_EQ(store.AddPoint(0, 0, layer), 1);
    EXPECT_EQ(store.FindShape(1)->Id, 1);
}

// A shape being drawn holds its id before it is in the store; once the ids started again that
// id may be taken, and the shape then gets a new one instead of sharing it.
TEST(ShapeStoreAdd, AReservedIdIsNeverHandedOutTwice) {
    TShapeStore store;
    const int layer = store.AddLayer("a");
    auto drawn = std::make_unique<TQPolyline>(layer, stPolyline, false);
    drawn->Id = store.ReserveShapeId();
    EXPECT_EQ(drawn->Id, 1);
    EXPECT_EQ(store.AddPoint(0, 0, layer), 2);
    store.ResetShapeIds();
    store.AddPoint(0, 0, layer);
    EXPECT_EQ(store.AddReservedShape(std::move(drawn)), 2);
    auto kept = std::make_unique<TQPolyline>(layer, stPolyline, false);
    kept->Id = store.ReserveShapeId();
    store.AddPoint(0, 0, layer);
    EXPECT_EQ(store.AddReservedShape(std::move(kept)), 3);
    EXPECT_EQ(store.GetAllShapeIds(), (std::vector<int>{1, 2, 4, 3}));
}

TEST(ShapeStoreAdd, TextTakesFontEntryAndDefaultAlignments) {
    TShapeStore store;
    EXPECT_EQ(store.AddFont("txt,12,bi"), 1);
    EXPECT_EQ(store.Fonts[1].FontName, "Arial");
    store.DefaultHAlign = taRight;
    const int id = store.AddText(0, "depth", 1, 2, 1);
    const auto* text = dynamic_cast<const TQText*>(store.FindShape(id));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Size, 12);
    EXPECT_TRUE(text->Bold);
    EXPECT_TRUE(text->Italic);
    EXPECT_EQ(text->HAlign, taRight);
    EXPECT_EQ(text->UserText2, "depth");
    const int plain = store.AddText(0, "x", 0, 0, 9);
    EXPECT_EQ(dynamic_cast<const TQText*>(store.FindShape(plain))->Size, 10);
}

TEST(ShapeStoreFonts, SpecForms) {
    struct {
        const char* spec;
        const char* name;
        int size;
        bool bold, italic;
    } cases[] = {
        {"Tahoma", "Tahoma", 10, false, false},     {"Tahoma,14", "Tahoma", 14, false, false},
        {"Arial,x,b", "Arial", 10, true, false},    {"TXT,8,I", "Arial", 8, false, true},
        {"Courier,9,", "Courier", 9, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.spec);
        const TQFontEntry entry = ParseFontSpec(c.spec);
        EXPECT_EQ(entry.FontName, c.name);
        EXPECT_EQ(entry.Size, c.size);
        EXPECT_EQ(entry.Bold, c.bold);
        EXPECT_EQ(entry.Italic, c.italic);
    }
}

TEST(ShapeStoreDelete, KeepsOrderIdsLookupsAndSelectionInStep) {
    TShapeStore store;
    const int vessel = store.AddLayer("~~Orvalt Vessel");
    const int track = store.AddLayer("track_fix");
    for (int i = 0; i < 5; ++i) {
        store.AddLine(i, 0, i, 1, vessel);
        store.AddPoint(i, 0, track);
    }
    store.SelectedIds = {1, 2, 1, 4};
    store.DeleteLayerShapesByName("~~Orvalt Vessel");
    EXPECT_EQ(store.GetAllShapeIds(), (std::vector<int>{2, 4, 6, 8, 10}));
    EXPECT_EQ(store.SelectedIds, (std::vector<int>{2, 4}));
    for (int id : store.GetAllShapeIds()) EXPECT_EQ(store.FindShape(id)->Id, id);
    store.DeleteShape(6);
    store.DeleteShape(99);
    EXPECT_EQ(store.ShapeCount(), 4);
    EXPECT_EQ(store.FindShape(6), nullptr);
    EXPECT_EQ(store.FindShape(8)->Id, 8);
}

TEST(ShapeStoreOrder, FrontAndBackKeepTheLookups) {
    TShapeStore store;
    for (int i = 0; i < 4; ++i) store.AddPoint(i, 0, 0);
    store.BringToFront(2);
    EXPECT_EQ(store.GetAllShapeIds(), (std::vector<int>{1, 3, 4, 2}));
    store.ChangeOrder(4, -1);
    EXPECT_EQ(store.GetAllShapeIds(), (std::vector<int>{4, 1, 3, 2}));
    store.ChangeOrder(3, 0);
    EXPECT_EQ(store.GetAllShapeIds(), (std::vector<int>{4, 1, 3, 2}));
    for (int id : store.GetAllShapeIds()) EXPECT_EQ(store.FindShape(id)->Id, id);
    store.ReassignLayer(0, 5, 2);
    EXPECT_EQ(store.GetShapeLayerId(1), 0);
    store.ReassignLayer(0, 5, 1);
    EXPECT_EQ(store.GetLayerShapeIds(5), (std::vector<int>{4, 1, 3, 2}));
}

TEST(ShapeStoreAccessors, UnknownIdsAndOtherKindsGiveTheDefaults) {
    TShapeStore store;
    const int line = store.AddLine(0, 0, 1, 1, 0);
    EXPECT_EQ(store.GetShapeType(77), 0);
    EXPECT_EQ(store.GetShapeLineWidth(77), 1);
    EXPECT_EQ(store.GetShapeFillColor(77), 0xFFFFFF);
    EXPECT_EQ(store.GetShapeBrushStyle(77), 0);
    EXPECT_EQ(store.GetShapeLayerId(77), -1);
    EXPECT_TRUE(store.GetShapeUserText1(77).isEmpty());
    store.SetTextHAlign(line, 2);
    store.SetPointRadius(line, 9);
    EXPECT_EQ(store.GetTextHAlign(line), 0);
    EXPECT_EQ(store.GetPointRadius(line), 0);
    EXPECT_EQ(store.GetVertexCount(line), 0);
    EXPECT_EQ(store.GetVertexX(line, 0), 0);
    EXPECT_FALSE(store.GetPointXY(line).Found);
    EXPECT_FALSE(store.GetTextInfo(line).Found);
    store.Dirty = false;
    store.SetShapeUserText1(line, "note");
    EXPECT_FALSE(store.Dirty);
    store.SetShapeUserText2(line, "note");
    EXPECT_TRUE(store.Dirty);
}

TEST(ShapeStoreAccessors, LineEndsOfLinesAndPolylinesOnly) {
    TShapeStore store;
    auto spline = std::make_unique<TQPolyline>(0, stSpline, false);
    spline->AddVertex(1, 2);
    spline->AddVertex(3, 4);
    spline->AddVertex(5, 6);
    const int splineId = store.AddShape(std::move(spline));
    const TLineEnds ends = store.GetLineEnds(splineId);
    EXPECT_TRUE(ends.Found);
    EXPECT_EQ(ends.X1, 1);
    EXPECT_EQ(ends.Y2, 6);
    EXPECT_FALSE(store.GetLineEnds(store.AddArc(0, 0, 1, 1, 2, 0, 0)).Found);
    const TLineEnds line = store.GetLineEnds(store.AddLine(7, 8, 9, 10, 0));
    EXPECT_TRUE(line.Found);
    EXPECT_EQ(line.X2, 9);
    EXPECT_EQ(store.GetTextInfo(store.AddText(0, "Ünye", 1, 2, 0)).Text, "Ünye");
}

TEST(ShapeStoreGeometry, EditsKeepTheBoundsCurrent) {
    TShapeStore store;
    const int polyline = store.AddPolyline({{0, 0}, {10, 0}}, 0, false);
    store.InsertVertex(polyline, 1, 5, 20);
    EXPECT_EQ(store.FindShape(polyline)->MaxY, 20);
    store.DeleteVertex(polyline, 1);
    EXPECT_EQ(store.FindShape(polyline)->MaxY, 0);
    store.SetVertex(polyline, 0, -3, 0);
    EXPECT_EQ(store.FindShape(polyline)->MinX, -3);
    const int point = store.AddPoint(0, 0, 0);
    store.SetPointRadius(point, 10);
    EXPECT_EQ(store.FindShape(point)->MaxX, 10);
    store.MirrorShape(point, 2, 5, 5);
    EXPECT_EQ(store.GetPointXY(point).X, 0);
    store.MirrorShape(point, 0, 5, 5);
    EXPECT_EQ(store.GetPointXY(point).X, 10);
    store.ScaleShape(point, 0, 0, 2, 3);
    EXPECT_EQ(store.GetPointXY(point).X, 20);
    store.RotateShape(point, 180, 0, 0);
    EXPECT_NEAR(store.GetPointXY(point).X, -20, 1e-9);
    store.MoveShape(point, 1, 1);
    EXPECT_NEAR(store.GetPointXY(point).Y, 1, 1e-9);
}

}  // namespace
