#include "canvas/QShapePoint.h"

TQPoint::TQPoint(int layerId, double x, double y) : TQShape(layerId, stPoint), X(x), Y(y) {
    UpdateBounds();
}

void TQPoint::DrawShape(TDrawSurface& surface, const TPixelMapper& view, TColor drawColor) const {
    DrawAtPixel(surface, {view.X(X), view.Y(Y)}, drawColor);
}

void TQPoint::DrawSquareOrDisc(TDrawSurface& surface, TPixel pixel, TColor drawColor) const {
    const int px = pixel.X;
    const int py = pixel.Y;
    const int size = LineWidth;
    if (size <= 3) {
        const int h = (size + 1) / 2;
        surface.SetBrush(drawColor, bsSolid);
        surface.SetPenStyle(TPenStyle::Clear);
        surface.FillRect(px - h, py - h, px + h + 1, py + h + 1);
        surface.SetPenStyle(TPenStyle::Solid);
    } else {
        const int r = (size + 1) / 2;
        surface.SetPen(drawColor, 1);
        surface.SetBrush(drawColor, bsSolid);
        surface.Ellipse(px - r, py - r, px + r, py + r);
    }
}

bool TQPoint::HitTest(double x, double y, double tolerance) const {
    return (x - X) * (x - X) + (y - Y) * (y - Y) <= tolerance * tolerance;
}

void TQPoint::UpdateBounds() { SetBoundsOfCorners(X - Radius, Y - Radius, X + Radius, Y + Radius); }

void TQPoint::MapPoints(const TPointMap& map) {
    const TWorldPoint p = map({X, Y});
    X = p.X;
    Y = p.Y;
}
