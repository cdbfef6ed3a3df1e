// Depth reduction: single velocity and profile lookups, soundings outside the profile, profile
// lines that give no velocity, inputs that must give no depth, and a whole real deep-water log
// against a shallow profile.

#include "navigation/DepthReduction.h"

#include "platform/NumberFormat.h"
#include "tests/support/TestEnvironment.h"
#include "tools/TelegramReader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

// A profile whose line k holds 1400 + k m/s, so the velocity names the line it came from.
std::vector<std::string> LinearProfile(int lines) {
    std::vector<std::string> profile;
    for (int k = 0; k < lines; ++k) profile.push_back(FormatFixed(1400 + k, 2));
    return profile;
}

TEST(DepthReduction, SingleVelocityAndProfileLines) {
    const std::vector<std::string> lines = LinearProfile(20);
    const TProfileLines profile(lines);
    const struct {
        const char* legend;
        double rawHi, rawLo, velocity;
        bool useProfile;
        double trueHi, velocityHi, velocityLo;
    } cases[] = {
        {"the sounder's own velocity", 10.0, 0, 1500, false, 10.5, 1500, 1500},
        {"a faster water column", 10.0, 0, 1530, false, 10.7, 1530, 1530},
        {"the profile's line 10 decides", 10.0, 0, 1530, true, 0.5 + 10.0 * 1410 / 1500, 1410,
         1400},
        {"10.49 m rounds to line 10", 10.49, 0, 0, true, 0.5 + 10.49 * 1410 / 1500, 1410, 1400},
        {"10.5 m rounds to line 11", 10.5, 3.2, 0, true, 0.5 + 10.5 * 1411 / 1500, 1411, 1403},
        {"deeper than the profile takes its last line", 250, 19.6, 0, true,
         0.5 + 250.0 * 1419 / 1500, 1419, 1419},
        {"-1.5 m takes line 0", -1.5, -0.6, 0, true, 0.5 - 1.5 * 1400 / 1500, 1400, 1400},
        {"a huge depth takes the last line", 1e300, 0, 0, true, 0.5 + 1e300 * 1419 / 1500, 1419,
         1400},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        const TDepthReduction depths =
            ReduceDepths({c.rawHi, c.rawLo, 0.5, c.velocity, c.useProfile ? &profile : nullptr});
        ASSERT_TRUE(depths.reduced) << depths.error;
        EXPECT_EQ(depths.profileGap, "");
        EXPECT_DOUBLE_EQ(depths.trueDepthHi, c.trueHi);
        EXPECT_DOUBLE_EQ(depths.velocityHi, c.velocityHi);
        EXPECT_DOUBLE_EQ(depths.velocityLo, c.velocityLo);
        EXPECT_DOUBLE_EQ(depths.trueDepthLo, 0.5 + c.rawLo * c.velocityLo / 1500);
    }
}

// An emptied column, an empty line or text in a line costs no sounding: that depth takes the
// single velocity, and the reduction says why.
TEST(DepthReduction, ProfileGapsTakeTheSingleVelocity) {
    std::vector<std::string> lines = LinearProfile(20);
    lines[12] = "1,512.00";
    lines[7] = "";
    lines[8] = "  ";
    const TProfileLines profile(lines);
    const std::vector<std::string> none;
    const TProfileLines empty(none);
    const struct {
        const char* legend;
        const TProfileColumn* profile;
        double rawHi, rawLo;
        double velocityHi, velocityLo;
        const char* gap;
    } cases[] = {
        {"a line that is not a number", &profile, 12.2, 3, 1530, 1403,
         "Sound velocity profile line 12 '1,512.00' is not a number"},
        {"an empty line", &profile, 10, 7.1, 1410, 1530, "Sound velocity profile line 7 is empty"},
        {"a line of blanks", &profile, 8, 0, 1530, 1400, "Sound velocity profile line 8 is empty"},
        {"the low depth's gap is told first", &profile, 12, 7, 1530, 1530,
         "Sound velocity profile line 7 is empty"},
        {"an emptied column", &empty, 10, 5, 1530, 1530, "The sound velocity profile is empty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        const TDepthReduction depths = ReduceDepths({c.rawHi, c.rawLo, 0.5, 1530, c.profile});
        ASSERT_TRUE(depths.reduced) << depths.error;
        EXPECT_DOUBLE_EQ(depths.velocityHi, c.velocityHi);
        EXPECT_DOUBLE_EQ(depths.velocityLo, c.velocityLo);
        EXPECT_DOUBLE_EQ(depths.trueDepthHi, 0.5 + c.rawHi * c.velocityHi / 1500);
        EXPECT_EQ(depths.profileGap, c.gap);
    }
}

TEST(DepthReduction, InputsThatGiveNoDepth) {
    std::vector<std::string> lines = LinearProfile(20);
    lines[3] = "-1500";
    const TProfileLines profile(lines);
    const std::vector<std::string> none;
    const TProfileLines empty(none);
    const std::vector<std::string> huge(20, "1e308");
    const TProfileLines hugeProfile(huge);
    const struct {
        const char* legend;
        double rawHi, velocity;
        const TProfileColumn* profile;
        const char* error;
    } cases[] = {
        {"velocity 0", 10, 0, nullptr, "Sound velocity 0 m/s is not positive"},
        {"a negative velocity", 10, -1500, nullptr, "Sound velocity -1500 m/s is not positive"},
        {"a negative profile line", 3, 1500, &profile, "Sound velocity -1500 m/s is not positive"},
        {"an emptied column over a velocity of 0", 10, 0, &empty,
         "Sound velocity 0 m/s is not positive"},
        {"a depth that overflows to infinity", 1.2e308, 1530, nullptr,
         "Raw depth 1.2E308 m at 1530 m/s gives no finite depth"},
        {"a depth times the velocity overflows before the division", 1e306, 1500, nullptr,
         "Raw depth 1E306 m at 1500 m/s gives no finite depth"},
        {"a profile velocity of 1e308", 10, 1500, &hugeProfile,
         "Raw depth 5 m at 1E308 m/s gives no finite depth"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        const TDepthReduction depths = ReduceDepths({c.rawHi, 5, 0.5, c.velocity, c.profile});
        EXPECT_FALSE(depths.reduced);
        EXPECT_EQ(depths.error, c.error);
    }
}

// The EM122's deep-water depths all lie below a 200 m profile: every one is reduced with the
// profile's last line.
TEST(DepthReduction, DeepWaterLogAgainstAShallowProfile) {
    const std::string folder = RealDataFolder();
    if (folder.empty()) GTEST_SKIP() << "no real data";
    const std::vector<std::string> lines = LinearProfile(200);
    const TProfileLines profile(lines);
    std::istringstream log(
        ReadFileBytes(folder + "echosounder/openrvdas__NBP1406_mbdp-2014-08-01.log"));
    int depths = 0;
    for (std::string line; std::getline(log, line);) {
        const TTelegramReading reading =
            ReadTelegram("NMEA DPT", "%*6s,%lf", line.substr(line.find(' ') + 1));
        ASSERT_EQ(reading.outcome, TTelegramOutcome::Depth) << line;
        const TDepthReduction reduced = ReduceDepths({reading.rawDepthHi, 0, 0.5, 1500, &profile});
        ASSERT_TRUE(reduced.reduced) << line;
        EXPECT_EQ(reduced.velocityHi, 1599) << line;
        EXPECT_DOUBLE_EQ(reduced.trueDepthHi, 0.5 + reading.rawDepthHi * 1599 / 1500) << line;
        ++depths;
    }
    EXPECT_EQ(depths, 5000);
}

}  // namespace
