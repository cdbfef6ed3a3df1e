#pragma once
// The pixel lattice the map picture is drawn on. World x falls in lattice column
// floor((x - OriginX) * ScaleX) and world y in row floor((OriginY - y) * ScaleY); the screen
// shows the lattice from column ShiftX and row ShiftY on.
//
// A pan moves the shift by whole pixels and keeps the lattice, so whatever was drawn on it
// stays where it belongs and a cached picture is reused as it is; the screen then shows the
// view to within half a pixel. A change of scale (a zoom, a resize that changes it, a new view
// rectangle of another size) lays a new lattice from the view's top-left corner.

#include "canvas/PixelMapper.h"

// A rectangle of lattice pixels: columns Left to Left + Width - 1, rows Top to Top + Height - 1.
struct TRasterRect {
    int Left = 0, Top = 0, Width = 0, Height = 0;

    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    bool Intersects(const TRasterRect& other) const {
        return Left < other.Right() && other.Left < Right() && Top < other.Bottom() &&
               other.Top < Bottom();
    }
    // Grown by the margins on each side.
    TRasterRect Grown(int dx, int dy) const {
        return {Left - dx, Top - dy, Width + 2 * dx, Height + 2 * dy};
    }
};

// World edges of a rectangle of the lattice.
struct TWorldRect {
    double Left = 0, Right = 0, Top = 0, Bottom = 0;
};

class TRasterLattice {
public:
    // Follows the view (world edges) of a client of this size: keeps the lattice and moves the
    // shift when the scale is the one it was laid for, else lays a new one. Returns whether a
    // new lattice was laid.
    bool Follow(double viewLeft, double viewRight, double viewTop, double viewBottom, int width,
                int height);

    // Lattice column and row of a world point; far-away points saturate (PixelMapper.h).
    int Column(double x) const { return FloorSaturated((x - OriginX) * ScaleX); }
    int Row(double y) const { return FloorSaturated((OriginY - y) * ScaleY); }
    // The row as the column scale counts it: point merging and text cells measure both axes
    // with the x scale.
    int RowAtColumnScale(double y) const { return FloorSaturated((OriginY - y) * ScaleX); }

    // The mapper that draws the rectangle onto a surface of its size, its top-left at (0, 0).
    TPixelMapper MapperFor(const TRasterRect& rect) const;
    TWorldRect WorldOf(const TRasterRect& rect) const;
    // What the screen shows: the client's size from the shift on.
    TRasterRect Screen(int width, int height) const { return {ShiftX, ShiftY, width, height}; }

    double OriginX = 0, OriginY = 0;
    // Pixels per world unit.
    double ScaleX = 1, ScaleY = 1;
    int ShiftX = 0, ShiftY = 0;

    // The same lattice, whatever the shift.
    bool SameLattice(const TRasterLattice& other) const {
        return OriginX == other.OriginX && OriginY == other.OriginY && ScaleX == other.ScaleX &&
               ScaleY == other.ScaleY;
    }

private:
    bool laid_ = false;
    void Lay(double viewLeft, double viewTop, double scaleX, double scaleY);
};
