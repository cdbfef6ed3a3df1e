#pragma once
// A rectangle given by two opposite corners in any order, plain (Kind 0) or with rounded
// corners (Kind 1). A click anywhere inside hits it.

#include "canvas/QCornerShape.h"

class TQRectangle final : public TQCornerShape {
  public:
    // ShapeType is Kind + 1.
    TQRectangle(int layerId, double x1, double y1, double x2, double y2, double value, int kind);

    bool HitTest(double x, double y, double tolerance) const override;
    // Rotating leaves the rectangle as it is: it stays axis-aligned.
    void Rotate(double angleDeg, double cx, double cy) override;

    double Value;
    int Kind;
    // World units.
    double CornerRadius = 10.0;

  protected:
    void DrawShape(TDrawSurface& surface, const TPixelMapper& view,
                   TColor drawColor) const override;
};
