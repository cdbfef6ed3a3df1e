#include "navigation/MapTickTexts.h"

#include <gtest/gtest.h>

namespace {

TEST(MapTickTexts, FixQualityTexts) {
    const std::pair<int, const char*> cases[] = {{0, "No Fix"}, {1, "GPS"},     {2, "DGPS"},
                                                 {3, "Fix:3"},  {4, "RTK Fix"}, {5, "RTK Float"},
                                                 {6, "Fix:6"},  {9, "Fix:9"}};
    for (const auto& [quality, text] : cases) EXPECT_EQ(FixQualityText(quality), text);
}

TEST(MapTickTexts, OverlayLine) {
    const struct {
        const char* legend;
        TOverlayLineInput input;
        const char* line;
    } cases[] = {
        {"sounder off",
         {4, "9.7", 12, 1.254, "0.40", false, 12.3, false},
         "RTK Fix | Spd: 9.7 kn | SV: 12 | Ant: 1.25 m | Tide: 0.40 m"},
        {"sounder on",
         {5, "10.04", 9, 0, "-", true, 12.345, false},
         "RTK Float | Spd: 10.0 kn | SV: 9 | Ant: 0.00 m | Tide: - m | Depth: 12.35 m"},
        {"sounder on without a depth",
         {1, "0", 7, -0.001, "0.00", true, 0, false},
         "GPS | Spd: 0.0 kn | SV: 7 | Ant: 0.00 m | Tide: 0.00 m"},
        {"a speed read-out that is not a number",
         {0, "", 0, 0, "0.00", false, 0, false},
         "No Fix | Spd: 0.0 kn | SV: 0 | Ant: 0.00 m | Tide: 0.00 m"},
        {"no position",
         {4, "9.7", 12, 1.25, "0.40", true, 12.3, true},
         "*** EMPTY GGA - NO POSITION ***"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(OverlayLine(c.input), c.line);
    }
}

TEST(MapTickTexts, StatusBarPositions) {
    EXPECT_EQ(DmsText(-36.5, 27.25), "36\u00B030'0.000\"S, 27\u00B015'0.000\"E");
    EXPECT_EQ(DmsText(0, -0.5), "0\u00B00'0.000\"N, 0\u00B030'0.000\"W");
    EXPECT_EQ(DmsText(41.0166, 17.5), "41\u00B00'59.760\"N, 17\u00B030'0.000\"E");
    EXPECT_EQ(DmsText(41.0166666, -17.9999999), "41\u00B01'0.000\"N, 18\u00B00'0.000\"W")
        << "seconds that round to 60 carry into the minute and the degree";
    EXPECT_EQ(GridPositionText(500000.126, 4100000.5), "E500000.13, N4100000.50");
    EXPECT_EQ(GridPositionText(-12.3, 0), "E-12.30, N0.00");
}

TEST(MapTickTexts, LatencyMeanOverTheRun) {
    TLatencyMean latency;
    for (double ms : {10.0, 20.0, 0.0, 30.0}) latency.Add(ms);
    EXPECT_EQ(latency.Count(), 4);
    EXPECT_DOUBLE_EQ(latency.Mean(), 15);
}

}  // namespace
