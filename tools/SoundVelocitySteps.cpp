#include "tools/SoundVelocitySteps.h"

#include "platform/NumberFormat.h"
#include "platform/ScanPattern.h"

#include <algorithm>

namespace {

const TScanPattern& ExtractedLine() {  // depth, speed
    static const TScanPattern pattern("%d,%lf");
    return pattern;
}

const TScanPattern& AveragedLine() {  // depth, mean speed, hits
    static const TScanPattern pattern("%d,%lf,%d");
    return pattern;
}

std::string AveragedText(long long depth, const std::string& speed, long long hits) {
    return IntToStr(depth) + "," + speed + "," + IntToStr(hits);
}

// Where step 3 finds depth k: the first line whose depth number is k, and its speed when the
// line has one.
struct TDepthEntry {
    bool found = false;
    std::optional<double> speed;
};

std::vector<TDepthEntry> EntriesByDepth(std::span<const std::string> averaged, int maxDepth) {
    std::vector<TDepthEntry> entries(static_cast<std::size_t>(maxDepth) + 1);
    for (const std::string& line : averaged) {
        int depth = 0;
        double speed = 0;
        const int read = ExtractedLine().Scan(line, {&depth, &speed});
        if (read == 0 || depth < 0 || depth > maxDepth) continue;
        TDepthEntry& entry = entries[static_cast<std::size_t>(depth)];
        if (entry.found) continue;
        entry.found = true;
        if (read == 2) entry.speed = speed;
    }
    return entries;
}

bool InsideColumnRange(double velocity) {
    return velocity > kMinColumnVelocity && velocity < kMaxColumnVelocity;
}

}  // namespace

std::optional<int> ReadMaxDepth(std::string_view text) {
    int depth = 0;
    if (!TryStrToInt(text, depth) || depth < 0 || depth > kMaxProfileDepth) return std::nullopt;
    return depth;
}

TDepthLines::TDepthLines(int maxDepth)
    : lines_(static_cast<std::size_t>(std::max(maxDepth, 0))), maxDepth_(maxDepth) {}

const std::string& TDepthLines::Get(long long k) const {
    static const std::string kEmpty;
    if (k < 0 || k >= static_cast<long long>(lines_.size())) return kEmpty;
    return lines_[static_cast<std::size_t>(k)];
}

void TDepthLines::Put(long long k, std::string line) {
    if (k < 0 || k > maxDepth_) return;
    if (k < static_cast<long long>(lines_.size())) {
        lines_[static_cast<std::size_t>(k)] = std::move(line);
    } else {
        lines_.push_back(std::move(line));  // k is N, and the list holds lines 0 to N - 1
    }
}

bool ExtractionPatternFits(std::string_view pattern) {
    double first = 0, second = 0;
    const TScanTarget one[] = {&first};
    const TScanTarget two[] = {&first, &second};
    // A pattern that fits one target has at most one number.
    return ScanPatternFits(pattern, two) && !ScanPatternFits(pattern, one);
}

std::vector<std::string> ExtractSoundVelocities(std::span<const std::string> source,
                                                std::string_view pattern, bool svFirst,
                                                const TOutOfRangeQuestion& outOfRange) {
    std::vector<std::string> extracted;
    if (!ExtractionPatternFits(pattern)) return extracted;
    const TScanPattern scan(pattern);
    extracted.reserve(source.size());
    for (std::size_t i = 0; i < source.size(); ++i) {
        double first = 0, second = 0;
        if (scan.Scan(source[i], {&first, &second}) != 2) continue;
        const double speed = svFirst ? first : second;
        const double depth = svFirst ? second : first;
        if (!(speed >= kMinCastVelocity && speed <= kMaxCastVelocity)) {
            if (outOfRange(speed, i + 1) == TOutOfRangeAnswer::EndStep) break;
            continue;
        }
        std::string line = FormatFixed(depth, 0);
        line += ',';
        line += FormatFixed(speed, 3);
        extracted.push_back(std::move(line));
    }
    return extracted;
}

// The list is written by this step alone, so a line it scans back is one it wrote.
std::vector<std::string> AverageSoundVelocities(std::span<const std::string> extracted,
                                                int maxDepth) {
    TDepthLines averaged(maxDepth);
    long long deepest = -1;
    for (const std::string& line : extracted) {
        int depth = 0;
        double speed = 0;
        if (ExtractedLine().Scan(line, {&depth, &speed}) != 2) continue;
        deepest = std::max<long long>(deepest, depth);
        int listed = 0, hits = 0;
        double mean = 0;
        if (AveragedLine().Scan(averaged.Get(depth), {&listed, &mean, &hits}) == 3 &&
            listed == depth) {
            // The mean as written, so the list can be checked by hand from its own text.
            const double newMean = (hits * mean + speed) / (hits + 1.0);
            averaged.Put(depth, AveragedText(depth, FormatFixed(newMean, 2), hits + 1LL));
        } else {
            averaged.Put(depth, AveragedText(depth, FormatFixed(speed, 3), 1));
        }
    }
    int deepestListed = 0;
    double deepestSpeed = 0;  // 0 when that line gives none
    ExtractedLine().Scan(averaged.Get(deepest), {&deepestListed, &deepestSpeed});
    const std::string filled = FormatFixed(deepestSpeed, 2);
    for (long long k = deepest + 1; k <= maxDepth; ++k) averaged.Put(k, AveragedText(k, filled, 0));
    return averaged.Take();
}

// A depth without a line, or whose line lacks a part, keeps the depth number and the speed of
// the depth before it; the depth number weights the running mean.
TProfileColumnBuild BuildProfileColumn(std::span<const std::string> averaged, int maxDepth) {
    const std::vector<TDepthEntry> entries = EntriesByDepth(averaged, maxDepth);
    TDepthLines column(maxDepth);
    double mean = 0, speed = 0;
    long long weight = 0;
    for (long long k = 0; k <= maxDepth; ++k) {
        const TDepthEntry& entry = entries[static_cast<std::size_t>(k)];
        if (k == 0 && !entry.speed) return {column.Take(), TColumnFailure::NoSurfaceVelocity, 0};
        if (entry.found) weight = k;
        if (entry.speed) speed = *entry.speed;
        mean = (static_cast<double>(weight) * mean + speed) / static_cast<double>(weight + 1);
        if (!InsideColumnRange(mean) || !InsideColumnRange(speed)) {
            return {{}, TColumnFailure::OutOfRange, k};
        }
        column.Put(k, FormatFixed(mean, 2));
    }
    return {column.Take(), TColumnFailure::None, 0};
}
