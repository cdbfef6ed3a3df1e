#include "tools/RunlineGeometry.h"

#include "platform/NumberFormat.h"

#include <cmath>

namespace {

constexpr double kDefaultSpacingM = 10;
constexpr double kDefaultLengthM = 100;
constexpr double kShortestSegmentM = 0.001;

// Unit left normal of the segment a -> b, or the zero vector when it is 1 mm or shorter.
TWorldPoint LeftNormal(TWorldPoint a, TWorldPoint b) {
    const double dx = b.X - a.X, dy = b.Y - a.Y;
    const double length = std::hypot(dx, dy);
    if (length <= kShortestSegmentM) return {};
    return {-dy / length, dx / length};
}

TWorldPoint VertexNormal(const TPolylinePoints& route, size_t i) {
    if (i == 0) return LeftNormal(route[0], route[1]);
    if (i + 1 == route.size()) return LeftNormal(route[i - 1], route[i]);
    const TWorldPoint a = LeftNormal(route[i - 1], route[i]);
    const TWorldPoint b = LeftNormal(route[i], route[i + 1]);
    TWorldPoint mean{(a.X + b.X) / 2, (a.Y + b.Y) / 2};
    const double length = std::hypot(mean.X, mean.Y);
    if (length > kShortestSegmentM) mean = {mean.X / length, mean.Y / length};
    return mean;
}

// Adds the cross-lines of every segment; false as soon as there would be too many.
bool AddCrossLines(const TPolylinePoints& route, double s, double l,
                   std::vector<TPolylinePoints>& lines) {
    for (size_t i = 0; i + 1 < route.size(); ++i) {
        const TWorldPoint p = route[i];
        const double dx = route[i + 1].X - p.X, dy = route[i + 1].Y - p.Y;
        const double w = std::hypot(dx, dy);
        if (w < kShortestSegmentM) continue;
        const TWorldPoint n{-dy / w, dx / w};
        // t as j·s, not a running sum, so the last cross-line does not drift off the vertex.
        for (double j = 0, t = 0; t <= w; ++j, t = j * s) {
            if (lines.size() > kMaxRunlines) return false;  // the route and kMaxRunlines lines
            const TWorldPoint q{p.X + dx * t / w, p.Y + dy * t / w};
            lines.push_back({{q.X + l * n.X, q.Y + l * n.Y}, {q.X - l * n.X, q.Y - l * n.Y}});
        }
    }
    return true;
}

TPolylinePoints Offset(const TPolylinePoints& route, const std::vector<TWorldPoint>& normals,
                       double offset) {
    TPolylinePoints line;
    line.reserve(route.size());
    for (size_t i = 0; i < route.size(); ++i) {
        line.push_back({route[i].X + normals[i].X * offset, route[i].Y + normals[i].Y * offset});
    }
    return line;
}

bool AddParallelLines(const TPolylinePoints& route, double s, double l,
                      std::vector<TPolylinePoints>& lines) {
    const double k = std::floor(l / s);
    if (2 * k > kMaxRunlines) return false;
    std::vector<TWorldPoint> normals;
    for (size_t i = 0; i < route.size(); ++i) normals.push_back(VertexNormal(route, i));
    for (int j = 1; j <= k; ++j) {
        lines.push_back(Offset(route, normals, j * s));
        lines.push_back(Offset(route, normals, -j * s));
    }
    return true;
}

}  // namespace

TRunlinePlan PlanRunlines(const TPolylinePoints& route, const QString& spacingText,
                          const QString& lengthText, TRunlineKind kind) {
    TRunlinePlan plan;
    if (route.size() < 2) return plan;
    double s = 0, l = 0;
    plan.spacingRefused = !TryStrToFloat(spacingText, s);
    plan.lengthRefused = !TryStrToFloat(lengthText, l);
    if (plan.spacingRefused || plan.lengthRefused) return plan;
    if (!(s > 0)) s = kDefaultSpacingM;
    if (!(l > 0)) l = kDefaultLengthM;
    plan.polylines.push_back(route);
    const bool fits = kind == TRunlineKind::Perpendicular
                          ? AddCrossLines(route, s, l, plan.polylines)
                          : AddParallelLines(route, s, l, plan.polylines);
    if (!fits) plan = {.tooMany = true};
    return plan;
}
