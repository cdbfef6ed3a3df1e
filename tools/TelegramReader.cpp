#include "tools/TelegramReader.h"

#include "platform/ScanPattern.h"
#include "tools/TelegramFormats.h"

#include <array>

TTelegramReading ReadTelegram(std::string_view formatName, std::string_view pattern,
                              std::string_view line) {
    TTelegramReading reading;
    const TTelegramFormat* format = FindTelegramFormat(formatName);
    if (!format) return reading;
    reading.outcome = TTelegramOutcome::NoMarker;
    if (!HasTelegramMarkers(*format, line)) return reading;
    // As many targets as the format has values: a pattern that would store more, or store
    // anything but numbers, is refused like an invalid one.
    const std::size_t count = format->values.size();
    std::array<double, 2> values{};
    const std::array<TScanTarget, 2> targets{&values[0], &values[1]};
    const auto formatTargets = std::span(targets).first(count);
    const int stored = ScanText(line, pattern, formatTargets);
    // The pattern is checked apart only for a line that gave no depth, to tell why.
    if (stored != static_cast<int>(count)) {
        reading.outcome = ScanPatternFits(pattern, formatTargets)
                              ? TTelegramOutcome::WrongCount
                              : TTelegramOutcome::PatternRefused;
        return reading;
    }
    reading.outcome = TTelegramOutcome::Depth;
    for (std::size_t i = 0; i < count; ++i) {
        switch (format->values[i]) {
            case TTelegramValue::RawDepthHi:
                reading.rawDepthHi = values[i];
                break;
            case TTelegramValue::RawDepthLo:
                reading.rawDepthLo = values[i];
                break;
            case TTelegramValue::Battery:
                reading.battery = values[i];
                break;
        }
    }
    return reading;
}
