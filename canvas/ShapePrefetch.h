#pragma once
// Shapes lie apart on the heap, so a scan over a million of them waits for memory at every
// shape. Asking for the shape a few places ahead while working on this one hides that wait.

#include "canvas/QShape.h"

#include <cstddef>
#include <memory>
#include <vector>

using TShapeList = std::vector<std::unique_ptr<TQShape>>;

constexpr size_t kShapePrefetchDistance = 8;

// The first three cache lines hold every field the scans read.
inline void PrefetchShape(const TQShape* shape) {
    const char* bytes = reinterpret_cast<const char*>(shape);
    __builtin_prefetch(bytes);
    __builtin_prefetch(bytes + 64);
    __builtin_prefetch(bytes + 128);
}

// For a scan from the first shape to the last, standing at position i.
inline void PrefetchAfter(const TShapeList& shapes, size_t i) {
    if (i + kShapePrefetchDistance < shapes.size()) {
        PrefetchShape(shapes[i + kShapePrefetchDistance].get());
    }
}

// For a scan from the last shape to the first, standing at position i.
inline void PrefetchBefore(const TShapeList& shapes, size_t i) {
    if (i >= kShapePrefetchDistance) PrefetchShape(shapes[i - kShapePrefetchDistance].get());
}
