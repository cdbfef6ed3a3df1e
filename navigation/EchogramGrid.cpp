#include "navigation/EchogramGrid.h"

#include "canvas/PixelMapper.h"
#include "platform/NumberFormat.h"

#include <cmath>

namespace {

constexpr double kRatioTolerance = 1e-9;
constexpr double kQuarter = 4;
constexpr double kFactors[] = {1, 2, 2.5, 5};
// A bound the lines of any step stay below (at most five), against a loop on a value that
// does not grow.
constexpr int kMaxLines = 16;

}  // namespace

TEchoGridStep EchoGridStep(double span) {
    const double r = span / kQuarter;
    int exponent = static_cast<int>(std::floor(std::log10(r)));
    const double ratio = r / std::pow(10.0, exponent);
    double factor = 1;
    ++exponent;  // the step of ten times the power
    for (const double candidate : kFactors) {
        if (ratio <= candidate * (1 + kRatioTolerance)) {
            factor = candidate;
            --exponent;
            break;
        }
    }
    // Read from the exponent, the decimals do not hang on how 10^-2 rounds.
    const int decimals = exponent <= -2 ? 2 : exponent <= -1 ? 1 : 0;
    return {factor * std::pow(10.0, exponent), decimals};
}

std::vector<TEchoGridLine> EchoGridLines(const TEchoRange& range, int height) {
    const TEchoGridStep grid = EchoGridStep(range.span);
    std::vector<TEchoGridLine> lines;
    const double first = std::ceil(range.lo / grid.step);
    for (int i = 0; i < kMaxLines; ++i) {
        const double value = (first + i) * grid.step;
        if (!(value <= range.hi)) break;
        const int row = SaturatedTrunc((value - range.lo) * height / range.span);
        if (row <= height) lines.push_back({row, FloatToStrF(value, 20, grid.decimals) + "m"});
    }
    return lines;
}
