#include "canvas/QShapeCircle.h"

#include <cmath>

TQCircle::TQCircle(int layerId, double cx, double cy, double r)
    : TQShape(layerId, stCircle), CX(cx), CY(cy), R(r) {
    UpdateBounds();
}

void TQCircle::DrawShape(TDrawSurface& surface, const TPixelMapper& view, TColor drawColor) const {
    const int pcx = view.X(CX);
    const int pcy = view.Y(CY);
    const int rx = SaturatedTrunc(R * view.ScaleX());
    const int ry = SaturatedTrunc(R * view.ScaleY());
    surface.SetPen(drawColor, LineWidth);
    surface.SetBrush(FillColor, BrushStyle);
    surface.Ellipse(pcx - rx, pcy - ry, pcx + rx, pcy + ry);
}

bool TQCircle::HitTest(double x, double y, double tolerance) const {
    return std::fabs(std::hypot(x - CX, y - CY) - R) <= tolerance;
}

void TQCircle::UpdateBounds() { SetBoundsOfCorners(CX - R, CY - R, CX + R, CY + R); }

void TQCircle::Scale(double sx, double sy, double cx, double cy) {
    R *= (std::fabs(sx) + std::fabs(sy)) / 2;
    TQShape::Scale(sx, sy, cx, cy);
}

void TQCircle::MapPoints(const TPointMap& map) {
    const TWorldPoint c = map({CX, CY});
    CX = c.X;
    CY = c.Y;
}
