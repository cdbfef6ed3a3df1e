#pragma once
// Shapes lie apart on the heap, so a scan over a million of them waits for memory at every
// shape. Asking for the shape a few places ahead while working on this one hides that wait.

#include "canvas/QShape.h"

#include <cstddef>

// How far ahead a scan asks for shapes.
constexpr size_t kPrefetchAhead = 8;

// The first three cache lines hold every field the scans read.
inline void PrefetchShape(const TQShape* shape) {
    const char* bytes = reinterpret_cast<const char*>(shape);
    __builtin_prefetch(bytes);
    __builtin_prefetch(bytes + 64);
    __builtin_prefetch(bytes + 128);
}
