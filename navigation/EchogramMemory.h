#pragma once
// The echogram's sample memory and the arithmetic of one new sample, without widgets.
//
// The memory holds the last depths, oldest first, and the pixel row of each; the drawing shows
// the first `count` entries (the window's DataWidth) as columns from the top edge down to their
// row, over a depth range that follows the samples. A depth that is zero, negative or not a
// number a vessel reports (infinite) is no sample: it leaves a gap. No value that is not finite
// ever reaches an integer: pixel positions are truncated with SaturatedTrunc, which stops far
// outside any window.
//
// Units: metres for depths, pixels for rows. User-interface thread only.

inline constexpr int kEchoCapacity = 200;
inline constexpr int kDefaultEchoDataWidth = 50;
// The depth range, metres, while fewer than four samples set one.
inline constexpr double kEchoDefaultLo = 0;
inline constexpr double kEchoDefaultHi = 50;

// The depth history, the oldest sample first, and the pixel row of each entry. Both start at
// zero and live for the whole program run.
extern double EchoDepths[kEchoCapacity];
extern double EchoRows[kEchoCapacity];

// The number of samples drawn, limited to 1..kEchoCapacity.
int ClampEchoDataWidth(int dataWidth);

// The depth range drawn: depth lo at the top row, lo + span at the bottom edge.
struct TEchoRange {
    double lo = kEchoDefaultLo;
    double hi = kEchoDefaultHi;
    double span = kEchoDefaultHi - kEchoDefaultLo;  // hi - lo, or 1 where that is not positive
};

// What the paint needs beyond the memory: how many entries, over which range, and the depth
// of the newest sample for its box (0 for none).
struct TEchogramPicture {
    int count = 0;  // 0 until the first sample
    TEchoRange range;
    double depth = 0;
};

// Shifts the first `count` entries one place towards the start and stores the depth as the
// newest; a depth that is not finite is stored as 0.
void PushEchoDepth(double depth, int count);
// Over the first `count` entries: with more than three positive depths that differ, their
// extent with a margin of max(0.3, a tenth of it), not above the surface; else lo to hi.
TEchoRange EchoDepthRange(int count, double lo, double hi);
// EchoRows of the first `count` entries for a client `height` pixels tall: the whole part of
// (depth - lo) * height / span for a positive depth, else 0.
void FillEchoRows(int count, const TEchoRange& range, int height);

// One new sample, the history, range and rows in turn, for a client `height` pixels tall;
// `count` is limited to 1..kEchoCapacity.
TEchogramPicture AddEchoSample(double depth, double lo, double hi, int count, int height);
