#include "canvas/QShapeLine.h"

void TQLine::DrawShape(TDrawSurface& surface, const TPixelMapper& view, TColor drawColor) const {
    surface.SetPen(drawColor, LineWidth);
    surface.Line(view.X(X1), view.Y(Y1), view.X(X2), view.Y(Y2));
}

bool TQLine::HitTest(double x, double y, double tolerance) const {
    return DistanceToSegment(x, y, X1, Y1, X2, Y2) <= tolerance;
}
