#include "navigation/DepthReduction.h"

#include "platform/NumberFormat.h"

#include <cmath>

namespace {

// The profile's velocity for one raw depth, or false with the reason in `gap`.
bool ProfileVelocity(const TProfileColumn& profile, double rawDepth, double& velocity,
                     std::string& gap) {
    if (profile.LineCount() == 0) {
        gap = "The sound velocity profile is empty";
        return false;
    }
    const std::size_t index = ProfileLineIndex(rawDepth, profile.LineCount());
    const std::string line = profile.Line(index);
    if (TryStrToFloat(line, velocity)) return true;
    const std::string number = IntToStr(static_cast<long long>(index));
    gap = line.find_first_not_of(" \t") == std::string::npos
              ? "Sound velocity profile line " + number + " is empty"
              : "Sound velocity profile line " + number + " '" + line + "' is not a number";
    return false;
}

// The velocity for one raw depth, or false with the reason in `error`.
bool VelocityFor(const TDepthReductionInput& input, double rawDepth, double& velocity,
                 TDepthReduction& result) {
    std::string gap;
    if (!input.profile || !ProfileVelocity(*input.profile, rawDepth, velocity, gap)) {
        velocity = input.soundVelocity;
    }
    if (result.profileGap.empty()) result.profileGap = gap;
    if (velocity > 0) return true;
    result.error = "Sound velocity " + FloatToStr(velocity) + " m/s is not positive";
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
    if (!VelocityFor(input, input.rawDepthLo, result.velocityLo, result) ||
        !VelocityFor(input, input.rawDepthHi, result.velocityHi, result)) {
        return result;
    }
    result.reduced = TrueDepth(input.draft, input.rawDepthLo, result.velocityLo, result.trueDepthLo,
                               result.error) &&
                     TrueDepth(input.draft, input.rawDepthHi, result.velocityHi, result.trueDepthHi,
                               result.error);
    return result;
}
