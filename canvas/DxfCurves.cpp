// The entities that become polylines: arcs and ellipses approximated by vertices, splines
// through their control points, and the two kinds of DXF polyline.

#include "canvas/DxfEntityParts.h"
#include "canvas/DxfFields.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int kArcSegments = 20;
constexpr int kEllipseSegments = 36;
constexpr double kFullTurnDeg = 360;
constexpr double kFullTurn = 2 * std::numbers::pi;
// An elliptical arc that sweeps this much (a full turn less 0.01) is a closed ellipse.
constexpr double kClosedEllipseSweep = 6.2731853071795864;
// The closed bit of group 70 of SPLINE, LWPOLYLINE and POLYLINE.
constexpr int kDxfClosedFlag = 1;
// Polyline flags (group 70) of the meshes, whose vertices are not a chain.
constexpr int kPolygonMeshFlag = 16;
constexpr int kPolyfaceMeshFlag = 64;

// Vertices of the polyline being read: reused, as a drawing holds hundreds of thousands.
std::vector<TWorldPoint>& Scratch() {
    thread_local std::vector<TWorldPoint> points;
    points.clear();
    return points;
}

// Colour (62) and flags (70) of SPLINE, LWPOLYLINE and POLYLINE, which say whether it is closed.
struct TChainStyle {
    int color = -1;
    int flags = 0;

    void Take(int code, std::string_view value) {
        if (code == 62) color = DxfInteger(value);
        if (code == 70) flags = DxfInteger(value);
    }
    void Add(TDxfDrawing& drawing, const std::vector<TWorldPoint>& points) const {
        AddDxfPolyline(drawing, points, (flags & kDxfClosedFlag) != 0,
                       DxfShapeColor(drawing, color));
    }
};

}  // namespace

// "  0 / ARC / 10 / 0 / 20 / 0 / 40 / 5 / 50 / 350 / 51 / 10": counter-clockwise from the start
// angle to the end angle, here 20 degrees across 0.
bool ReadDxfArc(TDxfLines& lines, TDxfDrawing& drawing) {
    double x = 0, y = 0, radius = 0, startDeg = 0, endDeg = kFullTurnDeg;
    int color = -1;
    TDxfFields fields;
    fields.Real(10, x).Real(20, y).Real(40, radius).Real(50, startDeg).Real(51, endDeg);
    if (!fields.Integer(62, color).Read(lines)) return false;
    double sweepDeg = endDeg - startDeg;
    if (sweepDeg < 0) sweepDeg += kFullTurnDeg;
    std::vector<TWorldPoint>& points = Scratch();
    for (int i = 0; i <= kArcSegments; ++i) {
        const double a = (startDeg + sweepDeg * i / kArcSegments) * std::numbers::pi / 180;
        points.push_back({x + radius * std::cos(a), y + radius * std::sin(a)});
    }
    AddDxfPolyline(drawing, points, false, DxfShapeColor(drawing, color));
    return true;
}

// "  0 / ELLIPSE / 10 / 0 / 20 / 0 / 11 / 4 / 21 / 0 / 40 / 0.5 / 41 / 0 / 42 / 6.283185":
// the major axis (11, 21) relative to the centre, the minor one as a ratio of it, and the
// arc from parameter 41 to 42 counter-clockwise, across 0 when the end is below the start.
bool ReadDxfEllipse(TDxfLines& lines, TDxfDrawing& drawing) {
    double cx = 0, cy = 0, mx = 0, my = 0, ratio = 1, start = 0, end = kFullTurn;
    int color = -1;
    TDxfFields fields;
    fields.Real(10, cx).Real(20, cy).Real(11, mx).Real(21, my).Real(40, ratio);
    fields.Real(41, start).Real(42, end).Integer(62, color);
    if (!fields.Read(lines)) return false;
    const double a = std::hypot(mx, my);
    const double b = ratio * a;
    const double theta = std::atan2(my, mx);
    double sweep = end - start;
    if (sweep < 0) sweep += kFullTurn;
    std::vector<TWorldPoint>& points = Scratch();
    for (int i = 0; i <= kEllipseSegments; ++i) {
        const double t = start + sweep * i / kEllipseSegments;
        points.push_back(
            {cx + a * std::cos(t) * std::cos(theta) - b * std::sin(t) * std::sin(theta),
             cy + a * std::cos(t) * std::sin(theta) + b * std::sin(t) * std::cos(theta)});
    }
    const bool closed = std::abs(sweep) >= kClosedEllipseSweep;
    AddDxfPolyline(drawing, points, closed, DxfShapeColor(drawing, color));
    return true;
}

// "  0 / SPLINE / 70 / 8 / 10 / 0 / 20 / 0 / 10 / 5 / 20 / 2 ...": drawn through its control
// points; the fit points (11, 21) are not read.
bool ReadDxfSpline(TDxfLines& lines, TDxfDrawing& drawing) {
    std::vector<TWorldPoint>& points = Scratch();
    std::size_t xs = 0, ys = 0;
    TChainStyle style;
    const bool whole = lines.ReadGroups([&](int code, std::string_view value) {
        if (code == 10) {
            if (xs == points.size()) points.push_back({});
            points[xs++].X = DxfReal(value);
        } else if (code == 20) {
            if (ys == points.size()) points.push_back({});
            points[ys++].Y = DxfReal(value);
        } else {
            style.Take(code, value);
        }
    });
    if (!whole) return false;
    if (xs >= 2 && xs == ys) style.Add(drawing, points);
    return true;
}

// "  0 / LWPOLYLINE / 90 / 3 / 70 / 1 / 10 / 0 / 20 / 0 / 10 / 4 / 20 / 0 / 10 / 4 / 20 / 3":
// a group 20 after a group 10 completes a vertex; the count (90) is not trusted.
bool ReadDxfLwPolyline(TDxfLines& lines, TDxfDrawing& drawing) {
    std::vector<TWorldPoint>& points = Scratch();
    double x = 0;
    bool xPending = false;
    TChainStyle style;
    const bool whole = lines.ReadGroups([&](int code, std::string_view value) {
        if (code == 10) {
            x = DxfReal(value);
            xPending = true;
        } else if (code == 20) {
            if (xPending) points.push_back({x, DxfReal(value)});
            xPending = false;
        } else {
            style.Take(code, value);
        }
    });
    if (!whole) return false;
    style.Add(drawing, points);
    return true;
}

// "  0 / POLYLINE / 66 / 1 / 70 / 1 /  0 / VERTEX / 10 / 0 / 20 / 0 / 0 / VERTEX ... / 0 /
// SEQEND": the header, then one VERTEX entity per vertex up to the first other type, normally
// SEQEND, which is left to the section's scan. Meshes (flags 16 and 64), whose vertices are a
// grid or faces rather than a chain, are skipped with their vertices.
bool ReadDxfPolyline(TDxfLines& lines, TDxfDrawing& drawing) {
    TChainStyle style;
    TDxfFields header;
    if (!header.Integer(62, style.color).Integer(70, style.flags).Read(lines)) return false;
    if ((style.flags & (kPolygonMeshFlag | kPolyfaceMeshFlag)) != 0) return true;
    std::vector<TWorldPoint>& points = Scratch();
    for (;;) {
        const std::size_t typeLine = lines.Position();
        if (lines.AtEnd()) return false;
        if (lines.Next() != "VERTEX") {
            lines.Seek(typeLine);
            break;
        }
        TWorldPoint p;
        TDxfFields vertex;
        if (!vertex.Real(10, p.X).Real(20, p.Y).Read(lines)) return false;
        points.push_back(p);
    }
    style.Add(drawing, points);
    return true;
}
