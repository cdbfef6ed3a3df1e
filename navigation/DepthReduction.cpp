#include "navigation/DepthReduction.h"

#include "platform/NumberFormat.h"

#include <cmath>

namespace {

// The velocity for one raw depth, or false with the reason in `error`.
bool VelocityFor(const TDepthReductionInput& input, double rawDepth, double& velocity,
                 std::string& error) {
    if (!input.useProfile) {
        velocity = input.soundVelocity;
    } else if (input.profile.empty()) {
        error = "The sound velocity profile is empty";
        return false;
    } else {
        const std::size_t line = ProfileLineIndex(rawDepth, input.profile.size());
        if (!TryStrToFloat(input.profile[line], velocity)) {
            error = "Sound velocity profile line " + IntToStr(static_cast<long long>(line)) + " '" +
                    input.profile[line] + "' is not a number";
            return false;
        }
    }
    if (velocity > 0) return true;
    error = "Sound velocity " + FloatToStr(velocity) + " m/s is not positive";
    return false;
}

// draft + raw depth x velocity / 1500, or false with the reason in `error` when it is not finite.
bool TrueDepth(double draft, double rawDepth, double velocity, double& depth, std::string& error) {
    depth = draft + rawDepth * velocity / kSounderVelocity;
    if (std::isfinite(depth)) return true;
    error = "Raw depth " + FloatToStr(rawDepth) + " m at " + FloatToStr(velocity) +
            " m/s gives no finite depth";
    return false;
}

}  // namespace

std::size_t ProfileLineIndex(double rawDepth, std::size_t lineCount) {
    const double rounded = rawDepth + 0.5;
    const auto last = static_cast<double>(lineCount - 1);
    // Compared as doubles first, so a huge or non-finite depth never reaches the cast.
    if (!(rounded >= 0)) return 0;
    if (rounded >= last) return lineCount - 1;
    return static_cast<std::size_t>(rounded);
}

TDepthReduction ReduceDepths(const TDepthReductionInput& input) {
    TDepthReduction result;
    if (!VelocityFor(input, input.rawDepthLo, result.velocityLo, result.error) ||
        !VelocityFor(input, input.rawDepthHi, result.velocityHi, result.error)) {
        return result;
    }
    result.reduced = TrueDepth(input.draft, input.rawDepthLo, result.velocityLo, result.trueDepthLo,
                               result.error) &&
                     TrueDepth(input.draft, input.rawDepthHi, result.velocityHi, result.trueDepthHi,
                               result.error);
    return result;
}
