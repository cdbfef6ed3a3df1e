#include "devices/NtripProfiles.h"

#include "platform/TextFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class NtripProfilesTest : public ::testing::Test {
protected:
    void SetUp() override { path_ = FreshTestPath("profiles.txt"); }
    void Write(const std::string& bytes) { ASSERT_TRUE(WriteFileAtomically(path_, bytes)); }

    std::string path_;
};

TEST_F(NtripProfilesTest, NamesCarryTheUserWhenThereIsOne) {
    EXPECT_EQ(NtripProfileName("caster.example", "2101", ""), "caster.example:2101");
    EXPECT_EQ(NtripProfileName("caster.example", "2101", "ann"), "ann@caster.example:2101");
}

TEST_F(NtripProfilesTest, ReadsTheNthProfileLine) {
    Write(
        "# no tab: not a profile\r\n"
        "a@one:2101\tone\t2101\ta\tpw\t41.5\t29.25\r\n"
        "\r\n"
        "two:2102\ttwo\t2102\t\t\n"
        "three:1\tthree\t1\r\n");
    EXPECT_EQ(ReadNtripProfileNames(path_),
              (std::vector<std::string>{"a@one:2101", "two:2102", "three:1"}));

    const auto first = ReadNtripProfile(path_, 1);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Server, "one");
    EXPECT_EQ(first->Password, "pw");
    EXPECT_TRUE(first->HasPosition);
    EXPECT_EQ(first->Longitude, "29.25");

    const auto second = ReadNtripProfile(path_, 2);  // the blank line before it does not count
    ASSERT_TRUE(second) << "five fields are a profile without a position";
    EXPECT_EQ(second->Server, "two");
    EXPECT_EQ(second->Port, "2102");
    EXPECT_FALSE(second->HasPosition);

    EXPECT_FALSE(ReadNtripProfile(path_, 3)) << "three fields are too few";
    EXPECT_FALSE(ReadNtripProfile(path_, 4));
    EXPECT_FALSE(ReadNtripProfile(path_, 0));
    EXPECT_FALSE(ReadNtripProfile(path_ + ".missing", 1));
    EXPECT_TRUE(ReadNtripProfileNames(path_ + ".missing").empty());
}

TEST_F(NtripProfilesTest, OlderFilesInTheTurkishCodePageReadAsText) {
    Write(
        "\xDE"
        "ube:2101\t\xDE"
        "ube\t2101\t\t\r\n");  // "Şube" in Windows-1254
    EXPECT_EQ(ReadNtripProfileNames(path_), std::vector<std::string>{"\xC5\x9E"
                                                                     "ube:2101"});
}

TEST_F(NtripProfilesTest, SavingTheSameProfileReplacesItsLine) {
    Write("old:1\told\t1\t\t\t\t\r\n\r\nann@c:2101\tc\t2101\tann\tx\t1\t2\r\n");
    TNtripProfile profile;
    profile.Server = "c";
    profile.Port = "2101";
    profile.Username = "ann";
    profile.Password = "new";
    profile.Latitude = "3";
    profile.Longitude = "4";
    ASSERT_TRUE(SaveNtripProfile(path_, profile));
    ASSERT_TRUE(SaveNtripProfile(path_, profile));
    EXPECT_EQ(ReadFileBytes(path_),
              "old:1\told\t1\t\t\t\t\r\n\r\nann@c:2101\tc\t2101\tann\tnew\t3\t4\r\n");
    profile.Username = "";
    ASSERT_TRUE(SaveNtripProfile(path_, profile));
    EXPECT_EQ(ReadNtripProfileNames(path_),
              (std::vector<std::string>{"old:1", "ann@c:2101", "c:2101"}));
}

TEST_F(NtripProfilesTest, AFailedSaveKeepsEveryProfile) {
    const std::string before = "keep:1\tkeep\t1\tu\tp\t\t\r\n";
    Write(before);
    const std::string folder = path_ + ".folder";
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    TNtripProfile profile;
    profile.Server = "x";
    EXPECT_FALSE(SaveNtripProfile(folder, profile)) << "a folder cannot be read as the file";
    if (::geteuid() != 0) {  // root writes anywhere
        ASSERT_EQ(::chmod(TestTempFolder().c_str(), 0500), 0);
        EXPECT_FALSE(SaveNtripProfile(path_, profile));
        ::chmod(TestTempFolder().c_str(), 0700);
    }
    EXPECT_EQ(ReadFileBytes(path_), before);
}

}  // namespace
