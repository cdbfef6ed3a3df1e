#include "canvas/QCornerShape.h"

TQCornerShape::TQCornerShape(int layerId, int shapeType, double x1, double y1, double x2, double y2)
    : TQShape(layerId, shapeType), X1(x1), Y1(y1), X2(x2), Y2(y2) {
    UpdateBounds();
}

void TQCornerShape::UpdateBounds() { SetBoundsOfCorners(X1, Y1, X2, Y2); }

void TQCornerShape::MapPoints(const TPointMap& map) {
    const TWorldPoint a = map({X1, Y1});
    const TWorldPoint b = map({X2, Y2});
    X1 = a.X;
    Y1 = a.Y;
    X2 = b.X;
    Y2 = b.Y;
}
