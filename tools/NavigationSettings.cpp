#include "tools/NavigationSettings.h"

#include "platform/IniFile.h"
#include "platform/NumberFormat.h"

#include <algorithm>

namespace {

constexpr char kSection[] = "NAVIGATION_SETTINGS";
constexpr int kEmptyRateIntervalMs = 500;
constexpr int kShortestIntervalMs = 50;

}  // namespace

TNavigationSettings ReadNavigationSettings(const TIniFile& ini) {
    const TNavigationSettings fallback;
    TNavigationSettings settings;
    settings.vesselWidth = ini.ReadString(kSection, "VesselWidth", fallback.vesselWidth);
    settings.trackWidth = ini.ReadString(kSection, "TrackWidth", fallback.trackWidth);
    settings.trackDistance = ini.ReadString(kSection, "TrackDistance", fallback.trackDistance);
    settings.vesselColor = ini.ReadInteger(kSection, "VesselColor", fallback.vesselColor);
    settings.trackFixColor = ini.ReadInteger(kSection, "ColorTracklines1", fallback.trackFixColor);
    settings.trackFloatColor =
        ini.ReadInteger(kSection, "ColorTracklines0", fallback.trackFloatColor);
    settings.backgroundColor =
        ini.ReadInteger(kSection, "BackgroundColor", fallback.backgroundColor);
    settings.trackAsLines = ini.ReadBool(kSection, "cLineOrDot", fallback.trackAsLines);
    settings.depthAlert = ini.ReadString(kSection, "edDepthAlert", fallback.depthAlert);
    return settings;
}

bool WriteNavigationSettings(TIniFile& ini, const TNavigationSettings& settings) {
    return ini.WriteString(kSection, "VesselWidth", settings.vesselWidth) &&
           ini.WriteString(kSection, "TrackWidth", settings.trackWidth) &&
           ini.WriteString(kSection, "TrackDistance", settings.trackDistance) &&
           ini.WriteInteger(kSection, "VesselColor", settings.vesselColor) &&
           ini.WriteInteger(kSection, "ColorTracklines1", settings.trackFixColor) &&
           ini.WriteInteger(kSection, "ColorTracklines0", settings.trackFloatColor) &&
           ini.WriteInteger(kSection, "BackgroundColor", settings.backgroundColor) &&
           ini.WriteBool(kSection, "cLineOrDot", settings.trackAsLines) &&
           ini.WriteString(kSection, "edDepthAlert", settings.depthAlert);
}

std::optional<int> MapTimerIntervalMs(const QString& text) {
    if (text.isEmpty()) return kEmptyRateIntervalMs;
    int ms = 0;
    if (!TryStrToInt(text, ms)) return std::nullopt;
    return std::max(ms, kShortestIntervalMs);
}
