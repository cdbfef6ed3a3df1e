#pragma once
// The scale bar in the bottom-right corner: a black-and-white bar of a round world length
// (about 150 pixels) with its length written below.

#include "canvas/DrawSurface.h"
#include "canvas/ViewTransform.h"

#include <QString>

struct TScaleBarLayout {
    // Bar length in pixels, 30 to 150.
    int Pixels = 0;
    // The world length the bar covers and its label ("200 m", "1.5 km", "20 cm").
    double Length = 0;
    QString Label;
};

// The bar of a view; Pixels is 0 when the view has no positive width. A round length longer
// than 150 pixels is cut to 150 pixels, and the label then gives the length drawn.
TScaleBarLayout LayoutScaleBar(const TViewTransform& view);

void DrawScaleBar(const TViewTransform& view, TDrawSurface& surface);
