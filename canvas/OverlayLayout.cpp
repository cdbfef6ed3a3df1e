#include "canvas/OverlayLayout.h"

#include "platform/NumberFormat.h"

namespace {

constexpr int kBigNumberMargin = 10;
constexpr int kPositionSideMargin = 8;
constexpr int kPositionTopMargin = 8;
constexpr int kPositionBottomMargin = 10;
constexpr int kPositionBoxMargin = 6;

// The edges a corner code names. The two overlays number their corners differently; a code
// outside 0 to 3 counts as 0.
struct TCorner {
    bool Right, Bottom;
};
constexpr TCorner kBigNumberCorners[4] = {
    {false, true}, {true, true}, {true, false}, {false, false}};
constexpr TCorner kPositionTextCorners[4] = {
    {false, false}, {true, false}, {true, true}, {false, true}};

TCorner CornerOf(const TCorner (&corners)[4], int code) {
    return code >= 0 && code < 4 ? corners[code] : corners[0];
}

struct TSplitNumber {
    QString Big, Small;
};

const TSplitNumber kNoDepth{"--.-", "m"};

// All but the last digit big, the last digit and the unit small.
TSplitNumber SplitDepth(double depthM) {
    if (!(depthM > 0)) return kNoDepth;
    const QString text = QString::fromStdString(FormatFixed(depthM, 2));
    return {text.chopped(1), text.right(1) + "m"};
}

}  // namespace

TBigNumberTexts BigNumberTexts(double depthHi, double depthLo, bool showDepth, double speedKn,
                               bool showSpeed) {
    TBigNumberTexts texts;
    if (showDepth) {
        const TSplitNumber hi = SplitDepth(depthHi);
        texts.DepthBig = hi.Big;
        texts.DepthSmall = hi.Small;
        if (depthLo > 0 || (depthLo == 0 && depthHi == 0)) {
            const TSplitNumber lo = SplitDepth(depthLo);
            texts.DepthSmall += " / " + lo.Big + lo.Small;
        }
    }
    if (showSpeed) {
        texts.SpeedBig = QString::fromStdString(FormatFixed(speedKn, 1));
        texts.SpeedSmall = "kn";
    }
    return texts;
}

TPixel BigNumberOrigin(int corner, int clientWidth, int clientHeight, int blockWidth,
                       int blockHeight) {
    const TCorner c = CornerOf(kBigNumberCorners, corner);
    return {c.Right ? clientWidth - blockWidth - kBigNumberMargin : kBigNumberMargin,
            c.Bottom ? clientHeight - blockHeight - kBigNumberMargin : kBigNumberMargin};
}

TPixel PositionTextOrigin(int corner, int clientWidth, int clientHeight, int textWidth,
                          int textHeight) {
    const TCorner c = CornerOf(kPositionTextCorners, corner);
    return {c.Right ? clientWidth - textWidth - kPositionSideMargin : kPositionSideMargin,
            c.Bottom ? clientHeight - textHeight - kPositionBottomMargin : kPositionTopMargin};
}

TPositionBox PositionBox(int corner, int clientWidth, int clientHeight, int textWidth,
                         int textHeight) {
    const TPixel o = PositionTextOrigin(corner, clientWidth, clientHeight, textWidth, textHeight);
    const int m = kPositionBoxMargin;
    return {o, o.X - m, o.Y - m, o.X + textWidth + m, o.Y + textHeight + m};
}

TPositionBoxColors PositionBoxColors(bool emptyGGA, int fixQuality) {
    if (emptyGGA) return {kRed, kWhite};
    switch (fixQuality) {
        case 0:
        case 1:
            return {kRed, kWhite};
        case 2:
            return {kAqua, kBlack};
        case 4:
        case 7:
            return {kLime, kBlack};
        default:
            return {kYellow, kBlack};
    }
}

QString PositionText(bool emptyGGA, const std::string& ggaOverlayText) {
    if (emptyGGA) return "NO VALID POSITION RECEIVED";
    return QString::fromStdString(ggaOverlayText);
}
