#pragma once
// The three steps that turn a sound-velocity cast into the profile column, without windows.
//
// 1. Extraction: every source line is scanned with the surveyor's pattern into two numbers, a
//    sound velocity and a depth in the order the pattern gives them; the pair is written as
//    "depth,sv" (depth rounded to whole metres, sv with 3 decimals).
// 2. Averaging: the speeds of each whole metre are averaged into line k = "k,mean,hits" of a
//    list of lines 0 to N; the metres below the deepest measurement take its speed, with 0 hits.
// 3. Column: line k of the column is the mean of the averaged speeds from 0 to k metres, the
//    mean sound velocity of the water column down to k metres, with 2 decimals.
//
// The lists are texts the surveyor may edit between the steps (the graph window writes the
// averaged list back without its empty lines), so each step reads lines for what they say:
// step 2 skips a line that is not a depth and a speed, and step 3 takes depth k from the first
// line whose depth number is k, whatever its place in the list.
//
// Units: metres and m/s.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

constexpr int kMaxProfileDepth = 12000;    // m, the deepest column "Max Depth" accepts
constexpr double kMinCastVelocity = 1350;  // m/s, extraction takes the limits themselves
constexpr double kMaxCastVelocity = 1600;
constexpr double kMinColumnVelocity = 1300;  // m/s, the column refuses the limits themselves
constexpr double kMaxColumnVelocity = 1700;

// "Max Depth" as a whole number of metres from 0 to kMaxProfileDepth; nothing for any other
// text.
std::optional<int> ReadMaxDepth(std::string_view text);

// A list of lines 0 to N as the steps write them: it starts as N empty lines (0 to N - 1), a
// write at N adds the last line, and writes below 0 or above N are dropped. Reading a line
// outside the list gives an empty line.
class TDepthLines {
public:
    explicit TDepthLines(int maxDepth);

    const std::string& Get(long long k) const;
    void Put(long long k, std::string line);
    std::vector<std::string> Take() { return std::move(lines_); }

private:
    std::vector<std::string> lines_;
    long long maxDepth_;
};

// What the surveyor answers to a speed outside kMinCastVelocity to kMaxCastVelocity.
enum class TOutOfRangeAnswer { SkipLine, EndStep };
// Called with the speed and the source line's number (from 1).
using TOutOfRangeQuestion = std::function<TOutOfRangeAnswer(double speed, std::size_t line)>;

// True when the pattern reads exactly two numbers, both as "%lf".
bool ExtractionPatternFits(std::string_view pattern);

// Step 1. Lines whose scan does not give two numbers are skipped silently; a speed out of range
// is asked about. Nothing is extracted with a pattern that does not fit.
std::vector<std::string> ExtractSoundVelocities(std::span<const std::string> source,
                                                std::string_view pattern, bool svFirst,
                                                const TOutOfRangeQuestion& outOfRange);

// Step 2: lines 0 to maxDepth.
std::vector<std::string> AverageSoundVelocities(std::span<const std::string> extracted,
                                                int maxDepth);

enum class TColumnFailure {
    None,
    NoSurfaceVelocity,  // depth 0 gives no speed; the column keeps its empty lines
    OutOfRange,         // the mean or the speed at `failedDepth` is out of range; no column
};

struct TProfileColumnBuild {
    std::vector<std::string> lines;
    TColumnFailure failure = TColumnFailure::None;
    long long failedDepth = 0;
};

// Step 3: lines 0 to maxDepth, from the averaged list.
TProfileColumnBuild BuildProfileColumn(std::span<const std::string> averaged, int maxDepth);
