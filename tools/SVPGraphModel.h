#pragma once
// The sound-velocity graph without its widgets: the plotted points of an averaged profile, the
// view that maps them to pixels, the lasso, and what a drag, a zoom or a deletion does to them.
//
// The plot shows sound velocity across (m/s, left to right) and depth down (m, top to bottom)
// inside margins of the paint box. The view is always finite: a zoom that would leave the
// range of doubles is refused, and one on an axis of zero span (a single point, a single
// depth) centres on the cursor. Pixels are kept within kPixelLimit of the plot, so a point far
// outside the view maps to a pixel that integer arithmetic can hold.

#include "canvas/DrawSurface.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct TSVPPoint {
    std::int32_t Depth = 0;  // m
    double SV = 0;           // m/s
    std::int32_t Hits = 0;   // measurements averaged; 0 for a filled depth
    bool Selected = false;   // by the lasso or a grid click; drawn red
};

// SV at the plot's left and right edges, depth at its top and bottom edges.
struct TSVPView {
    double svLeft = 1600;
    double svRight = 1300;
    double depthTop = 10000;
    double depthBottom = 0;
};

// Grid lines: `count` values from `first`, `step` apart.
struct TGridLines {
    double first = 0;
    double step = 0;
    long long count = 0;
};

class TSVPPlot {
public:
    static constexpr int kMarginLeft = 60;  // px between the paint box border and the plot
    static constexpr int kMarginTop = 20;
    static constexpr int kMarginRight = 20;
    static constexpr int kMarginBottom = 40;
    static constexpr int kHitRadius = 7;        // px each way
    static constexpr int kLassoStep = 3;        // px a new lasso vertex lies beyond the last
    static constexpr int kPixelLimit = 100000;  // px beyond the plot that a point may map to

    std::vector<TSVPPoint> Points;
    std::vector<TPixel> Lasso;
    bool Lassoing = false;
    bool Dragging = false;
    int DragIndex = -1;
    // Set by every rebuild from the grid, by a drag and by a deletion; never cleared.
    bool Modified = false;
    TSVPView View;
    int PlotWidth = 700;  // the paint box's size, px
    int PlotHeight = 500;

    // Every line "depth,sv[,hits]" becomes a point (1 hit when hits is missing); other lines,
    // the empty lines of the averaged list among them, are skipped. Then the view is fitted.
    void ReadPointLines(std::span<const std::string> lines);
    // One line per point: depth, SV with 2 decimals, hits.
    std::vector<std::string> PointLines() const;

    // Fits the view to the points; nothing without points.
    void ResetView();
    int SVToX(double sv) const;
    int DepthToY(double depth) const;
    double XToSV(int x) const;
    double YToDepth(int y) const;
    // The first point within kHitRadius of the pixel both ways; -1 for none.
    int HitTest(int x, int y) const;
    // Even-odd rule over the lasso's vertices; false with fewer than 3.
    bool PointInLasso(int x, int y) const;
    // Selects exactly the points inside the lasso; returns how many.
    int SelectInLasso();

    // Zooms about the cursor pixel, in for a positive wheel delta; no span below 5.
    void ZoomAt(int x, int y, int wheelDelta);
    // Moves the dragged point to the SV under x when it lies within 1300 to 1700 m/s; returns
    // whether it moved.
    bool DragTo(int x);
    // Appends a lasso vertex unless it lies within kLassoStep of the last one both ways.
    void ExtendLasso(int x, int y);
    // Keeps the unselected points, empties the lasso and refits the view.
    void DeleteSelected();

    // The grid lines inside the view, at most one per pixel of the plot.
    TGridLines SVGridLines() const;
    TGridLines DepthGridLines() const;

    int PlotLeft() const { return kMarginLeft; }
    int PlotTop() const { return kMarginTop; }
    int PlotRight() const { return PlotWidth - kMarginRight; }
    int PlotBottom() const { return PlotHeight - kMarginBottom; }
};

// The grid's three cells of a point: depth, SV with 2 decimals, hits.
std::array<std::string, 3> GridRow(const TSVPPoint& point);

// The points of the grid's rows, only when every row converts (hits "1" when its cell does
// not); otherwise nothing, with the conversion message of the first bad cell.
std::optional<std::vector<TSVPPoint>> PointsOfGridRows(
    std::span<const std::array<std::string, 3>> rows, std::string& error);
