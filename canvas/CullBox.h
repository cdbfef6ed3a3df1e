#pragma once
// A shape's bounding box in single precision, rounded outward, kept by the store in one
// contiguous array beside the shapes: a frame tests a million boxes against the view without
// touching the shapes themselves, then checks the few that pass exactly.

#include "canvas/QShape.h"

struct TCullBox {
    float MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;

    // Whether the box may reach into the world rectangle; never false for a box that does.
    bool MayOverlap(double left, double right, double bottom, double top) const {
        return MaxX >= left && MinX <= right && MaxY >= bottom && MinY <= top;
    }
};

TCullBox CullBoxOf(const TQShape& shape);

// What a frame needs to know of a shape before it looks at the shape: a survey point (TQPoint),
// a text (kind code 11) or any other.
enum class TCullKind : char { Other, Point, Text };

TCullKind CullKindOf(const TQShape& shape);
