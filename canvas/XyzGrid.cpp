#include "canvas/XyzGrid.h"

#include "platform/ScanPattern.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr std::size_t kMinGridSamples = 11;
constexpr std::size_t kExaminedSamples = 1000;
constexpr std::size_t kStepWindow = 49;
constexpr std::size_t kRegularityWindow = 9;
constexpr std::size_t kEnoughTrials = 100;
// Differences at or below this are the same coordinate.
constexpr double kSameCoordinate = 1e-9;
constexpr double kLargestStep = 1e20;
constexpr double kMultipleTolerance = 0.1;
constexpr int kGridPercent = 79;  // more than this share of hits makes a grid

bool IsComment(std::string_view line) {
    return line.empty() || line.front() == '#' || line.front() == ';';
}

// Reads x, y and z from the line, commas standing for blanks.
bool ReadSample(std::string_view line, std::string& buffer, TXyzSample& sample) {
    buffer.assign(line);
    std::replace(buffer.begin(), buffer.end(), ',', ' ');
    return ScanText(buffer, "%lf %lf %lf", {&sample.X, &sample.Y, &sample.Z}) == 3;
}

// The smallest absolute x and y differences above kSameCoordinate between each sample and the
// kStepWindow samples after it.
void FindSteps(std::span<const TXyzSample> samples, double& dx, double& dy) {
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const std::size_t last = std::min(samples.size() - 1, i + kStepWindow);
        for (std::size_t j = i + 1; j <= last; ++j) {
            const double ddx = std::fabs(samples[j].X - samples[i].X);
            const double ddy = std::fabs(samples[j].Y - samples[i].Y);
            if (ddx > kSameCoordinate) dx = std::min(dx, ddx);
            if (ddy > kSameCoordinate) dy = std::min(dy, ddy);
        }
    }
}

struct TTally {
    int trials = 0;
    int hits = 0;

    // A difference that is no coordinate change is no trial.
    void Try(double difference, double step) {
        if (!(difference > kSameCoordinate)) return;
        ++trials;
        const double multiple = difference / step;
        if (std::fabs(multiple - std::round(multiple)) <= kMultipleTolerance) ++hits;
    }
};

TTally CountWholeMultiples(std::span<const TXyzSample> samples, double dx, double dy) {
    TTally tally;
    for (std::size_t i = 0; i < samples.size() && tally.trials < int{kEnoughTrials}; ++i) {
        const std::size_t last = std::min(samples.size() - 1, i + kRegularityWindow);
        for (std::size_t j = i + 1; j <= last; ++j) {
            tally.Try(std::fabs(samples[j].X - samples[i].X), dx);
            tally.Try(std::fabs(samples[j].Y - samples[i].Y), dy);
        }
    }
    return tally;
}

bool UsableStep(double step) { return step > 0 && step < kLargestStep; }

}  // namespace

TXyzSamples ReadXyzSamples(std::string_view text) {
    TXyzSamples result;
    std::string buffer;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        TXyzSample sample;
        if (IsComment(line) || !ReadSample(line, buffer, sample)) continue;
        if (result.Samples.empty()) result.ZLow = result.ZHigh = sample.Z;
        result.ZLow = std::min(result.ZLow, sample.Z);
        result.ZHigh = std::max(result.ZHigh, sample.Z);
        result.Samples.push_back(sample);
    }
    return result;
}

TXyzGridSteps DetectXyzGrid(std::span<const TXyzSample> samples) {
    TXyzGridSteps steps;
    if (samples.size() < kMinGridSamples) return steps;
    const std::span<const TXyzSample> examined =
        samples.first(std::min(samples.size(), kExaminedSamples));
    FindSteps(examined, steps.Dx, steps.Dy);
    if (!UsableStep(steps.Dx) || !UsableStep(steps.Dy)) return steps;
    const TTally tally = CountWholeMultiples(examined, steps.Dx, steps.Dy);
    steps.IsGrid = tally.trials > 0 && 100 * tally.hits / tally.trials > kGridPercent;
    return steps;
}
