#pragma once
// A straight line from (X1, Y1) to (X2, Y2).

#include "canvas/QCornerShape.h"

class TQLine final : public TQCornerShape {
  public:
    TQLine(int layerId, double x1, double y1, double x2, double y2)
        : TQCornerShape(layerId, stLine, x1, y1, x2, y2) {}

    // Within tolerance of the segment.
    bool HitTest(double x, double y, double tolerance) const override;

  protected:
    void DrawShape(TDrawSurface& surface, const TPixelMapper& view,
                   TColor drawColor) const override;
};
