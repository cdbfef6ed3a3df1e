#include "canvas/SoundingList.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(SoundingList, KeepsASoundingUnlessOneLiesCloserThanTheSpacing) {
    struct {
        const char* legend;
        TSounding second;
        double spacing;
        size_t kept;
    } cases[] = {
        {"exactly the spacing east", {10, 0, 2}, 10, 2},
        {"exactly the spacing on a diagonal", {6, -8, 2}, 10, 2},
        {"a hair closer", {9.999, 0, 2}, 10, 1},
        {"same place, other depth", {0, 0, 7}, 10, 1},
        {"spacing 0 keeps everything", {0, 0, 7}, 0, 2},
        {"negative spacing keeps everything", {0, 0, 7}, -5, 2},
        {"NaN spacing keeps everything", {0, 0, 7}, NAN, 2},
        {"infinite spacing keeps only the first", {1e12, 1e12, 7}, kInf, 1},
        {"NaN depth is not stored", {50, 0, NAN}, 10, 1},
        {"infinite position is not stored", {kInf, 0, 1}, 10, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        TSoundingList list;
        ASSERT_TRUE(list.Add({0, 0, 1}, c.spacing));
        EXPECT_EQ(list.Add(c.second, c.spacing), c.kept == 2);
        EXPECT_EQ(list.size(), c.kept);
    }
}

// The grid must find every close neighbour wherever the cell borders fall: compared with
// the plain rule (scan every stored sounding) on a dense random cloud, over spacings and
// offsets that put the points on all sides of the cell borders.
TEST(SoundingList, AgreesWithAScanOfEveryStoredSounding) {
    std::mt19937 random(7);
    for (const double spacing : {0.37, 1.0, 10.0, 123.0}) {
        for (const double offset : {0.0, -4.0e6, 5.3e5}) {
            SCOPED_TRACE(testing::Message() << "spacing " << spacing << " offset " << offset);
            std::uniform_real_distribution<double> at(offset, offset + 40 * spacing);
            TSoundingList list;
            std::vector<TSounding> plain;
            for (int i = 0; i < 3000; ++i) {
                const TSounding s{at(random), at(random), 1};
                bool close = false;
                for (const TSounding& p : plain) {
                    close = close || spacing > std::hypot(p.X - s.X, p.Y - s.Y);
                }
                if (!close) plain.push_back(s);
                ASSERT_EQ(list.Add(s, spacing), !close) << i;
            }
            EXPECT_EQ(list.size(), plain.size());
        }
    }
}

TEST(SoundingList, TheSoundingAfterTenThousandDropsTheOldestThousand) {
    TSoundingList list;
    for (int i = 0; i < 10000; ++i) ASSERT_TRUE(list.Add({10.0 * i, 0, 1.0 * i}, 10));
    EXPECT_EQ(list.size(), 10000u);
    ASSERT_TRUE(list.Add({100000, 0, 10000}, 10));
    ASSERT_EQ(list.size(), 9001u);
    EXPECT_EQ(list.Items().front().Z, 1000);
    EXPECT_EQ(list.Items().back().Z, 10000);
    // The spacing test follows: the dropped positions are free again, the kept ones are not.
    EXPECT_TRUE(list.Add({5, 1, -1}, 10));
    EXPECT_FALSE(list.Add({10005, 1, -1}, 10));
}

TEST(SoundingList, ANewSpacingAppliesToTheSoundingsAlreadyStored) {
    TSoundingList list;
    for (int i = 0; i < 100; ++i) ASSERT_TRUE(list.Add({1.0 * i, 0, 1}, 1));
    EXPECT_FALSE(list.Add({50.5, 20, 1}, 25)) << "20 from the stored point (50, 0)";
    EXPECT_TRUE(list.Add({50.5, 26, 1}, 25));
    list.Clear();
    EXPECT_TRUE(list.empty());
    EXPECT_TRUE(list.Add({50.5, 20, 1}, 25));
}

}  // namespace
