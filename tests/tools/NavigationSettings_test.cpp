#include "tools/NavigationSettings.h"

#include "platform/DataFolders.h"
#include "platform/IniFile.h"

#include <gtest/gtest.h>

namespace {

// A new user's map is readable: the colours of missing keys are the form's own (a black
// background, vessel and tracks once hid every label), the other fallbacks the stored ones.
TEST(NavigationSettings, MissingKeysGiveTheStoredDefaultsAndTheFormsColours) {
    const TNavigationSettings read = ReadNavigationSettings(TIniFile(GetSettingsFilePath()));
    EXPECT_EQ(read.vesselWidth, "3");
    EXPECT_EQ(read.trackWidth, "3");
    EXPECT_EQ(read.trackDistance, "20");
    EXPECT_EQ(read.vesselColor, kNavy);
    EXPECT_EQ(read.backgroundColor, kWhite);
    EXPECT_EQ(read.trackFixColor, kGreen);
    EXPECT_EQ(read.trackFloatColor, kYellow);
    EXPECT_TRUE(read.trackAsLines);
    EXPECT_EQ(read.depthAlert, "1");
}

TEST(NavigationSettings, WrittenInOrderColoursAsDecimalTextAndReadBack) {
    TIniFile ini(GetSettingsFilePath());
    const TNavigationSettings written{"4",      "x",      "35",  0x800000, 0x008000,
                                      0x00FFFF, 0xFFFFFF, false, "2.5"};
    ASSERT_TRUE(WriteNavigationSettings(ini, written));
    EXPECT_EQ(ini.ReadSection("NAVIGATION_SETTINGS"),
              (std::vector<std::string>{"VesselWidth", "TrackWidth", "TrackDistance", "VesselColor",
                                        "ColorTracklines1", "ColorTracklines0", "BackgroundColor",
                                        "cLineOrDot", "edDepthAlert"}));
    EXPECT_EQ(ini.ReadString("NAVIGATION_SETTINGS", "VesselColor", ""), "8388608");
    EXPECT_EQ(ini.ReadString("NAVIGATION_SETTINGS", "cLineOrDot", ""), "0");
    const TNavigationSettings read = ReadNavigationSettings(ini);
    EXPECT_EQ(read.trackWidth, "x") << "texts are stored as typed";
    EXPECT_EQ(read.trackFloatColor, 0x00FFFF);
    EXPECT_EQ(read.backgroundColor, 0xFFFFFF);
    EXPECT_FALSE(read.trackAsLines);
    EXPECT_EQ(read.depthAlert, "2.5");
}

TEST(NavigationSettings, MapTimerInterval) {
    const struct {
        const char* text;
        std::optional<int> intervalMs;
    } cases[] = {
        {"", 500},   {"30", 50},  {"0", 50},   {"-200", 50},   {"50", 50},   {"750", 750},
        {"abc", {}}, {"1.5", {}}, {"nan", {}}, {"5000", 5000}, {"5001", {}}, {"100000", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(MapTimerIntervalMs(c.text), c.intervalMs);
    }
}

}  // namespace
