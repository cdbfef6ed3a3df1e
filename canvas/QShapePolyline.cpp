#include "canvas/QShapePolyline.h"

#include <algorithm>
#include <array>

namespace {

TPixel Offset(TPixel p, double fx, double fy) {
    return {SaturatedTrunc(p.X + fx), SaturatedTrunc(p.Y + fy)};
}

// The quadratic curve with P1 as its control point, as a cubic: it passes through P0 and P2.
void DrawThreePointArc(TDrawSurface& surface, std::span<const TPixel> p) {
    const std::array<TPixel, 4> curve = {
        p[0], Offset(p[0], 2.0 / 3 * (p[1].X - p[0].X), 2.0 / 3 * (p[1].Y - p[0].Y)),
        Offset(p[2], 2.0 / 3 * (p[1].X - p[2].X), 2.0 / 3 * (p[1].Y - p[2].Y)), p[2]};
    surface.PolyBezier(curve);
}

// A Catmull-Rom spline of tension 0.5 through all points, one cubic per pair; the ends are
// extended by mirroring their neighbour.
void DrawSpline(TDrawSurface& surface, std::span<const TPixel> p) {
    const size_t n = p.size();
    constexpr double k = 0.5 / 3;
    for (size_t i = 0; i + 1 < n; ++i) {
        const TPixel before = i == 0 ? TPixel{2 * p[0].X - p[1].X, 2 * p[0].Y - p[1].Y} : p[i - 1];
        const TPixel after = i + 2 == n
                                 ? TPixel{2 * p[n - 1].X - p[n - 2].X, 2 * p[n - 1].Y - p[n - 2].Y}
                                 : p[i + 2];
        const std::array<TPixel, 4> curve = {
            p[i], Offset(p[i], (p[i + 1].X - before.X) * k, (p[i + 1].Y - before.Y) * k),
            Offset(p[i + 1], -(after.X - p[i].X) * k, -(after.Y - p[i].Y) * k), p[i + 1]};
        surface.PolyBezier(curve);
    }
}

}  // namespace

void TQPolyline::DrawShape(TDrawSurface& surface, const TPixelMapper& view,
                           TColor drawColor) const {
    if (Vertices.size() < 2) return;
    surface.SetPen(drawColor, LineWidth);
    surface.SetBrush(FillColor, BrushStyle);
    // Reused between calls: a frame draws up to hundreds of thousands of polylines.
    thread_local std::vector<TPixel> pixels;
    pixels.clear();
    for (const TWorldPoint& v : Vertices) pixels.push_back({view.X(v.X), view.Y(v.Y)});
    if (ShapeType == stArc3P && pixels.size() == 3) {
        DrawThreePointArc(surface, pixels);
    } else if (ShapeType == stSpline) {
        DrawSpline(surface, pixels);
    } else if (pixels.size() == 2 || !Closed) {
        surface.Polyline(pixels);
    } else {
        surface.Polygon(pixels);
    }
}

bool TQPolyline::HitTest(double x, double y, double tolerance) const {
    for (size_t i = 1; i < Vertices.size(); ++i) {
        const TWorldPoint a = Vertices[i - 1];
        const TWorldPoint b = Vertices[i];
        if (a.X == b.X && a.Y == b.Y) continue;
        if (DistanceToSegment(x, y, a.X, a.Y, b.X, b.Y) <= tolerance) return true;
    }
    return false;
}

void TQPolyline::UpdateBounds() {
    if (Vertices.empty()) return;
    const auto [minX, maxX] = std::minmax_element(
        Vertices.begin(), Vertices.end(), [](TWorldPoint a, TWorldPoint b) { return a.X < b.X; });
    const auto [minY, maxY] = std::minmax_element(
        Vertices.begin(), Vertices.end(), [](TWorldPoint a, TWorldPoint b) { return a.Y < b.Y; });
    MinX = minX->X;
    MaxX = maxX->X;
    MinY = minY->Y;
    MaxY = maxY->Y;
}

void TQPolyline::AddVertex(double x, double y) {
    Vertices.push_back({x, y});
    UpdateBounds();
}

void TQPolyline::AddVertices(std::span<const TWorldPoint> points) {
    Vertices.insert(Vertices.end(), points.begin(), points.end());
    UpdateBounds();
}

double TQPolyline::VertexX(int i) const { return InRange(i) ? Vertices[i].X : 0.0; }

double TQPolyline::VertexY(int i) const { return InRange(i) ? Vertices[i].Y : 0.0; }

void TQPolyline::SetVertex(int i, double x, double y) {
    if (!InRange(i)) return;
    Vertices[i] = {x, y};
    UpdateBounds();
}

void TQPolyline::InsertVertex(int i, double x, double y) {
    if (i < 0 || i > VertexCount()) return;
    Vertices.insert(Vertices.begin() + i, {x, y});
    UpdateBounds();
}

void TQPolyline::DeleteVertex(int i) {
    if (!InRange(i)) return;
    Vertices.erase(Vertices.begin() + i);
    UpdateBounds();
}

void TQPolyline::MapPoints(const TPointMap& map) {
    for (TWorldPoint& v : Vertices) v = map(v);
}
