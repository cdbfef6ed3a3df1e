#include "navigation/MainWindowSettings.h"

#include "platform/DataFolders.h"
#include "platform/IniFields.h"
#include "platform/IniFile.h"
#include "platform/NumberFormat.h"
#include "platform/Paths.h"

#include <QTimer>
#include <algorithm>
#include <limits>

int ReadOverlayFontSize(const TIniFile& ini) {
    return StrToIntDef(ini.ReadString("OVERLAY_SETTINGS", "FontSize", "40"), 40);
}

TMainWindowStartSettings ReadMainWindowStartSettings(const TIniFile& ini) {
    TMainWindowStartSettings settings;
    settings.language = ini.ReadString("SETTINGS", "Language", "en");
    settings.overlayFontSize = ReadOverlayFontSize(ini);
    return settings;
}

namespace {

constexpr char kCanvasSection[] = "CANVAS";
constexpr TIniField<TCanvasViewSettings> kCanvasViewFields[] = {
    {"PlanWorldLeft", &TCanvasViewSettings::left},
    {"PlanWorldRight", &TCanvasViewSettings::right},
    {"PlanWorldTop", &TCanvasViewSettings::top},
    {"PlanWorldBottom", &TCanvasViewSettings::bottom},
    {"GridAutoScale", &TCanvasViewSettings::gridAutoScale},
    {"DepthSpeedDisplayMode", &TCanvasViewSettings::depthSpeedDisplayMode},
    {"GGAOverlayPosition", &TCanvasViewSettings::ggaOverlayPosition},
};

}  // namespace

TCanvasViewSettings ReadCanvasViewSettings(const TIniFile& ini) {
    return ReadIniFields<TCanvasViewSettings>(ini, kCanvasSection, kCanvasViewFields);
}

bool WriteCanvasViewSettings(TIniFile& ini, const TCanvasViewSettings& view) {
    return WriteIniFields(ini, kCanvasSection, kCanvasViewFields, view);
}

std::string ReadLastProjectPath(const TIniFile& ini) {
    return ini.ReadString("FILE", "Last File Saved", "");
}

int ReadScreenshotIntervalSeconds(const TIniFile& ini) {
    return ini.ReadInteger("SCREENSHOT", "Interval", 60);
}

void ApplyScreenshotInterval(QTimer& timer, int seconds) {
    constexpr long long kLongestMs = std::numeric_limits<int>::max();
    timer.setInterval(static_cast<int>(std::clamp(seconds * 1000LL, 0LL, kLongestMs)));
    if (seconds > 0) {
        timer.start();
    } else {
        timer.stop();
    }
}

void CreateDayFolderTree() {
    for (const std::string& folder :
         {DayDir, DaySmkDir, LogDir, XyzDir, SvpDir, DayDir + "JPG", DayDir + "MP4"}) {
        CreateDirectories(folder);
    }
}
