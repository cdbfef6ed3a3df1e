#pragma once
// A circle about (CX, CY) with radius R. Only a click near the circumference hits it.

#include "canvas/QShape.h"

class TQCircle final : public TQShape {
  public:
    TQCircle(int layerId, double cx, double cy, double r);

    bool HitTest(double x, double y, double tolerance) const override;
    void UpdateBounds() override;
    // The radius takes the mean of the absolute factors, so a mirrored circle keeps its size.
    void Scale(double sx, double sy, double cx, double cy) override;

    double CX, CY, R;

  protected:
    void DrawShape(TDrawSurface& surface, const TPixelMapper& view,
                   TColor drawColor) const override;
    void MapPoints(const TPointMap& map) override;
};
