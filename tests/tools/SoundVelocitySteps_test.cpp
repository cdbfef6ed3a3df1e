// The three steps without windows: a small cast worked by hand, the rows at the edges of the
// ranges, lists that are not what step 2 writes, and patterns the scanner refuses.

#include "tools/SoundVelocitySteps.h"

#include "tools/SVPGraphModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TLines = std::vector<std::string>;

// Answers every out-of-range question the same way and notes the lines asked about.
struct TQuestions {
    TOutOfRangeAnswer answer = TOutOfRangeAnswer::SkipLine;
    std::vector<std::pair<double, std::size_t>> asked;

    TOutOfRangeQuestion Ask() {
        return [this](double speed, std::size_t line) {
            asked.emplace_back(speed, line);
            return answer;
        };
    }
};

// "Time SV Pressure", then nine lines of a 23-character time stamp, a blank and "SV,pressure".
TLines SmallCast() {
    TLines cast = {"Time SV Pressure"};
    const char* pairs[] = {"1500.100,0.2", "1501.200,1.1", "1502.300,2.3",
                           "1503.400,3.4", "1349.990,3.9", "1503.600,3.2",
                           "1502.500,2.1", "1501.400,0.9", "1500.300,0.4"};
    int second = 0;
    for (const char* pair : pairs) {
        cast.push_back("2024-05-06T10:11:" + std::to_string(10 + second++) + ".000 " + pair);
    }
    return cast;
}

TEST(SoundVelocitySteps, SmallCastWorkedByHand) {
    const TLines cast = SmallCast();
    ASSERT_EQ(cast[1].find(' '), 23u);
    TQuestions questions;
    const TLines extracted = ExtractSoundVelocities(cast, "%*23s %lf,%lf", true, questions.Ask());
    EXPECT_EQ(extracted, (TLines{"0,1500.100", "1,1501.200", "2,1502.300", "3,1503.400",
                                 "3,1503.600", "2,1502.500", "1,1501.400", "0,1500.300"}));
    ASSERT_EQ(questions.asked.size(), 1u);
    EXPECT_DOUBLE_EQ(questions.asked[0].first, 1349.99);
    EXPECT_EQ(questions.asked[0].second, 6u) << "line numbers count from 1, the header too";

    TQuestions cancel{TOutOfRangeAnswer::EndStep, {}};
    EXPECT_EQ(ExtractSoundVelocities(cast, "%*23s %lf,%lf", true, cancel.Ask()).size(), 4u)
        << "Cancel keeps the pairs before it";

    const TLines averaged = AverageSoundVelocities(extracted, 5);
    EXPECT_EQ(averaged, (TLines{"0,1500.20,2", "1,1501.30,2", "2,1502.40,2", "3,1503.50,2",
                                "4,1503.50,0", "5,1503.50,0"}));
    const TProfileColumnBuild column = BuildProfileColumn(averaged, 5);
    EXPECT_EQ(column.failure, TColumnFailure::None);
    EXPECT_EQ(column.lines,
              (TLines{"1500.20", "1500.75", "1501.30", "1501.85", "1502.18", "1502.40"}));
}

TEST(SoundVelocitySteps, ExtractionRange) {
    const struct {
        const char* line;
        bool taken;
    } cases[] = {{"1350,4", true}, {"1600,4", true}, {"1349.99,4", false}, {"1600.01,4", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        TQuestions questions;
        const TLines extracted =
            ExtractSoundVelocities(TLines{c.line}, "%lf,%lf", true, questions.Ask());
        EXPECT_EQ(extracted.size(), c.taken ? 1u : 0u);
        EXPECT_EQ(questions.asked.size(), c.taken ? 0u : 1u);
    }
    TQuestions depthFirst;
    EXPECT_EQ(ExtractSoundVelocities(TLines{"12.6,1500.0004"}, "%lf,%lf", false, depthFirst.Ask()),
              TLines{"13,1500.000"});
}

TEST(SoundVelocitySteps, RefusedPatternsExtractNothing) {
    const TLines cast = {"a b c 1500 2", "1500,2,3"};
    for (const char* pattern : {"%s%s%n", "%lf,%lf,%lf", "%99999s", "%1$lf", "%lf", "%d,%lf", ""}) {
        SCOPED_TRACE(pattern);
        EXPECT_FALSE(ExtractionPatternFits(pattern));
        TQuestions questions;
        EXPECT_TRUE(ExtractSoundVelocities(cast, pattern, true, questions.Ask()).empty());
    }
    EXPECT_TRUE(ExtractionPatternFits("%*[^,],%lf,%*[^,],%lf"));
}

TEST(SoundVelocitySteps, AveragingEdges) {
    const struct {
        const char* legend;
        TLines extracted;
        int maxDepth;
        TLines averaged;
    } cases[] = {
        {"the mean is taken from the text: three hits at 7 m",
         {"7,1500.004", "7,1500.004", "7,1500.009"},
         7,
         {"", "", "", "", "", "", "", "7,1500.00,3"}},
        {"no pair fills every line with 0", {}, 2, {"0,0.00,0", "1,0.00,0", "2,0.00,0"}},
        {"a cast deeper than N is counted but not written, and not filled",
         {"0,1500.000", "1,1501.000", "9,1510.000"},
         2,
         {"0,1500.000,1", "1,1501.000,1"}},
        {"a line that is not a depth and a speed is skipped",
         {"0,1500.000", "abc", "1", "1,1501.000", "-3,1400.000"},
         1,
         {"0,1500.000,1", "1,1501.000,1"}},
        {"N 0 keeps line 0 only", {"0,1500.000", "1,1501.000"}, 0, {"0,1500.000,1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(AverageSoundVelocities(c.extracted, c.maxDepth), c.averaged);
    }
}

TEST(SoundVelocitySteps, ColumnEdges) {
    const struct {
        const char* legend;
        TLines averaged;
        int maxDepth;
        TColumnFailure failure;
        long long failedDepth;
        TLines column;
    } cases[] = {
        {"a mean of exactly 1300", {"0,1300.00,1"}, 0, TColumnFailure::OutOfRange, 0, {}},
        {"a mean of exactly 1700", {"0,1700.00,1"}, 0, TColumnFailure::OutOfRange, 0, {}},
        {"a speed of 1700 deeper down",
         {"0,1500,1", "1,1700,1"},
         1,
         TColumnFailure::OutOfRange,
         1,
         {}},
        {"no match fails at 0", {"0,0.00,0", "1,0.00,0"}, 1, TColumnFailure::OutOfRange, 0, {}},
        {"a blank line 0 asks for depth 0",
         {"", "1,1501.00,1"},
         2,
         TColumnFailure::NoSurfaceVelocity,
         0,
         {"", ""}},
        {"... until 0,1500 is typed",
         {"0,1500", "1,1501.00,1"},
         1,
         TColumnFailure::None,
         0,
         {"1500.00", "1500.50"}},
        {"a missing depth repeats the one before",
         {"0,1500.00,1", "", "2,1502.00,1", "3,1503.00,1"},
         3,
         TColumnFailure::None,
         0,
         {"1500.00", "1500.00", "1500.67", "1501.25"}},
        {"depth k comes from the first line numbered k, wherever it stands",
         {"2,1502.00,1", "0,1500.00,1", "3,1503.00,1", "2,1600.00,1"},
         3,
         TColumnFailure::None,
         0,
         {"1500.00", "1500.00", "1500.67", "1501.25"}},
        {"a line with a depth number only keeps the speed before it",
         {"0,1500.00,1", "1", "2,1503.00,1"},
         2,
         TColumnFailure::None,
         0,
         {"1500.00", "1500.00", "1501.00"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        const TProfileColumnBuild column = BuildProfileColumn(c.averaged, c.maxDepth);
        EXPECT_EQ(column.failure, c.failure);
        EXPECT_EQ(column.failedDepth, c.failedDepth);
        EXPECT_EQ(column.lines, c.column);
    }
}

// The graph writes the points back without the empty lines; the column stays the same.
TEST(SoundVelocitySteps, GraphRoundTripKeepsTheColumn) {
    const TLines averaged = {"0,1500.00,1", "", "2,1502.00,1", "3,1503.00,1"};
    TSVPPlot plot;
    plot.ReadPointLines(averaged);
    const TLines stored = plot.PointLines();
    EXPECT_EQ(stored, (TLines{"0,1500.00,1", "2,1502.00,1", "3,1503.00,1"}));
    const TLines expected = {"1500.00", "1500.00", "1500.67", "1501.25"};
    EXPECT_EQ(BuildProfileColumn(averaged, 3).lines, expected);
    EXPECT_EQ(BuildProfileColumn(stored, 3).lines, expected);
}

TEST(SoundVelocitySteps, MaxDepth) {
    const struct {
        const char* text;
        std::optional<int> depth;
    } cases[] = {{"200", 200},         {"0", 0},
                 {" 12000 ", 12000},   {"12001", std::nullopt},
                 {"-1", std::nullopt}, {"abc", std::nullopt},
                 {"", std::nullopt},   {"20000000", std::nullopt},
                 {"2.5", std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadMaxDepth(c.text), c.depth);
    }
}

}  // namespace
