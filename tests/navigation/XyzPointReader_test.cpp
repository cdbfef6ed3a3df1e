// The XYZ point reader's line rules, and a file read in the Windows program's pieces.

#include "navigation/XyzPointReader.h"

#include "platform/TextFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(XyzPointReader, LineRules) {
    const struct {
        const char* legend;
        const char* line;
        std::optional<TXyzPoint> point;
    } cases[] = {
        {"x y z", "100.5 200.25 12.346\n", TXyzPoint{100.5, 200.25, 12.346}},
        {"point number first, commas", "7,100.5,200.25,12.346\r\n",
         TXyzPoint{100.5, 200.25, 12.346}},
        {"tabs and signs", "+100.5\t-200.25\t-1.5", TXyzPoint{100.5, -200.25, -1.5}},
        {"a fifth value is not read", "7 1 2 3 9\n", TXyzPoint{1, 2, 3}},
        {"a comment", "# x y z\n", std::nullopt},
        {"a slash comment", "// survey 12\n", std::nullopt},
        {"a header", "Easting,Northing,Depth\n", std::nullopt},
        {"a leading blank", " 1 2 3\n", std::nullopt},
        {"two characters with the line break", "1\n", std::nullopt},
        {"CR LF counts as one line break", "1\r\n", std::nullopt},
        {"two values", "1 2\n", std::nullopt},
        {"the origin, which no survey gives", "0 0 5\n", std::nullopt},
        {"x 0 is no origin", "0 5 5\n", TXyzPoint{0, 5, 5}},
        {"nan is no number", "nan nan 5\n", std::nullopt},
        {"inf is no number", "1 2 inf\n", std::nullopt},
        {"beyond a double is no number", "1e999 1 1\n", std::nullopt},
        {"a letter ends the numbers", "1 2 3x 4\n", TXyzPoint{1, 2, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        const std::optional<TXyzPoint> point = ReadXyzLine(c.line);
        ASSERT_EQ(point.has_value(), c.point.has_value());
        if (!point) continue;
        EXPECT_EQ(point->x, c.point->x);
        EXPECT_EQ(point->y, c.point->y);
        EXPECT_EQ(point->z, c.point->z);
    }
}

// A line longer than 1023 characters is read as pieces, each taken as a line.
TEST(XyzPointReader, FileInPieces) {
    const std::string path = FreshTestPath("points.xyz");
    const std::string longLine = "10 20 30" + std::string(1015, ' ') + "40 50 60\n";
    ASSERT_TRUE(WriteFileAtomically(path, "# header\r\n1 2 3\r\n" + longLine + "4,5,6"));
    std::vector<TXyzPoint> points;
    ASSERT_TRUE(ReadXyzPoints(path, points));
    ASSERT_EQ(points.size(), 4u);
    EXPECT_EQ(points[1].x, 10);
    EXPECT_EQ(points[2].x, 40) << "the second piece of the long line";
    EXPECT_EQ(points[3].z, 6) << "the last line needs no line break";
    std::vector<TXyzPoint> none;
    EXPECT_FALSE(ReadXyzPoints(path + ".missing", none));
    EXPECT_FALSE(ReadXyzPoints(TestTempFolder(), none)) << "a folder opens but cannot be read";
}

}  // namespace
