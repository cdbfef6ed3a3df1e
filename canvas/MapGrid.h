#pragma once
// The coordinate grid: dotted lines at whole multiples of the spacing, drawn into the map
// picture on the lattice (their dots keep their place on it, so every tile agrees), and their
// labels along the bottom and the left edge of the screen, drawn over the picture at every
// paint.

#include "canvas/CanvasModel.h"
#include "canvas/DrawSurface.h"
#include "canvas/RasterLattice.h"

#include <QString>
#include <vector>

// The 1-2-5 step nearest above or below `target`: p * 1, 2, 5 or 10 with p the power of ten
// at or below it. 0 for a target that is not a positive number.
double NiceStep(double target);

// A denser grid covers the map in grey and costs a line per pixel; the direction is then
// left out.
constexpr int kMaxGridLines = 2000;

// The world positions of the lines from the multiple of spacing at or below `from` up to
// `to`; empty when spacing is not positive or more than kMaxGridLines would be needed.
std::vector<double> GridLinePositions(double from, double to, double spacing);

// The label of a line: up to one decimal for a spacing of 1 or more, up to three below,
// trailing zeros dropped.
QString GridLabel(double value, double spacing);

struct TGridSpacing {
    double X = 0, Y = 0;
};
// The spacing the grid is drawn with: the fields, or the nice step of a quarter of the view
// width (at the lattice's scale, which a pan keeps) when automatic or not positive.
TGridSpacing ChooseGridSpacing(const TCanvasModel& model);

// The grid's lines in a rectangle of the lattice, onto a surface of its size, when the grid is
// switched on.
void DrawGridLines(const TCanvasModel& model, const TRasterLattice& lattice,
                   const TRasterRect& rect, TDrawSurface& surface);
// The labels of the lines on the screen, when the grid is switched on.
void DrawGridLabels(const TCanvasModel& model, TDrawSurface& surface);
