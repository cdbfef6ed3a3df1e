#include "canvas/QShapeEllipse.h"

#include <algorithm>
#include <cmath>

void TQEllipse::DrawShape(TDrawSurface& surface, const TPixelMapper& view, TColor drawColor) const {
    surface.SetPen(drawColor, LineWidth);
    surface.SetBrush(FillColor, BrushStyle);
    surface.Ellipse(view.X(X1), view.Y(Y1), view.X(X2), view.Y(Y2));
}

bool TQEllipse::HitTest(double x, double y, double tolerance) const {
    const double rx = std::fabs(X2 - X1) / 2;
    const double ry = std::fabs(Y2 - Y1) / 2;
    if (rx == 0 || ry == 0) return false;
    const double u = (x - (X1 + X2) / 2) / rx;
    const double v = (y - (Y1 + Y2) / 2) / ry;
    return std::fabs(u * u + v * v - 1) <= tolerance / std::min(rx, ry);
}

void TQEllipse::Rotate(double, double, double) { UpdateBounds(); }
