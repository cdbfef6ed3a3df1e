#pragma once
// An axis-aligned ellipse inside the rectangle of two opposite corners. Only a click near the
// outline hits it.

#include "canvas/QCornerShape.h"

class TQEllipse final : public TQCornerShape {
  public:
    TQEllipse(int layerId, double x1, double y1, double x2, double y2)
        : TQCornerShape(layerId, stEllipse, x1, y1, x2, y2) {}

    // Never a hit when the ellipse is flat (a half-axis of 0).
    bool HitTest(double x, double y, double tolerance) const override;
    // Rotating leaves the ellipse as it is: it stays axis-aligned.
    void Rotate(double angleDeg, double cx, double cy) override;

  protected:
    void DrawShape(TDrawSurface& surface, const TPixelMapper& view,
                   TColor drawColor) const override;
};
