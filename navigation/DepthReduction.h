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
// The column is the surveyor's to edit, and the processing steps empty it while a profile is
// rebuilt. A depth whose line holds no number (an empty column, an empty line, text) is reduced
// with the single velocity instead, and the reduction says why, so the sounding is kept and the
// record names the velocity it really used.
//
// Units: metres and m/s.

#include <span>
#include <string>

constexpr double kSounderVelocity = 1500;  // m/s, the velocity the sounder's metres assume

// The profile column as the reduction reads it: its lines where they stand, so a column edited
// meanwhile is read as it is now and no sounding copies the whole column.
class TProfileColumn {
public:
    virtual ~TProfileColumn() = default;
    virtual std::size_t LineCount() const = 0;
    // Line k, for k below LineCount().
    virtual std::string Line(std::size_t k) const = 0;
};

// A column held as a list of lines.
class TProfileLines : public TProfileColumn {
public:
    explicit TProfileLines(std::span<const std::string> lines) : lines_(lines) {}
    std::size_t LineCount() const override { return lines_.size(); }
    std::string Line(std::size_t k) const override { return lines_[k]; }

private:
    std::span<const std::string> lines_;
};

struct TDepthReductionInput {
    double rawDepthHi = 0;
    double rawDepthLo = 0;
    double draft = 0;
    double soundVelocity = 0;  // the single velocity: without a profile, or where it gives none
    const TProfileColumn* profile = nullptr;  // the profile column while it is in use
};

struct TDepthReduction {
    bool reduced = false;  // false: no true depth, and `error` says why
    double trueDepthHi = 0;
    double trueDepthLo = 0;
    double velocityHi = 0;  // the velocities used, m/s
    double velocityLo = 0;
    std::string error;
    // Why a depth took the single velocity while a profile is in use; empty when none did.
    std::string profileGap;
};

// Reduces both depths, the low-frequency one looked up first. A velocity that is not positive,
// or a true depth that overflows to infinity (no vessel reports 1e308 m), gives no reduction.
TDepthReduction ReduceDepths(const TDepthReductionInput& input);

// The profile line of a raw depth in a column of `lineCount` lines (at least 1).
std::size_t ProfileLineIndex(double rawDepth, std::size_t lineCount);
