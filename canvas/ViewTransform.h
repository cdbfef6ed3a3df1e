#pragma once
// The rectangle of the world that the canvas shows, stretched over its client area, and the
// operations that change it. World x grows east, y north; pixels grow right and down.
//
// A value class: the canvas builds one from its view edges and client size, asks it for
// conversions or a changed view, and stores the result. Every operation that changes the view
// refuses non-finite input and a client without area, leaving the view as it was, so a bad
// number never reaches the view, the settings or the project file. It also refuses a result
// whose edges, width or height are not finite, and a zoom, pan or fit that rounds a width or
// height away (edges near the largest doubles), so the view never sticks.

#include "canvas/DrawSurface.h"
#include "canvas/PlaneGeometry.h"

struct TWorldBox {
    double MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;
};

class TViewTransform {
public:
    // World units.
    double Left = 0, Right = 1000, Top = 1000, Bottom = 0;
    // Client size in pixels.
    int Width = 400, Height = 300;

    double ViewWidth() const { return Right - Left; }
    double ViewHeight() const { return Top - Bottom; }

    // Truncated toward zero; far-away points saturate instead of overflowing.
    TPixel WorldToScreen(double x, double y) const;
    int WorldXToPixel(double x) const;
    int WorldYToPixel(double y) const;
    TWorldPoint ScreenToWorld(int px, int py) const;

    // Each returns false, changing nothing, when it refuses.
    // Zooms about the world point (x, y), which keeps its relative place; step 0.1 zooms in by
    // 10 %, -0.1 out by 10 %. The new view takes the client's aspect ratio.
    bool ZoomAt(double step, double x, double y);
    bool Pan(double dx, double dy);
    bool SetView(double left, double top, double right, double bottom);
    // Fits the view to a box: 5 % margin on every side, then widened to the client's aspect
    // ratio. A box of zero width or height gives the default view.
    bool FitBox(const TWorldBox& box);
    // Grows the view to the client's aspect ratio about its centre (it never crops). Nothing
    // to do without a client area.
    bool FitToClient();

    void ResetToDefault() { Left = 0, Right = 1000, Top = 1000, Bottom = 0; }

private:
    bool HasArea() const { return Width > 0 && Height > 0; }
    bool HasFiniteSize() const;
    // Takes the changed edges when they are finite and keep the width and height this view
    // has.
    bool TakeIfSound(const TViewTransform& changed);
    double Aspect() const { return static_cast<double>(Width) / (Height > 0 ? Height : 1); }
};
