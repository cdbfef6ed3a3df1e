#include "canvas/PlaneGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

double DistanceToSegment(double x, double y, double x1, double y1, double x2, double y2) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double lengthSquared = dx * dx + dy * dy;
    if (lengthSquared == 0) return std::hypot(x - x1, y - y1);
    const double t = std::clamp(((x - x1) * dx + (y - y1) * dy) / lengthSquared, 0.0, 1.0);
    return std::hypot(x - (x1 + t * dx), y - (y1 + t * dy));
}

TWorldPoint RotatePoint(TWorldPoint p, double angleDeg, double cx, double cy) {
    const double a = angleDeg * std::numbers::pi / 180.0;
    const double c = std::cos(a);
    const double s = std::sin(a);
    return {cx + c * (p.X - cx) - s * (p.Y - cy), cy + s * (p.X - cx) + c * (p.Y - cy)};
}

TWorldPoint ScalePoint(TWorldPoint p, double sx, double sy, double cx, double cy) {
    return {(p.X - cx) * sx + cx, (p.Y - cy) * sy + cy};
}

bool PointInPolygon(double x, double y, std::span<const TWorldPoint> polygon) {
    bool inside = false;
    const size_t n = polygon.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const double xi = polygon[i].X, yi = polygon[i].Y;
        const double xj = polygon[j].X, yj = polygon[j].Y;
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
    }
    return inside;
}
