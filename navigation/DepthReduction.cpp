#include "navigation/DepthReduction.h"

#include "platform/NumberFormat.h"

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
    result.trueDepthLo = input.draft + input.rawDepthLo * result.velocityLo / kSounderVelocity;
    result.trueDepthHi = input.draft + input.rawDepthHi * result.velocityHi / kSounderVelocity;
    result.reduced = true;
    return result;
}
