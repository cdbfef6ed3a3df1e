#pragma once
// Reduction of raw echo-sounder depths to true depths below the waterline.
//
// A sounder turns travel time into metres at 1500 m/s. The true depth is the transducer draft
// plus the raw depth scaled by the water's real mean sound velocity over 1500. That velocity is
// one value for the whole water column, or it comes from a profile column: line k of the column
// holds the mean velocity from the surface down to k metres. A raw depth takes the line of its
// rounded whole metres (add 0.5, truncate), clamped to the column, so a sounding deeper than the
// profile takes its last line and one above the surface line 0.
//
// Units: metres and m/s.

#include <span>
#include <string>

constexpr double kSounderVelocity = 1500;  // m/s, the velocity the sounder's metres assume

struct TDepthReductionInput {
    double rawDepthHi = 0;
    double rawDepthLo = 0;
    double draft = 0;
    double soundVelocity = 0;  // the single velocity, used when no profile is given
    // The profile column's lines while the profile is in use; empty for none.
    std::span<const std::string> profile;
    bool useProfile = false;
};

struct TDepthReduction {
    bool reduced = false;  // false: no true depth, and `error` says why
    double trueDepthHi = 0;
    double trueDepthLo = 0;
    double velocityHi = 0;  // the velocities used, m/s
    double velocityLo = 0;
    std::string error;
};

// Reduces both depths, the low-frequency one looked up first. A profile line that is not a
// number, an empty profile, a velocity that is not positive, or a true depth that overflows to
// infinity (no vessel reports 1e308 m) gives no reduction.
TDepthReduction ReduceDepths(const TDepthReductionInput& input);

// The profile line of a raw depth in a column of `lineCount` lines (at least 1).
std::size_t ProfileLineIndex(double rawDepth, std::size_t lineCount);
