#include "tests/canvas/RandomStoreEdits.h"

#include "canvas/QShapePoint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

TRandomStoreEdits::TRandomStoreEdits(unsigned seed) : random_(seed) {
    for (int i = 0; i < 6; ++i) store.AddLayer(QString("L%1").arg(i));
}

void TRandomStoreEdits::Step() {
    const int choice = Below(110);
    if (choice < 35) return Add();
    if (choice < 45) return store.DeleteShape(AnyId());
    if (choice < 55) return store.SetShapeLayer(AnyId(), AnyLayer());
    if (choice < 62) return Select();
    if (choice < 66) return store.DeleteSelectedShapes();
    if (choice < 71) return Reorder();
    if (choice < 76) return store.ReassignLayer(AnyLayer(), AnyLayer(), Below(4) ? 1 : 0);
    if (choice < 81) return store.DeleteLayerShapes(AnyLayer());
    if (choice < 85) return store.DeleteLayerShapesByName(AnyLayerName());
    if (choice < 92) return RecolourLayer();
    if (choice < 96) return void(store.AddLayer(QString("L%1").arg(Below(12))));
    if (choice < 98) return store.ResetShapeIds();
    if (choice < 99) return store.ClearDrawing();
    if (choice < 102) return AddSurveyLine();
    Reshape();
}

// Mostly the first few layers, so that one layer holds much of the drawing and others little;
// now and then a layer without a record, or an id that names none.
int TRandomStoreEdits::AnyLayer() {
    if (Below(10) == 0) return Below(2) ? kUnlistedLayer : store.NextLayerId() + 3;
    return std::min(std::geometric_distribution<int>(0.35)(random_), store.NextLayerId());
}

QString TRandomStoreEdits::AnyLayerName() {
    const int layer = AnyLayer();
    const TQLayer* record = store.FindLayer(layer);
    return record ? record->Name : QString("none");
}

// An id in the drawing, or now and then one that is not.
int TRandomStoreEdits::AnyId() {
    if (store.Shapes().empty() || Below(8) == 0) return Below(store.NextShapeId() + 2);
    return store.Shapes()[static_cast<size_t>(Below(store.ShapeCount()))]->Id;
}

void TRandomStoreEdits::Add() {
    const double x = Below(1000), y = Below(1000);
    switch (Below(6)) {
        case 0:
            store.AddLine(x, y, x + 1, y, AnyLayer());
            break;
        case 1:
            store.AddPolyline({{x, y}, {x, y + 1}}, AnyLayer(), false);
            break;
        case 2:
            store.AddText(AnyLayer(), "t", x, y, 0);
            break;
        case 3:
            store.AddShape(std::make_unique<TQPoint>(AnyLayer(), x, y));
            break;
        case 4:
            AddReserved(x, y);
            break;
        default:
            store.AddPoint(x, y, AnyLayer());
            break;
    }
}

// A shape that took its id while being drawn, added after other shapes.
void TRandomStoreEdits::AddReserved(double x, double y) {
    auto point = std::make_unique<TQPoint>(AnyLayer(), x, y);
    point->Id = store.ReserveShapeId();
    store.AddPoint(x, y, AnyLayer());
    store.AddReservedShape(std::move(point));
}

// Track points along a line, as a survey lays them down: the drawing grows past a few
// hundred shapes.
void TRandomStoreEdits::AddSurveyLine() {
    const int layer = AnyLayer();
    const double y = Below(1000);
    for (int i = Below(400); i >= 0; --i) store.AddPoint(2.5 * i, y, layer);
}

void TRandomStoreEdits::Select() {
    if (Below(4) == 0) return store.SelectLayerShapes(AnyLayer(), true);
    for (int i = Below(4); i >= 0; --i) store.SelectShape(AnyId(), true);
}

void TRandomStoreEdits::Reorder() {
    if (Below(2)) return store.BringToFront(AnyId());
    store.SendToBack(AnyId());
}

// Layer pens reach exactly the layer's shapes.
void TRandomStoreEdits::RecolourLayer() {
    const int layer = AnyLayer();
    const TColor colour = Below(0xFFFFFF);
    const int width = Below(9);
    std::vector<std::pair<TColor, int>> before;
    for (const auto& shape : store.Shapes()) before.emplace_back(shape->Color, shape->LineWidth);
    store.SetLayerColor(layer, colour);
    store.SetLayerLineWidth(layer, width);
    const bool listed = store.FindLayer(layer) != nullptr;
    for (size_t i = 0; i < store.Shapes().size(); ++i) {
        const TQShape& shape = *store.Shapes()[i];
        const bool pen = listed && shape.LayerId == layer;
        EXPECT_EQ(shape.Color, pen ? colour : before[i].first) << "id " << shape.Id;
        EXPECT_EQ(shape.LineWidth, pen ? width : before[i].second) << "id " << shape.Id;
    }
}

// Geometry changes through every way the store offers, far moves among them.
void TRandomStoreEdits::Reshape() {
    const double dx = Below(3) ? Below(100) - 50 : 5000, dy = Below(100) - 50;
    const int id = AnyId();
    switch (Below(6)) {
        case 0:
            return store.MoveShape(id, dx, dy);
        case 1:
            return store.MoveSelected(dx, dy);
        case 2:
            return store.ScaleShape(id, 500, 500, 0.5, 2);
        case 3:
            return store.SetVertex(id, Below(3), dx, dy);
        case 4:
            return store.InsertVertex(id, Below(3), dx, dy);
        default:
            if (TQShape* shape = store.FindShape(id)) {
                shape->Move(dx, dy);
                store.ShapeChanged(id);
            }
    }
}
