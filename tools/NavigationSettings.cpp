#include "tools/NavigationSettings.h"

#include "platform/IniFields.h"
#include "platform/NumberFormat.h"

#include <algorithm>

namespace {

constexpr char kSection[] = "NAVIGATION_SETTINGS";
constexpr int kEmptyRateIntervalMs = 500;
constexpr int kShortestIntervalMs = 50;

constexpr TIniField<TNavigationSettings> kFields[] = {
    {"VesselWidth", &TNavigationSettings::vesselWidth},
    {"TrackWidth", &TNavigationSettings::trackWidth},
    {"TrackDistance", &TNavigationSettings::trackDistance},
    {"VesselColor", &TNavigationSettings::vesselColor},
    {"ColorTracklines1", &TNavigationSettings::trackFixColor},
    {"ColorTracklines0", &TNavigationSettings::trackFloatColor},
    {"BackgroundColor", &TNavigationSettings::backgroundColor},
    {"cLineOrDot", &TNavigationSettings::trackAsLines},
    {"edDepthAlert", &TNavigationSettings::depthAlert},
};

}  // namespace

TNavigationSettings ReadNavigationSettings(const TIniFile& ini) {
    return ReadIniFields<TNavigationSettings>(ini, kSection, kFields);
}

bool WriteNavigationSettings(TIniFile& ini, const TNavigationSettings& settings) {
    return WriteIniFields(ini, kSection, kFields, settings);
}

std::optional<int> MapTimerIntervalMs(const QString& text) {
    if (text.isEmpty()) return kEmptyRateIntervalMs;
    int ms = 0;
    if (!TryStrToInt(text, ms) || ms > kLongestMapIntervalMs) return std::nullopt;
    return std::max(ms, kShortestIntervalMs);
}
