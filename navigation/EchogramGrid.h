#pragma once
// The echogram's depth grid: a round step that gives two to five lines over the range, the row
// of each multiple of it, and its label.
//
// The step is 1, 2, 2.5, 5 or 10 times a power of ten, the first not below a quarter of the
// span. The ratio is compared with a relative tolerance, so that a span that differs from a
// round one only by rounding (10.7 - 9.7 is 1.0000000000000018) still gets its round step, and
// each grid value is the step times a whole number rather than a running sum.

#include "navigation/EchogramMemory.h"

#include <string>
#include <vector>

struct TEchoGridStep {
    double step = 0;   // metres
    int decimals = 0;  // of the labels: 2 below 0.1 m, 1 below 1 m, else 0
};

// The step for a positive, finite span in metres.
TEchoGridStep EchoGridStep(double span);

struct TEchoGridLine {
    int row = 0;        // pixels from the top edge
    std::string label;  // "10m", "9.8m", "0.05m"
};

// Every multiple of the step from the range's lo to its hi whose row lies within a client
// `height` pixels tall, top first.
std::vector<TEchoGridLine> EchoGridLines(const TEchoRange& range, int height);
