#include "canvas/QShape.h"

#include <algorithm>

void TQShape::Draw(TDrawSurface& surface, double viewLeft, double viewRight, double viewTop,
                   double viewBottom, int width, int height) const {
    DrawInColor(surface, TPixelMapper(viewLeft, viewRight, viewTop, viewBottom, width, height),
                Color);
}

void TQShape::DrawInColor(TDrawSurface& surface, const TPixelMapper& view, TColor color) const {
    if (!Visible) return;
    DrawShape(surface, view, DrawnColor(color));
}

void TQShape::Move(double dx, double dy) {
    MapPoints([dx, dy](TWorldPoint p) { return TWorldPoint{p.X + dx, p.Y + dy}; });
    UpdateBounds();
}

void TQShape::Scale(double sx, double sy, double cx, double cy) {
    MapPoints([=](TWorldPoint p) { return ScalePoint(p, sx, sy, cx, cy); });
    UpdateBounds();
}

void TQShape::Rotate(double angleDeg, double cx, double cy) {
    MapPoints([=](TWorldPoint p) { return RotatePoint(p, angleDeg, cx, cy); });
    UpdateBounds();
}

void TQShape::SetBoundsOfCorners(double x1, double y1, double x2, double y2) {
    MinX = std::min(x1, x2);
    MaxX = std::max(x1, x2);
    MinY = std::min(y1, y2);
    MaxY = std::max(y1, y2);
}
