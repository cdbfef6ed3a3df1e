// Geometry, vertices, drawing order and fonts by id. None of these repaints.
#include "canvas/QShapePolyline.h"
#include "canvas/ShapeStore.h"

#include <algorithm>

void TShapeStore::MoveShape(int id, double dx, double dy) {
    Change(id, [=](TQShape& shape) { shape.Move(dx, dy); });
}

void TShapeStore::ScaleShape(int id, double cx, double cy, double sx, double sy) {
    Change(id, [=](TQShape& shape) { shape.Scale(sx, sy, cx, cy); });
}

void TShapeStore::RotateShape(int id, double angleDeg, double cx, double cy) {
    Change(id, [=](TQShape& shape) { shape.Rotate(angleDeg, cx, cy); });
}

void TShapeStore::MirrorShape(int id, int axis, double cx, double cy) {
    const double sx = axis == 0 ? -1 : 1;
    const double sy = axis == 1 ? -1 : 1;
    Change(id, [=](TQShape& shape) { shape.Scale(sx, sy, cx, cy); });
}

void TShapeStore::SetVertex(int id, int i, double x, double y) {
    Change<TQPolyline>(id, [=](TQPolyline& polyline) { polyline.SetVertex(i, x, y); });
}

void TShapeStore::InsertVertex(int id, int i, double x, double y) {
    Change<TQPolyline>(id, [=](TQPolyline& polyline) { polyline.InsertVertex(i, x, y); });
}

void TShapeStore::DeleteVertex(int id, int i) {
    Change<TQPolyline>(id, [=](TQPolyline& polyline) { polyline.DeleteVertex(i); });
}

void TShapeStore::BringToFront(int id) { MoveToPosition(id, true); }

void TShapeStore::SendToBack(int id) { MoveToPosition(id, false); }

void TShapeStore::ChangeOrder(int id, int direction) {
    if (direction > 0) BringToFront(id);
    if (direction < 0) SendToBack(id);
}

void TShapeStore::MoveToPosition(int id, bool toFront) {
    const std::optional<size_t> found = index_.PositionOf(id);
    if (!found) return;
    const size_t from = *found;
    const auto offset = static_cast<std::ptrdiff_t>(from);
    if (toFront) {
        std::rotate(shapes_.begin() + offset, shapes_.begin() + offset + 1, shapes_.end());
        boxes_.Rotate(from, from + 1, boxes_.size());
        ReindexFrom(from);
    } else {
        std::rotate(shapes_.begin(), shapes_.begin() + offset, shapes_.begin() + offset + 1);
        boxes_.Rotate(0, from, from + 1);
        ReindexFrom(0);
    }
    Dirty = true;
}

int TShapeStore::AddFont(const QString& spec) {
    TQFontEntry entry = ParseFontSpec(spec);
    entry.Index = static_cast<int>(Fonts.size());
    Fonts.push_back(entry);
    return entry.Index;
}

void TShapeStore::ResetTextDefaults() {
    DefaultHAlign = 0;
    DefaultVAlign = 0;
}
