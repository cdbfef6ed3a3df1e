#include "devices/NtripSettings.h"

#include "devices/NtripDisplay.h"
#include "platform/DataFolders.h"

#include <gtest/gtest.h>

namespace {

TEST(NtripSettings, DefaultsAndBadBaudIndexes) {
    TIniFile ini(GetSettingsFilePath());
    const TNtripSettings defaults = ReadNtripSettings(ini);
    EXPECT_EQ(defaults.Server, kDefaultNtripServer);
    EXPECT_EQ(defaults.Port, "2101");
    EXPECT_EQ(defaults.Latitude, "0.0");
    EXPECT_EQ(defaults.OutputBaud, 5);
    EXPECT_FALSE(defaults.AutoConnect || defaults.OutputEnabled || defaults.UseManualPosition);
    for (const char* stored : {"fast", "6", "-1"}) {
        ini.WriteString("NTRIP", "OutputBaud", stored);
        EXPECT_EQ(ReadNtripSettings(ini).OutputBaud, 5) << stored;
    }
    EXPECT_EQ(OutputBaudRate(0), 4800);
    EXPECT_EQ(OutputBaudRate(3), 38400);
    EXPECT_EQ(OutputBaudRate(-1), 115200) << "none selected";
}

TEST(NtripSettings, DisplayTexts) {
    const std::pair<std::int64_t, const char*> counts[] = {
        {0, "0"},
        {999, "999"},
        {1234, "1,234"},
        {1000000, "1,000,000"},
        {5000000000LL, "5,000,000,000"},  // past 2 GiB
    };
    for (const auto& [bytes, text] : counts) EXPECT_EQ(FormatByteCount(bytes), text);
    EXPECT_EQ(ActivityPosition(1234), 24);
    EXPECT_EQ(ActivityPosition(4999), 99);
    EXPECT_EQ(ActivityPosition(5049), 0);
    TNtripStatusCaptions captions{};
    EXPECT_FALSE(NtripStatusCaptions(5, captions));
    EXPECT_FALSE(NtripStatusCaptions(-1, captions));
}

}  // namespace
