#include "tools/RunlineGeometry.h"

#include <gtest/gtest.h>

namespace {

constexpr double kToleranceM = 0.001;
constexpr auto kPerpendicular = TRunlineKind::Perpendicular;
constexpr auto kParallel = TRunlineKind::Parallel;

struct TCase {
    const char* legend;
    TPolylinePoints route;
    const char* spacing;
    const char* length;
    TRunlineKind kind;
    std::vector<TPolylinePoints> lines;  // after the copy of the route
};

const TPolylinePoints kBend = {{0, 0}, {20, 0}, {20, 20}};

void ExpectSameLines(const std::vector<TPolylinePoints>& actual,
                     const std::vector<TPolylinePoints>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(actual[i].size(), expected[i].size()) << "line " << i;
        for (size_t k = 0; k < expected[i].size(); ++k) {
            EXPECT_NEAR(actual[i][k].X, expected[i][k].X, kToleranceM) << "line " << i << " x" << k;
            EXPECT_NEAR(actual[i][k].Y, expected[i][k].Y, kToleranceM) << "line " << i << " y" << k;
        }
    }
}

TEST(RunlineGeometry, Plans) {
    const TCase cases[] = {
        {"straight route, cross-lines from its start",
         {{0, 0}, {25, 0}},
         "10",
         "100",
         kPerpendicular,
         {{{0, 100}, {0, -100}}, {{10, 100}, {10, -100}}, {{20, 100}, {20, -100}}}},
        {"a bend at a multiple of the spacing gets two cross-lines",
         kBend,
         "10",
         "5",
         kPerpendicular,
         {{{0, 5}, {0, -5}},
          {{10, 5}, {10, -5}},
          {{20, 5}, {20, -5}},
          {{15, 0}, {25, 0}},
          {{15, 10}, {25, 10}},
          {{15, 20}, {25, 20}}}},
        {"parallel lines keep the vertex normal, closer than j·s at the bend",
         kBend,
         "10",
         "25",
         kParallel,
         {{{0, 10}, {12.929, 7.071}, {10, 20}},
          {{0, -10}, {27.071, -7.071}, {30, 20}},
          {{0, 20}, {5.858, 14.142}, {0, 20}},
          {{0, -20}, {34.142, -14.142}, {40, 20}}}},
        {"three lines each side",
         {{0, 0}, {100, 0}},
         "10",
         "35",
         kParallel,
         {{{0, 10}, {100, 10}},
          {{0, -10}, {100, -10}},
          {{0, 20}, {100, 20}},
          {{0, -20}, {100, -20}},
          {{0, 30}, {100, 30}},
          {{0, -30}, {100, -30}}}},
        {"length below the spacing: no parallel line",
         {{0, 0}, {100, 0}},
         "10",
         "9.99",
         kParallel,
         {}},
        {"coincident points: only the route copy",
         {{5, 5}, {5, 5}},
         "10",
         "100",
         kPerpendicular,
         {}},
        {"coincident points, parallel: the lines lie on the route",
         {{5, 5}, {5, 5}},
         "10",
         "20",
         kParallel,
         {{{5, 5}, {5, 5}}, {{5, 5}, {5, 5}}, {{5, 5}, {5, 5}}, {{5, 5}, {5, 5}}}},
        {"a segment under 1 mm is skipped",
         {{0, 0}, {0.0005, 0}, {10.0005, 0}},
         "10",
         "1",
         kPerpendicular,
         {{{0.0005, 1}, {0.0005, -1}}, {{10.0005, 1}, {10.0005, -1}}}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.legend);
        const TRunlinePlan plan = PlanRunlines(c.route, c.spacing, c.length, c.kind);
        ASSERT_FALSE(plan.tooMany);
        ASSERT_FALSE(plan.polylines.empty());
        ExpectSameLines({plan.polylines[0]}, {c.route});
        ExpectSameLines({plan.polylines.begin() + 1, plan.polylines.end()}, c.lines);
    }
}

// "12,5" with a decimal comma silently became 10 m.
TEST(RunlineGeometry, NotPositiveGivesTheDefaultsAndNotANumberIsRefused) {
    const TPolylinePoints route = {{0, 0}, {25, 0}};
    const TRunlinePlan reference = PlanRunlines(route, "10", "100", kPerpendicular);
    for (const char* spacing : {"0", "-5", " 10 "}) {
        SCOPED_TRACE(spacing);
        ExpectSameLines(PlanRunlines(route, spacing, "100", kPerpendicular).polylines,
                        reference.polylines);
    }
    for (const char* length : {"0", "-1"}) {
        SCOPED_TRACE(length);
        ExpectSameLines(PlanRunlines(route, "10", length, kPerpendicular).polylines,
                        reference.polylines);
    }
    for (const char* text : {"12,5", "abc", "nan", "inf", "", "1e999"}) {
        SCOPED_TRACE(text);
        const TRunlinePlan spacing = PlanRunlines(route, text, "100", kParallel);
        EXPECT_TRUE(spacing.spacingRefused && !spacing.lengthRefused);
        EXPECT_TRUE(spacing.polylines.empty());
        const TRunlinePlan length = PlanRunlines(route, "10", text, kParallel);
        EXPECT_TRUE(length.lengthRefused && !length.spacingRefused);
        EXPECT_TRUE(length.polylines.empty());
    }
}

TEST(RunlineGeometry, LongSegmentsDoNotDriftAndFewerThanTwoPointsPlanNothing) {
    // 10000 steps of 0.1: a running sum passes 1000 and misses the cross-line at the far vertex.
    const TRunlinePlan plan = PlanRunlines({{0, 0}, {1000, 0}}, "0.1", "1", kPerpendicular);
    ASSERT_EQ(plan.polylines.size(), 1u + 10001u);
    EXPECT_EQ(plan.polylines.back()[0].X, 1000);
    EXPECT_TRUE(PlanRunlines({{1, 1}}, "10", "100", kPerpendicular).polylines.empty());
    EXPECT_TRUE(PlanRunlines({}, "10", "100", kParallel).polylines.empty());
}

TEST(RunlineGeometry, MoreThanTheLimitIsRefusedWhole) {
    const struct {
        const char* legend;
        double routeLengthM;
        const char* spacing;
        const char* length;
        TRunlineKind kind;
        bool tooMany;
    } cases[] = {
        {"100000 cross-lines: the limit", 99999, "1", "100", kPerpendicular, false},
        {"100001 cross-lines", 100000, "1", "100", kPerpendicular, true},
        {"1 mm over 20 km", 20000, "0.001", "100", kPerpendicular, true},
        {"50000 each side: the limit", 10, "1", "50000", kParallel, false},
        {"50001 each side", 10, "1", "50001", kParallel, true},
        {"1e9 m corridor", 10, "10", "1e9", kParallel, true},
        {"1e300 m corridor at 1e-300 m", 10, "1e-300", "1e300", kParallel, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        const TRunlinePlan plan =
            PlanRunlines({{0, 0}, {c.routeLengthM, 0}}, c.spacing, c.length, c.kind);
        EXPECT_EQ(plan.tooMany, c.tooMany);
        EXPECT_EQ(plan.polylines.empty(), c.tooMany);
    }
}

}  // namespace
