#include "canvas/DisplaySettings.h"

bool GridVisible = true;
bool AutoGrid = false;
double GridSpacingX = 100;
double GridSpacingY = 100;
TColor GridColor = 0xC0C0C0;

bool ShowDepthLabels = true;
double DepthLabelSpacing = 10;
std::string DepthLabelFontName = "Arial";
int DepthLabelFontSize = 12;
TColor DepthLabelColor = kBlack;

int EventLabelFontSize = 24;
TColor EventLabelColor = kRed;

int OverlayFontSize = 40;
TColor OverlayDepthColor = 0x800000;
TColor OverlaySpeedColor = kBlack;
