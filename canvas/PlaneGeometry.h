#pragma once
// Plane geometry shared by the shapes: distances, rotation and scaling of world points.

struct TWorldPoint {
    double X = 0;
    double Y = 0;
};

// Distance from (x, y) to the segment (x1, y1)-(x2, y2); the foot of the perpendicular is
// clamped to the segment, and a segment of zero length measures to its first end.
double DistanceToSegment(double x, double y, double x1, double y1, double x2, double y2);

// Rotates by angleDeg degrees counter-clockwise about (cx, cy).
TWorldPoint RotatePoint(TWorldPoint p, double angleDeg, double cx, double cy);

// (p - c) * s + c on each axis.
TWorldPoint ScalePoint(TWorldPoint p, double sx, double sy, double cx, double cy);
