#include "platform/IniFields.h"

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

struct TSample {
    std::string name = "none";
    int count = 7;
    bool enabled = true;
    double depth = 1.5;
};

constexpr TIniField<TSample> kFields[] = {
    {"Name", &TSample::name},
    {"Count", &TSample::count},
    {"Enabled", &TSample::enabled},
    {"Depth", &TSample::depth},
};

TEST(IniFields, MissingKeysKeepTheDefaults) {
    TIniFile ini(TestTempFolder() + "partly.ini");
    ASSERT_TRUE(ini.WriteString("S", "Count", "3"));
    const TSample read = ReadIniFields<TSample>(ini, "S", kFields);
    EXPECT_EQ(read.name, "none");
    EXPECT_EQ(read.count, 3);
    EXPECT_TRUE(read.enabled);
    EXPECT_EQ(read.depth, 1.5);
}

TEST(IniFields, WrittenInTableOrderAndReadBack) {
    TIniFile ini(TestTempFolder() + "whole.ini");
    ASSERT_TRUE(WriteIniFields(ini, "S", kFields, TSample{"boat", -2, false, -12.75}));
    EXPECT_EQ(ini.ReadSection("S"),
              (std::vector<std::string>{"Name", "Count", "Enabled", "Depth"}));
    EXPECT_EQ(ini.ReadString("S", "Enabled", ""), "0");
    EXPECT_EQ(ini.ReadString("S", "Depth", ""), "-12.75");
    const TSample read = ReadIniFields<TSample>(ini, "S", kFields);
    EXPECT_EQ(read.name, "boat");
    EXPECT_EQ(read.count, -2);
    EXPECT_FALSE(read.enabled);
    EXPECT_EQ(read.depth, -12.75);
}

TEST(IniFields, AFailedWriteIsReported) {
    TIniFile ini(TestTempFolder() + "no such folder/fields.ini");
    EXPECT_FALSE(WriteIniFields(ini, "S", kFields, TSample{}));
}

}  // namespace
