#include "canvas/AciColor.h"

#include <gtest/gtest.h>

namespace {

TEST(AciColor, NumbersFollowTheTable) {
    struct Case {
        const char* legend;
        int number;
        TColor color;
    };
    const Case cases[] = {
        {"red", 1, 0x0000FF},       {"yellow", 2, 0x00FFFF},    {"green", 3, 0x00FF00},
        {"cyan", 4, 0xFFFF00},      {"blue", 5, 0xFF0000},      {"magenta", 6, 0xFF00FF},
        {"white", 7, 0xFFFFFF},     {"grey", 8, 0x808080},      {"light grey", 9, 0xC0C0C0},
        {"computed 10", 10, 0x1272AA}, {"computed 255", 255, 0xCBDBEF},
        {"by block", 0, kNoAciColor}, {"by layer", 256, kNoAciColor},
        {"a layer switched off", -1, kNoAciColor}, {"beyond the table", 257, kNoAciColor},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(AciToColor(c.number), c.color);
    }
}

}  // namespace
