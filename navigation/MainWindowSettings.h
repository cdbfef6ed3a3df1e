#pragma once
// What the main window keeps in the settings file, read and written without the window: the
// language and overlay font at creation, the last project and the view at first show, the
// screenshot interval, and the day's folder tree.

#include <string>

class QTimer;
class TIniFile;

// OVERLAY_SETTINGS/FontSize: 40 when missing or not a whole number.
int ReadOverlayFontSize(const TIniFile& ini);

// SETTINGS/Language (default "en") and the overlay font size.
struct TMainWindowStartSettings {
    std::string language = "en";
    int overlayFontSize = 40;
};
TMainWindowStartSettings ReadMainWindowStartSettings(const TIniFile& ini);

// Section CANVAS: the view edges in world units, the grid's automatic spacing and the corners
// of the big numbers and the position text.
struct TCanvasViewSettings {
    double left = 0;
    double right = 1000;
    double top = 1000;
    double bottom = 0;
    bool gridAutoScale = true;
    int depthSpeedDisplayMode = 0;
    int ggaOverlayPosition = 0;
};
TCanvasViewSettings ReadCanvasViewSettings(const TIniFile& ini);
bool WriteCanvasViewSettings(TIniFile& ini, const TCanvasViewSettings& view);

// FILE/"Last File Saved": the project to reload at start, empty when none.
std::string ReadLastProjectPath(const TIniFile& ini);
// SCREENSHOT/Interval in seconds (default 60); 0 or less switches screenshots off.
int ReadScreenshotIntervalSeconds(const TIniFile& ini);
// Sets the screenshot timer to a number of seconds: it runs only when they are above 0, every
// seconds × 1000 ms, worked out in 64 bits and held to the longest interval a timer takes
// (about 24.8 days), so a large number never wraps into a short one.
void ApplyScreenshotInterval(QTimer& timer, int seconds);

// Creates the day folder, its SMK, LOG, XYZ and SVP folders and the JPG and MP4 folders for
// pictures and videos, with any missing parents. Failures are not reported here: the writers
// report them when they find their folder missing.
void CreateDayFolderTree();
