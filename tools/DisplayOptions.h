#pragma once
// The display options of the settings window's tab "Global Setting" without the window: what
// its controls make of the program-wide display settings (canvas/DisplaySettings.h), with the
// values that texts which are not numbers stand for, and the copy of the grid into the map.

#include "canvas/Color.h"

#include <QString>

class TCanvasModel;

// What a text that is not a number stands for.
constexpr double kGridSpacingFallback = 100;       // world units
constexpr double kDepthLabelSpacingFallback = 10;  // m
constexpr int kDepthLabelFontSizeFallback = 12;    // points
constexpr int kEventLabelFontSizeFallback = 24;    // points
constexpr int kOverlayFontSizeFallback = 40;       // points
constexpr int kScreenshotIntervalFallback = 60;    // s

// The tab's controls as they stand.
struct TDisplayOptionTexts {
    bool gridVisible = true;
    bool autoGrid = false;
    QString gridSpacingX, gridSpacingY;
    TColor gridColor = 0;
    bool showDepthLabels = true;
    QString depthLabelSpacing, depthLabelFontName, depthLabelFontSize;
    TColor depthLabelColor = 0;
    QString eventLabelFontSize;
    TColor eventLabelColor = 0;
    QString overlayFontSize;
    TColor overlayDepthColor = 0, overlaySpeedColor = 0;
};

// Sets every display setting from the controls.
void SetDisplaySettings(const TDisplayOptionTexts& options);
// Sets GridSpacingX and GridSpacingY from the two spacing texts.
void SetGridSpacings(const QString& spacingX, const QString& spacingY);

// Copies GridVisible, the spacings (0 and 0 under AutoGrid, which lets the map choose them from
// the view) and GridColor into the map, marks the drawing Dirty and asks for a repaint. The
// map's own GridAutoSpacing is cleared, so that the spacings typed with "Auto Scale" clear
// are the ones drawn.
void CopyGridToMap(TCanvasModel& map);
