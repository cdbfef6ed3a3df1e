#include "navigation/TrackRule.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TTrackCase {
    const char* legend;
    double distance;                // m
    std::vector<TGridPoint> ticks;  // positions in turn
    std::vector<TTrackStep> steps;  // what each tick decides
    TGridPoint last;                // remembered after the last tick
};

TEST(TrackRule, StepTable) {
    using enum TTrackStep;
    const TTrackCase cases[] = {
        {"the first position seeds", 20, {{100, 100}}, {Seed}, {100, 100}},
        {"too close keeps the remembered point",
         20,
         {{100, 100}, {110, 100}, {119.9, 100}},
         {Seed, Keep, Keep},
         {100, 100}},
        {"exactly the distance draws", 20, {{100, 100}, {100, 120}}, {Seed, Draw}, {100, 120}},
        {"just below ten distances draws", 20, {{0, 1}, {199.9, 1}}, {Seed, Draw}, {199.9, 1}},
        {"ten distances is a jump: the track goes on from the new place",
         20,
         {{100, 100}, {300, 100}, {320, 100}},
         {Seed, Jump, Draw},
         {320, 100}},
        {"a restart far away re-seeds by a jump",
         5,
         {{0, 1}, {1e6, 1e6}, {1e6, 1e6 + 5}},
         {Seed, Jump, Draw},
         {1e6, 1e6 + 5}},
        {"distance 0 never draws", 0, {{1, 1}, {1, 1}, {50, 1}}, {Seed, Jump, Jump}, {50, 1}},
        {"a negative distance never draws", -5, {{1, 1}, {50, 1}}, {Seed, Jump}, {50, 1}},
    };
    for (const TTrackCase& c : cases) {
        SCOPED_TRACE(c.legend);
        TTrackRule rule;
        TGridPoint before{};
        for (std::size_t i = 0; i < c.ticks.size(); ++i) {
            const TTrackDecision decision = rule.Next(c.ticks[i], c.distance);
            EXPECT_EQ(decision.step, c.steps[i]) << "tick " << i;
            if (i > 0) {
                EXPECT_EQ(decision.from.easting, before.easting) << "tick " << i;
                EXPECT_EQ(decision.from.northing, before.northing) << "tick " << i;
            }
            before = *rule.Last();
        }
        EXPECT_EQ(rule.Last()->easting, c.last.easting);
        EXPECT_EQ(rule.Last()->northing, c.last.northing);
    }
}

TEST(TrackRule, LayerAndColourByFixQuality) {
    constexpr TColor kFixed = 0x00AA00, kFloat = 0xAA0000;
    const struct {
        int quality;
        const char* layer;
        TColor color;
    } cases[] = {{4, "track_fix", kFixed},   {5, "track_float", kFloat}, {2, "track_float", kFloat},
                 {3, "track_float", kFloat}, {1, "track_nofix", kRed},   {0, "track_nofix", kRed},
                 {6, "track_nofix", kRed},   {-1, "track_nofix", kRed}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.quality);
        const TTrackPen pen = TrackPenOf(c.quality, kFixed, kFloat);
        EXPECT_STREQ(pen.layer, c.layer);
        EXPECT_EQ(pen.color, c.color);
    }
}

}  // namespace
