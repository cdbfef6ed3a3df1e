#include "canvas/OverlayLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(OverlayLayout, BigNumberTexts) {
    struct {
        const char* legend;
        double hi, lo;
        bool showDepth;
        double knots;
        bool showSpeed;
        const char *depthBig, *depthSmall, *speedBig, *speedSmall;
    } cases[] = {
        {"one depth", 12.34, 0, true, 0, false, "12.3", "4m", "", ""},
        {"no depth yet", 0, 0, true, 0, false, "--.-", "m / --.-m", "", ""},
        {"two depths", 12.34, 15.2, true, 0, false, "12.3", "4m / 15.20m", "", ""},
        {"negative low depth adds nothing", 0, -1, true, 0, false, "--.-", "m", "", ""},
        {"negative high depth", -3, 4.5, true, 0, false, "--.-", "m / 4.50m", "", ""},
        {"NaN high depth", NAN, 0, true, 0, false, "--.-", "m", "", ""},
        {"speed alone", 12.34, 0, false, 7.46, true, "", "", "7.5", "kn"},
        {"both", 3.456, 0, true, 0, true, "3.4", "6m", "0.0", "kn"},
        {"neither", 3.456, 0, false, 7.46, false, "", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        const TBigNumberTexts t = BigNumberTexts(c.hi, c.lo, c.showDepth, c.knots, c.showSpeed);
        EXPECT_EQ(t.DepthBig, c.depthBig);
        EXPECT_EQ(t.DepthSmall, c.depthSmall);
        EXPECT_EQ(t.SpeedBig, c.speedBig);
        EXPECT_EQ(t.SpeedSmall, c.speedSmall);
    }
}

// On a 400 x 300 client, a block of 100 x 40 pixels and a text of 200 x 20.
TEST(OverlayLayout, CornersDifferBetweenTheBigNumbersAndThePositionText) {
    struct {
        int corner;
        TPixel bigNumbers, positionText;
    } cases[] = {
        {0, {10, 250}, {8, 8}},  {1, {290, 250}, {192, 8}}, {2, {290, 10}, {192, 270}},
        {3, {10, 10}, {8, 270}}, {4, {10, 250}, {8, 8}},    {-1, {10, 250}, {8, 8}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.corner);
        const TPixel big = BigNumberOrigin(c.corner, 400, 300, 100, 40);
        EXPECT_EQ(big.X, c.bigNumbers.X);
        EXPECT_EQ(big.Y, c.bigNumbers.Y);
        const TPixel text = PositionTextOrigin(c.corner, 400, 300, 200, 20);
        EXPECT_EQ(text.X, c.positionText.X);
        EXPECT_EQ(text.Y, c.positionText.Y);
    }
}

}  // namespace
