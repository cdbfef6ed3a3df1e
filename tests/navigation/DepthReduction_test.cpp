// Depth reduction: single velocity and profile lookups, soundings outside the profile, inputs
// that must give no depth, and a whole real deep-water log against a shallow profile.

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
    const std::vector<std::string> profile = LinearProfile(20);
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
            ReduceDepths({c.rawHi, c.rawLo, 0.5, c.velocity, profile, c.useProfile});
        ASSERT_TRUE(depths.reduced) << depths.error;
        EXPECT_DOUBLE_EQ(depths.trueDepthHi, c.trueHi);
        EXPECT_DOUBLE_EQ(depths.velocityHi, c.velocityHi);
        EXPECT_DOUBLE_EQ(depths.velocityLo, c.velocityLo);
        EXPECT_DOUBLE_EQ(depths.trueDepthLo, 0.5 + c.rawLo * c.velocityLo / 1500);
    }
}

TEST(DepthReduction, InputsThatGiveNoDepth) {
    std::vector<std::string> profile = LinearProfile(20);
    profile[12] = "1,512.00";
    profile[3] = "-1500";
    const struct {
        const char* legend;
        double rawHi, velocity;
        std::vector<std::string> profile;
        bool useProfile;
        const char* error;
    } cases[] = {
        {"velocity 0", 10, 0, {}, false, "Sound velocity 0 m/s is not positive"},
        {"a negative velocity", 10, -1500, {}, false, "Sound velocity -1500 m/s is not positive"},
        {"a profile line that is not a number", 12.2, 1500, profile, true,
         "Sound velocity profile line 12 '1,512.00' is not a number"},
        {"a negative profile line", 3, 1500, profile, true,
         "Sound velocity -1500 m/s is not positive"},
        {"an empty profile", 10, 1500, {}, true, "The sound velocity profile is empty"},
        {"a depth that overflows to infinity",
         1.2e308,
         1530,
         {},
         false,
         "Raw depth 1.2E308 m at 1530 m/s gives no finite depth"},
        {"a depth times the velocity overflows before the division",
         1e306,
         1500,
         {},
         false,
         "Raw depth 1E306 m at 1500 m/s gives no finite depth"},
        {"a profile velocity of 1e308", 10, 1500, std::vector<std::string>(20, "1e308"), true,
         "Raw depth 5 m at 1E308 m/s gives no finite depth"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        const TDepthReduction depths =
            ReduceDepths({c.rawHi, 5, 0.5, c.velocity, c.profile, c.useProfile});
        EXPECT_FALSE(depths.reduced);
        EXPECT_EQ(depths.error, c.error);
    }
}

// The EM122's deep-water depths all lie below a 200 m profile: every one is reduced with the
// profile's last line.
TEST(DepthReduction, DeepWaterLogAgainstAShallowProfile) {
    const std::string folder = RealDataFolder();
    if (folder.empty()) GTEST_SKIP() << "no real data";
    const std::vector<std::string> profile = LinearProfile(200);
    std::istringstream log(
        ReadFileBytes(folder + "echosounder/openrvdas__NBP1406_mbdp-2014-08-01.log"));
    int depths = 0;
    for (std::string line; std::getline(log, line);) {
        const TTelegramReading reading =
            ReadTelegram("NMEA DPT", "%*6s,%lf", line.substr(line.find(' ') + 1));
        ASSERT_EQ(reading.outcome, TTelegramOutcome::Depth) << line;
        const TDepthReduction reduced =
            ReduceDepths({reading.rawDepthHi, 0, 0.5, 1500, profile, true});
        ASSERT_TRUE(reduced.reduced) << line;
        EXPECT_EQ(reduced.velocityHi, 1599) << line;
        EXPECT_DOUBLE_EQ(reduced.trueDepthHi, 0.5 + reading.rawDepthHi * 1599 / 1500) << line;
        ++depths;
    }
    EXPECT_EQ(depths, 5000);
}

}  // namespace
