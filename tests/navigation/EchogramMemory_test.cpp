// The echogram's drawing memory without a window: depths in, then the history, the depth range,
// the pixel rows, the grid step and the grid's labels; the number of samples drawn as the
// settings file may hold it; and depths no sounder sends.

#include "navigation/EchogramMemory.h"
#include "navigation/EchogramGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr int kHeight = 147;

void ClearMemory() {
    std::fill(std::begin(EchoDepths), std::end(EchoDepths), 0.0);
    std::fill(std::begin(EchoRows), std::end(EchoRows), 0.0);
}

TEchogramPicture Feed(const std::vector<double>& depths, int count) {
    TEchogramPicture picture;
    for (const double depth : depths) {
        picture = AddEchoSample(depth, kEchoDefaultLo, kEchoDefaultHi, count, kHeight);
    }
    return picture;
}

std::vector<std::string> Labels(const std::vector<TEchoGridLine>& lines) {
    std::vector<std::string> labels;
    for (const TEchoGridLine& line : lines) labels.push_back(line.label);
    return labels;
}

std::vector<int> Rows(const std::vector<TEchoGridLine>& lines) {
    std::vector<int> rows;
    for (const TEchoGridLine& line : lines) rows.push_back(line.row);
    return rows;
}

TEST(EchogramMemory, DepthsGiveRangeRowsAndGrid) {
    const struct {
        const char* legend;
        std::vector<double> depths;
        double lo, hi;
        std::vector<double> rows;  // of the samples fed, the newest last
        std::vector<std::string> labels;
        std::vector<int> gridRows;
    } cases[] = {
        {"fewer than four samples: 0 to 50 m, step 20",
         {10, 11, 12},
         0,
         50,
         {29, 32, 35},
         {"0m", "20m", "40m"},
         {0, 58, 117}},
        {"10 to 12 m: margin 0.3, step 1, no decimals",
         {10, 10.5, 11, 12},
         9.7,
         12.3,
         {16, 45, 73, 130},
         {"10m", "11m", "12m"},
         {16, 73, 130}},
        {"10.0 to 10.4 m: the span is 1 only within rounding, step 0.25, one decimal",
         {10.0, 10.1, 10.2, 10.4},
         9.7,
         10.7,
         {44, 58, 73, 102},
         {"9.8m", "10.0m", "10.2m", "10.5m"},
         {7, 44, 80, 117}},
        {"a wide spread takes a tenth of it as margin",
         {5, 20, 35, 50},
         0.5,
         54.5,
         {12, 53, 93, 134},
         {"20m", "40m"},
         {53, 107}},
        {"near the surface the range starts at 0",
         {0.1, 0.2, 0.3, 0.4},
         0,
         0.7,
         {21, 42, 63, 84},
         {"0.0m", "0.2m", "0.4m", "0.6m"},
         {0, 42, 84, 126}},
        {"zero and negative depths are gaps with row 0, and do not count",
         {10, 0, -3, 11, 12, 13},
         9.7,
         13.3,
         {12, 0, 0, 53, 93, 134},
         {"10m", "11m", "12m", "13m"},
         {12, 53, 93, 134}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        ClearMemory();
        const TEchogramPicture picture = Feed(c.depths, kDefaultEchoDataWidth);
        EXPECT_EQ(picture.count, kDefaultEchoDataWidth);
        EXPECT_NEAR(picture.range.lo, c.lo, 1e-12);
        EXPECT_NEAR(picture.range.hi, c.hi, 1e-12);
        EXPECT_NEAR(picture.range.span, c.hi - c.lo, 1e-12);
        EXPECT_EQ(picture.depth, c.depths.back());
        const int first = kDefaultEchoDataWidth - static_cast<int>(c.depths.size());
        for (std::size_t i = 0; i < c.depths.size(); ++i) {
            EXPECT_EQ(EchoDepths[first + i], c.depths[i]) << i;
            EXPECT_EQ(EchoRows[first + i], c.rows[i]) << i;
        }
        EXPECT_EQ(EchoRows[0], 0) << "an entry never filled";
        const std::vector<TEchoGridLine> lines = EchoGridLines(picture.range, kHeight);
        EXPECT_EQ(Labels(lines), c.labels);
        EXPECT_EQ(Rows(lines), c.gridRows);
    }
}

TEST(EchogramMemory, GridStepIsRoundWithinRounding) {
    const struct {
        double span, step;
        int decimals;
    } cases[] = {
        {50, 20, 0},     {2.6, 1, 0},          {1.0000000000000018, 0.25, 1},
        {1, 0.25, 1},    {0.4, 0.1, 1},        {0.2, 0.05, 2},
        {0.08, 0.02, 2}, {3.9999999999, 1, 0}, {4.0000004, 2, 0},
        {40, 10, 0},     {400, 100, 0},        {8000, 2000, 0},
        {30, 10, 0},     {1e308, 2.5e307, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.span);
        const TEchoGridStep grid = EchoGridStep(c.span);
        EXPECT_NEAR(grid.step, c.step, c.step * 1e-12);
        EXPECT_EQ(grid.decimals, c.decimals);
    }
}

// The history shifts over the first DataWidth entries only, so a change of DataWidth leaves the
// entries beyond it as they were.
TEST(EchogramMemory, DataWidthOneFiftyTwoHundredAndAChange) {
    ClearMemory();
    Feed({12}, 1);
    EXPECT_EQ(EchoDepths[0], 12);
    EXPECT_EQ(EchoRows[0], 35);
    Feed({13}, 1);
    EXPECT_EQ(EchoDepths[0], 13) << "one sample: replaced, not shifted";
    EXPECT_EQ(EchoDepths[1], 0);

    ClearMemory();
    std::vector<double> depths;
    for (int i = 1; i <= 200; ++i) depths.push_back(i);
    const TEchogramPicture full = Feed(depths, 200);
    EXPECT_EQ(full.count, 200);
    EXPECT_EQ(EchoDepths[0], 1);
    EXPECT_EQ(EchoDepths[199], 200);
    EXPECT_EQ(full.range.lo, 0);
    EXPECT_NEAR(full.range.hi, 219.9, 1e-9);

    ClearMemory();
    Feed({1, 2, 3, 4, 5}, 50);
    Feed({100}, 200);
    EXPECT_EQ(EchoDepths[44], 1);
    EXPECT_EQ(EchoDepths[48], 5);
    EXPECT_EQ(EchoDepths[49], 0) << "the 50 entries moved one place into the 200";
    EXPECT_EQ(EchoDepths[199], 100);
    Feed({101}, 50);
    EXPECT_EQ(EchoDepths[47], 5);
    EXPECT_EQ(EchoDepths[49], 101);
    EXPECT_EQ(EchoDepths[199], 100) << "beyond DataWidth nothing moves";
}

// DataWidth as a hand-edited settings file may hold it, and depths no sounder sends: nothing is
// written outside the memory, no value that is not finite reaches a row, and the grid stays a
// handful of lines within the window.
TEST(EchogramMemory, HostileDataWidthsAndDepths) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* legend;
        int count;
        std::vector<double> depths;
        int drawn;
        double newest;  // as stored
    } cases[] = {
        {"DataWidth 0 draws one sample", 0, {5, 6}, 1, 6},
        {"DataWidth -5 draws one sample", -5, {5, 6}, 1, 6},
        {"DataWidth 201 draws 200", 201, {5, 6}, 200, 6},
        {"DataWidth 100000 draws 200", 100000, {5, 6}, 200, 6},
        {"infinity is a gap", 50, {10, 11, 12, 13, inf}, 50, 0},
        {"minus infinity is a gap", 50, {10, 11, 12, 13, -inf}, 50, 0},
        {"not a number is a gap", 50, {10, 11, 12, 13, nan}, 50, 0},
        {"1e308 among real depths", 50, {10, 11, 12, 1e308}, 50, 1e308},
        {"depths near the largest double", 50, {1e308, 5e307, 1e307, 1e306}, 50, 1e306},
        {"the largest double overflows the range", 50, {1, 2, 3, DBL_MAX}, 50, DBL_MAX},
        {"the largest double alone", 50, {DBL_MAX, DBL_MAX, DBL_MAX, DBL_MAX}, 50, DBL_MAX},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        ClearMemory();
        const TEchogramPicture picture = Feed(c.depths, c.count);
        EXPECT_EQ(picture.count, c.drawn);
        EXPECT_EQ(EchoDepths[c.drawn - 1], c.newest);
        EXPECT_EQ(picture.depth, c.newest);
        EXPECT_TRUE(std::isfinite(picture.range.lo) && std::isfinite(picture.range.hi));
        EXPECT_TRUE(std::isfinite(picture.range.span) && picture.range.span > 0);
        for (const double row : EchoRows) ASSERT_TRUE(std::isfinite(row));
        const std::vector<TEchoGridLine> lines = EchoGridLines(picture.range, kHeight);
        EXPECT_GE(lines.size(), 1u);
        EXPECT_LE(lines.size(), 5u);
        for (const TEchoGridLine& line : lines) EXPECT_LE(line.row, kHeight);
    }
}

}  // namespace
