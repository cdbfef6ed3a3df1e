#pragma once
// A survey point: a marker whose look follows its size code LineWidth (0 one pixel, 1 a 2 x 2
// block, 2 and 3 filled squares, 4 and more a filled disc).

#include "canvas/QShape.h"

class TQPoint final : public TQShape {
public:
    TQPoint(int layerId, double x, double y);

    bool HitTest(double x, double y, double tolerance) const override;
    void UpdateBounds() override;
    // Draws the marker at its pixel, worked out by the caller for the current view. Inline:
    // a track is mostly one-pixel and 2 x 2 markers, drawn in one fill each.
    void DrawAtPixel(TDrawSurface& surface, TPixel pixel, TColor drawColor) const {
        if (LineWidth <= 1) {
            surface.FillPixels(pixel.X, pixel.Y, LineWidth <= 0 ? 1 : 2, drawColor);
        } else {
            DrawSquareOrDisc(surface, pixel, drawColor);
        }
    }

    double X, Y;
    double Value = 0;
    // Half the side of the bounding box, world units.
    int Radius = 3;

protected:
    void DrawShape(TDrawSurface& surface, const TPixelMapper& view,
                   TColor drawColor) const override;
    void MapPoints(const TPointMap& map) override;

private:
    // Sizes 2 and 3 fill a square, 4 and more a disc.
    void DrawSquareOrDisc(TDrawSurface& surface, TPixel pixel, TColor drawColor) const;
};
