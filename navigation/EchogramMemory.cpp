#include "navigation/EchogramMemory.h"

#include "canvas/PixelMapper.h"

#include <algorithm>
#include <cmath>

double EchoDepths[kEchoCapacity] = {};
double EchoRows[kEchoCapacity] = {};

namespace {

constexpr int kRangeSamples = 4;  // more than three positive depths set the range
constexpr double kMinimumMargin = 0.3;
constexpr double kMarginShare = 0.1;

}  // namespace

int ClampEchoDataWidth(int dataWidth) { return std::clamp(dataWidth, 1, kEchoCapacity); }

void PushEchoDepth(double depth, int count) {
    const int n = ClampEchoDataWidth(count);
    std::copy(EchoDepths + 1, EchoDepths + n, EchoDepths);
    EchoDepths[n - 1] = std::isfinite(depth) ? depth : 0;
}

TEchoRange EchoDepthRange(int count, double lo, double hi) {
    const int n = ClampEchoDataWidth(count);
    int positive = 0;
    double minimum = 0, maximum = 0;
    for (int i = 0; i < n; ++i) {
        const double depth = EchoDepths[i];
        if (!(depth > 0)) continue;
        minimum = positive == 0 ? depth : std::min(minimum, depth);
        maximum = positive == 0 ? depth : std::max(maximum, depth);
        ++positive;
    }
    TEchoRange range{lo, hi, hi - lo};
    if (positive >= kRangeSamples && maximum > minimum) {
        const double margin = std::max(kMinimumMargin, kMarginShare * (maximum - minimum));
        // Depths near the largest double overflow the upper end; the defaults stand then.
        if (std::isfinite(maximum + margin)) {
            range = {std::max(0.0, minimum - margin), maximum + margin, 0};
            range.span = range.hi - range.lo;
        }
    }
    if (!(range.span > 0) || !std::isfinite(range.span)) range.span = 1;
    return range;
}

void FillEchoRows(int count, const TEchoRange& range, int height) {
    const int n = ClampEchoDataWidth(count);
    for (int i = 0; i < n; ++i) {
        const double depth = EchoDepths[i];
        EchoRows[i] = depth > 0 ? SaturatedTrunc((depth - range.lo) * height / range.span) : 0;
    }
}

TEchogramPicture AddEchoSample(double depth, double lo, double hi, int count, int height) {
    const int n = ClampEchoDataWidth(count);
    PushEchoDepth(depth, n);
    const TEchoRange range = EchoDepthRange(n, lo, hi);
    FillEchoRows(n, range, height);
    const double newest = EchoDepths[n - 1];
    return {n, range, newest};
}
