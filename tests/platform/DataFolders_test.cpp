#include "platform/DataFolders.h"

#include "platform/Clock.h"
#include "platform/Paths.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

QDateTime At(int year, int month, int day, int hour = 12, int minute = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute));
}

TEST(DataFolders, DayNameAndTime) {
    TTestClock clock(At(2024, 3, 7, 9, 5));
    EXPECT_EQ(GetDateFolderName(), "2024-03-07");
    EXPECT_EQ(TimeStampHHMM(), "0905");
    clock.Set(At(2024, 12, 25, 23, 59));
    EXPECT_EQ(GetDateFolderName(), "2024-12-25");
    EXPECT_EQ(TimeStampHHMM(), "2359");
}

TEST(DataFolders, SettingsPathCreatesItsFolders) {
    const std::string root = std::getenv("ProgramData");
    EXPECT_FALSE(DirectoryExists(root + "/Orvalt"));
    EXPECT_EQ(GetSettingsFilePath(), root + "/Orvalt/QBY/Quellbay.ini");
    EXPECT_TRUE(DirectoryExists(root + "/Orvalt/QBY"));
    EXPECT_FALSE(FileExists(GetSettingsFilePath()));
}

TEST(DataFolders, SettingsPathCreatesMissingParents) {
    const std::string root = std::string(std::getenv("ProgramData")) + "/not/there/yet";
    ::setenv("ProgramData", root.c_str(), 1);
    EXPECT_EQ(GetSettingsFilePath(), root + "/Orvalt/QBY/Quellbay.ini");
    EXPECT_TRUE(DirectoryExists(root + "/Orvalt/QBY"));
}

TEST(DataFolders, UnsetProgramDataFallsBackToXdgNotTheRoot) {
    ::unsetenv("ProgramData");
    ::setenv("XDG_CONFIG_HOME", "/tmp/xdg-config-test", 1);
    EXPECT_EQ(ApplicationDataRoot(), "/tmp/xdg-config-test");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(ApplicationDataRoot(), std::string(std::getenv("HOME")) + "/.config");
}

// A start-up without HOME and with a TMPDIR that names no folder must not throw.
TEST(DataFolders, NoHomeAndABadTemporaryFolderFallBackToTmp) {
    const std::string home = std::getenv("HOME");
    ::unsetenv("ProgramData");
    ::unsetenv("XDG_CONFIG_HOME");
    ::unsetenv("HOME");
    ::unsetenv("QUELLBAY_SMK_ROOT");
    ::setenv("TMPDIR", "/proc/no-such-folder", 1);
    EXPECT_EQ(ApplicationDataRoot(), "/tmp/.config");
    EXPECT_EQ(SmkRoot(), "/tmp/SMK/");
    ::unsetenv("TMPDIR");
    ::setenv("HOME", home.c_str(), 1);
}

TEST(DataFolders, GlobalsStayOnTheFirstDayPastMidnight) {
    TTestClock clock(At(2024, 3, 7, 23, 59));
    InitDayFolderGlobals();
    const std::string root = SmkRoot();
    EXPECT_EQ(DayDir, root + "2024-03-07/");
    EXPECT_EQ(LogDir, root + "2024-03-07/LOG/");
    EXPECT_EQ(CoordinatesFilePath, root + "2024-03-07/LOG/2024-03-07 Coordinates.csv");
    clock.Advance(2 * 60 * 1000);
    EXPECT_EQ(LogDir + GetDateFolderName() + " Events.log",
              root + "2024-03-07/LOG/2024-03-08 Events.log");
}

TEST(DataFolders, CreateDataFoldersBuildsOneDayTree) {
    TTestClock clock(At(2024, 3, 7));
    const std::string day = SmkRoot() + "2024-03-07";
    CreateDataFolders();
    for (const char* sub : {"", "/SMK", "/LOG", "/SVP"}) {
        SCOPED_TRACE(sub);
        EXPECT_TRUE(DirectoryExists(day + sub));
    }
    EXPECT_FALSE(DirectoryExists(day + "/XYZ"));
    CreateDataFolders();
    EXPECT_TRUE(DirectoryExists(day + "/LOG"));
}

TEST(DataFolders, UncreatableTreeIsReportedOnce) {
    ::setenv("QUELLBAY_SMK_ROOT", "/proc/no-such-root/SMK/", 1);
    TScriptedDialogs dialogs;
    CreateDataFolders();
    CreateDataFolders();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].startsWith("Cannot create log folder "));
}

}  // namespace
