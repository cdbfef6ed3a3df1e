#include "canvas/DisplaySettings.h"

bool GridVisible = true;
bool AutoGrid = false;
double GridSpacingX = 100;
double GridSpacingY = 100;
TColor GridColor = kSilver;

bool ShowDepthLabels = true;
double DepthLabelSpacing = 10;
std::string DepthLabelFontName = "Arial";
int DepthLabelFontSize = 12;
TColor DepthLabelColor = kBlack;

int EventLabelFontSize = 24;
TColor EventLabelColor = kRed;

int OverlayFontSize = 40;
TColor OverlayDepthColor = kNavy;
TColor OverlaySpeedColor = kBlack;
