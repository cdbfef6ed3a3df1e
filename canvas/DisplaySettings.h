#pragma once
// Display options of the map that the settings window writes and the canvas and the map
// timer read, program-wide. Their initial values are the defaults, so they hold before the
// settings are read. Colours are 0x00BBGGRR.

#include "canvas/Color.h"

#include <string>

// Coordinate grid; the settings window copies these into the canvas (spacings 0 and 0 under
// AutoGrid, which makes the canvas choose the spacing from the view).
extern bool GridVisible;
extern bool AutoGrid;
extern double GridSpacingX;
extern double GridSpacingY;
extern TColor GridColor;

// Depth labels along the track (metres, font name in UTF-8, points).
extern bool ShowDepthLabels;
extern double DepthLabelSpacing;
extern std::string DepthLabelFontName;
extern int DepthLabelFontSize;
extern TColor DepthLabelColor;

// Event numbers (points).
extern int EventLabelFontSize;
extern TColor EventLabelColor;

// The big depth and speed numbers (points).
extern int OverlayFontSize;
extern TColor OverlayDepthColor;
extern TColor OverlaySpeedColor;
