#pragma once
// The map's shapes and grid, drawn on the pixel lattice (RasterLattice.h) one rectangle of it at
// a time, in two parts: the base (background, the grid when it lies under the shapes, and every
// shape but the texts) and the top, drawn over a copy of the base (the texts, then the grid when
// it lies over the shapes). The live layer's shapes are neither: they are drawn on the screen at
// every paint. MapPicture.h keeps the rectangles as tiles.
//
// A rectangle is drawn the same way whatever the view, so a tile drawn a minute ago is the
// tile that would be drawn now: every rule below looks at the lattice and the drawing, never at
// the screen.
//
// Culling keeps a tile cheap with hundreds of thousands of shapes: runs of shapes whose block
// box lies off the tile are passed over whole; shapes of hidden layers and shapes whose boxes
// lie off the tile (grown by a few pixels for pens and point markers) are skipped, sub-pixel
// shapes too; only the first point to fall in each 3-pixel cell of the lattice is drawn, and
// only the first text in each 60-pixel cell; and a tile draws at most 500,000 shapes.

#include "canvas/CanvasModel.h"
#include "canvas/DrawSurface.h"
#include "canvas/RasterLattice.h"

#include <cstddef>
#include <vector>

constexpr int kMaxDrawnShapes = 500000;
// Pens and point markers reach this far beyond a shape's box; a shape whose box lies further
// off a rectangle leaves no pixel in it.
constexpr int kInkMarginPixels = 8;

// What drawing a base leaves for the shapes appended to it later.
struct TBaseState {
    int Drawn = 0;
    // The point cells near the rectangle that a point has taken.
    std::vector<bool> TakenPointCells;
};

// Draws the base of the rectangle onto a surface of its size.
TBaseState DrawMapBase(const TCanvasModel& model, const TRasterLattice& lattice,
                       const TRasterRect& rect, TDrawSurface& surface);
// Draws over a base the shapes from position `first` on, appended since it was drawn, as the
// base would show them: whatever is appended lies on top.
void DrawAppendedShapes(const TCanvasModel& model, const TRasterLattice& lattice,
                        const TRasterRect& rect, TDrawSurface& surface, size_t first,
                        TBaseState& state);
// Draws the top of the rectangle over its base; returns how many texts it drew.
int DrawMapTop(const TCanvasModel& model, const TRasterLattice& lattice, const TRasterRect& rect,
               TDrawSurface& surface);
// Draws the live layer's shapes on the screen surface, in drawing order.
void DrawLiveShapes(const TCanvasModel& model, TDrawSurface& surface);
