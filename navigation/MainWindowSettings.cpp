#include "navigation/MainWindowSettings.h"

#include "platform/DataFolders.h"
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

TCanvasViewSettings ReadCanvasViewSettings(const TIniFile& ini) {
    const TCanvasViewSettings defaults;
    TCanvasViewSettings view;
    view.left = ini.ReadFloat("CANVAS", "PlanWorldLeft", defaults.left);
    view.right = ini.ReadFloat("CANVAS", "PlanWorldRight", defaults.right);
    view.top = ini.ReadFloat("CANVAS", "PlanWorldTop", defaults.top);
    view.bottom = ini.ReadFloat("CANVAS", "PlanWorldBottom", defaults.bottom);
    view.gridAutoScale = ini.ReadBool("CANVAS", "GridAutoScale", defaults.gridAutoScale);
    view.depthSpeedDisplayMode = ini.ReadInteger("CANVAS", "DepthSpeedDisplayMode", 0);
    view.ggaOverlayPosition = ini.ReadInteger("CANVAS", "GGAOverlayPosition", 0);
    return view;
}

bool WriteCanvasViewSettings(TIniFile& ini, const TCanvasViewSettings& view) {
    return ini.WriteFloat("CANVAS", "PlanWorldLeft", view.left) &&
           ini.WriteFloat("CANVAS", "PlanWorldRight", view.right) &&
           ini.WriteFloat("CANVAS", "PlanWorldTop", view.top) &&
           ini.WriteFloat("CANVAS", "PlanWorldBottom", view.bottom) &&
           ini.WriteBool("CANVAS", "GridAutoScale", view.gridAutoScale) &&
           ini.WriteInteger("CANVAS", "DepthSpeedDisplayMode", view.depthSpeedDisplayMode) &&
           ini.WriteInteger("CANVAS", "GGAOverlayPosition", view.ggaOverlayPosition);
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
