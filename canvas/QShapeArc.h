#pragma once
// A three-point arc object, drawn as the two straight legs through its middle point.

#include "canvas/QShape.h"

class TQArc final : public TQShape {
  public:
    TQArc(int layerId, double x1, double y1, double x2, double y2, double x3, double y3);

    // Inside the bounding box grown by the tolerance.
    bool HitTest(double x, double y, double tolerance) const override;
    void UpdateBounds() override;

    double X1, Y1, X2, Y2, X3, Y3;

  protected:
    void DrawShape(TDrawSurface& surface, const TPixelMapper& view,
                   TColor drawColor) const override;
    void MapPoints(const TPointMap& map) override;
};
