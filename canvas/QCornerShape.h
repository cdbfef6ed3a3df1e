#pragma once
// The common part of the kinds defined by two points (X1, Y1) and (X2, Y2): line, rectangle
// and ellipse. Their bounding box is the box of the two points.

#include "canvas/QShape.h"

class TQCornerShape : public TQShape {
  public:
    TQCornerShape(int layerId, int shapeType, double x1, double y1, double x2, double y2);

    void UpdateBounds() override;

    double X1, Y1, X2, Y2;

  protected:
    void MapPoints(const TPointMap& map) override;
};
