#pragma once
// A survey point: a marker whose look follows its size code LineWidth (0 one pixel, 1 a 2 x 2
// block, 2 and 3 filled squares, 4 and more a filled disc).

#include "canvas/QShape.h"

class TQPoint final : public TQShape {
public:
    TQPoint(int layerId, double x, double y);

    bool HitTest(double x, double y, double tolerance) const override;
    void UpdateBounds() override;
    // Draws the marker at its pixel, worked out by the caller for the current view.
    void DrawAtPixel(TDrawSurface& surface, TPixel pixel, TColor drawColor) const;

    double X, Y;
    double Value = 0;
    // Half the side of the bounding box, world units.
    int Radius = 3;

protected:
    void DrawShape(TDrawSurface& surface, const TPixelMapper& view,
                   TColor drawColor) const override;
    void MapPoints(const TPointMap& map) override;
};
