#pragma once
// Survey lines planned along a route drawn on the map, in world coordinates (grid metres).
//
// Perpendicular: along each route segment, cross-lines at t = 0, s, 2s, ... while t <= the
// segment length, each from Q + l·n to Q - l·n, where Q is the point at t and n the unit normal
// to the left of the direction of travel. The spacing restarts at every segment, so every vertex
// gets a cross-line and an inner vertex two when the previous segment is a multiple of s long.
// Segments shorter than 1 mm are skipped.
//
// Parallel: for j = 1 .. floor(l / s), the route offset by j·s to the left, then to the right,
// vertex by vertex along the vertex normal: the left normal of the first or last segment at the
// ends, and at an inner vertex the mean of its two segments' left normals, made unit length
// when that mean is longer than 1 mm. A segment of 1 mm or less has the zero normal. Normals are
// not lengthened at bends, so there the offset lines lie closer to the route than j·s.

#include "canvas/PlaneGeometry.h"

#include <QString>
#include <vector>

enum class TRunlineKind { Perpendicular, Parallel };

// More lines than this are refused: a tiny spacing or a huge length would otherwise make
// millions of shapes.
constexpr int kMaxRunlines = 100000;

using TPolylinePoints = std::vector<TWorldPoint>;

struct TRunlinePlan {
    // A spacing or length text that is not a number ("12,5" with a decimal comma among them):
    // no polylines are given.
    bool spacingRefused = false;
    bool lengthRefused = false;
    bool tooMany = false;  // over kMaxRunlines lines: no polylines are given
    // The route itself first, then the lines in the order above.
    std::vector<TPolylinePoints> polylines;
};

// Spacing s and length l (half a cross-line, or half the width of the parallel corridor) are
// read from the texts as typed; zero or negative gives s = 10 and l = 100, and a text that is
// not a number is refused rather than taken for either. A route of fewer than two points plans
// nothing.
TRunlinePlan PlanRunlines(const TPolylinePoints& route, const QString& spacingText,
                          const QString& lengthText, TRunlineKind kind);
