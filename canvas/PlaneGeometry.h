#pragma once
// Plane geometry shared by the shapes and the selection: distances, rotation and scaling of
// world points, and the inside test of a polygon.

#include <span>

// A world point in grid units (x east, y north), also a vertex of a polyline or a selection
// polygon: full double precision, so a vertex at a northing of 9e6 keeps its millimetres.
struct TWorldPoint {
    double X = 0;
    double Y = 0;
    bool operator==(const TWorldPoint&) const = default;
};

// Distance from (x, y) to the segment (x1, y1)-(x2, y2); the foot of the perpendicular is
// clamped to the segment, and a segment of zero length measures to its first end.
double DistanceToSegment(double x, double y, double x1, double y1, double x2, double y2);

// Rotates by angleDeg degrees counter-clockwise about (cx, cy).
TWorldPoint RotatePoint(TWorldPoint p, double angleDeg, double cx, double cy);

// (p - c) * s + c on each axis.
TWorldPoint ScalePoint(TWorldPoint p, double sx, double sy, double cx, double cy);

// Even-odd rule: every edge from vertex j to the next vertex i (the first edge closes the
// polygon from the last vertex) that a ray from (x, y) towards +x crosses flips the result.
// An edge crosses when exactly one of its ends lies above y and x is left of the edge at y,
// so horizontal edges never cross. False for an empty polygon; the winding direction does not
// matter. Points on an edge or vertex fall to one side by that rule, not by a tolerance.
bool PointInPolygon(double x, double y, std::span<const TWorldPoint> polygon);
