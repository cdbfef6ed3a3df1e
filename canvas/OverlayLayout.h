#pragma once
// What the corner overlays show and where, as plain functions of their inputs: the texts of
// the big depth and speed numbers, the corner placements of the big numbers and of the
// position text, and the position box's colours by fix quality. Sizes are pixels.

#include "canvas/Color.h"
#include "canvas/DrawSurface.h"

#include <QString>
#include <string>

// Each number of the read-out is drawn as a big part and, right after it at a small size, a
// small part: "12.34" becomes "12.3" and "4m".
struct TBigNumberTexts {
    QString DepthBig, DepthSmall, SpeedBig, SpeedSmall;
};

// Depths in metres with two decimals, "--.-" for a depth that is not positive; the second
// depth follows the first's small part after " / " when it is positive, or as "--.-" when both
// are exactly 0. The speed in knots with one decimal. A hidden number has empty parts.
TBigNumberTexts BigNumberTexts(double depthHi, double depthLo, bool showDepth, double speedKn,
                               bool showSpeed);

// Top-left of the big-number block, 10 pixels from the edges of its corner: 0 bottom-left,
// 1 bottom-right, 2 top-right, 3 top-left; any other value bottom-left.
TPixel BigNumberOrigin(int corner, int clientWidth, int clientHeight, int blockWidth,
                       int blockHeight);

// Top-left of the position text: 0 top-left, 1 top-right, 2 bottom-right, 3 bottom-left; any
// other value top-left. 8 pixels from the side edges and the top, 10 from the bottom.
TPixel PositionTextOrigin(int corner, int clientWidth, int clientHeight, int textWidth,
                          int textHeight);

// The box drawn under the position text, and the one its clicks hit: the text's top-left
// (PositionTextOrigin) and the box's edges, 6 pixels beyond the text on every side.
struct TPositionBox {
    TPixel Text;
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool Contains(int x, int y) const { return x >= Left && x <= Right && y >= Top && y <= Bottom; }
};
TPositionBox PositionBox(int corner, int clientWidth, int clientHeight, int textWidth,
                         int textHeight);

struct TPositionBoxColors {
    TColor Box = 0;
    TColor Text = 0;
};

// Red with white text without a position and for fix qualities 0 and 1; aqua for 2 (DGPS);
// lime for 4 and 7 (RTK fixed, manual); yellow for every other quality; the text black.
TPositionBoxColors PositionBoxColors(bool emptyGGA, int fixQuality);

// The line the position box shows: a notice while the receiver gives no position, else the
// map tick's line (UTF-8).
QString PositionText(bool emptyGGA, const std::string& ggaOverlayText);

// The position line's font: "Consolas" 12 bold.
inline const QString kPositionFontName = "Consolas";
constexpr int kPositionFontSize = 12;
