#include "canvas/QShapeArc.h"

#include <algorithm>

TQArc::TQArc(int layerId, double x1, double y1, double x2, double y2, double x3, double y3)
    : TQShape(layerId, stArc3P), X1(x1), Y1(y1), X2(x2), Y2(y2), X3(x3), Y3(y3) {
    UpdateBounds();
}

void TQArc::DrawShape(TDrawSurface& surface, const TPixelMapper& view, TColor drawColor) const {
    const TPixel legs[] = {
        {view.X(X1), view.Y(Y1)}, {view.X(X2), view.Y(Y2)}, {view.X(X3), view.Y(Y3)}};
    surface.SetPen(drawColor, LineWidth);
    surface.Polyline(legs);
}

bool TQArc::HitTest(double x, double y, double tolerance) const {
    return x >= MinX - tolerance && x <= MaxX + tolerance && y >= MinY - tolerance &&
           y <= MaxY + tolerance;
}

void TQArc::UpdateBounds() {
    MinX = std::min({X1, X2, X3});
    MaxX = std::max({X1, X2, X3});
    MinY = std::min({Y1, Y2, Y3});
    MaxY = std::max({Y1, Y2, Y3});
}

void TQArc::MapPoints(const TPointMap& map) {
    const TWorldPoint a = map({X1, Y1});
    const TWorldPoint b = map({X2, Y2});
    const TWorldPoint c = map({X3, Y3});
    X1 = a.X, Y1 = a.Y;
    X2 = b.X, Y2 = b.Y;
    X3 = c.X, Y3 = c.Y;
}
