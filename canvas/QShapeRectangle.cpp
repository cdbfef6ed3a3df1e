#include "canvas/QShapeRectangle.h"

#include <algorithm>

TQRectangle::TQRectangle(int layerId, double x1, double y1, double x2, double y2, double value,
                         int kind)
    : TQCornerShape(layerId, kind + 1, x1, y1, x2, y2), Value(value), Kind(kind) {}

void TQRectangle::DrawShape(TDrawSurface& surface, const TPixelMapper& view,
                            TColor drawColor) const {
    const int ax = view.X(X1), ay = view.Y(Y1), bx = view.X(X2), by = view.Y(Y2);
    const int left = std::min(ax, bx), right = std::max(ax, bx);
    const int top = std::min(ay, by), bottom = std::max(ay, by);
    // A solid cell without outline: the cells of gridded XYZ data.
    if (LineWidth == 0 && BrushStyle == bsSolid && !Selected && Kind != 1) {
        surface.SetBrush(FillColor, bsSolid);
        surface.FillRect(left, top, right, bottom);
        return;
    }
    surface.SetPen(drawColor, LineWidth);
    surface.SetBrush(FillColor, BrushStyle);
    if (Kind == 1) {
        const int corner = SaturatedTrunc(std::min(view.ScaleX(), view.ScaleY()) * CornerRadius);
        surface.RoundRect(left, top, right, bottom, corner, corner);
    } else {
        surface.Rectangle(left, top, right, bottom);
    }
}

bool TQRectangle::HitTest(double x, double y, double tolerance) const {
    return x >= std::min(X1, X2) - tolerance && x <= std::max(X1, X2) + tolerance &&
           y >= std::min(Y1, Y2) - tolerance && y <= std::max(Y1, Y2) + tolerance;
}

void TQRectangle::Rotate(double, double, double) { UpdateBounds(); }
