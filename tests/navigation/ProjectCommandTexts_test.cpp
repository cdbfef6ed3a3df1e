#include "navigation/ProjectCommandTexts.h"

#include "platform/Clock.h"
#include "platform/DataFolders.h"

#include <gtest/gtest.h>

namespace {

TEST(ProjectCommandTexts, AutomaticPathKeepsTheStartDaysFolderPastMidnight) {
    TTestClock clock(QDateTime(QDate(2024, 5, 17), QTime(23, 58, 30)));
    InitDayFolderGlobals();
    const std::string startFolder = DaySmkDir;
    EXPECT_EQ(AutomaticProjectPath(), startFolder + "2024-05-17 2358.smk");
    clock.Advance(29 * 1000);
    EXPECT_EQ(AutomaticProjectPath(), startFolder + "2024-05-17 2358.smk") << "same minute";
    clock.Advance(2 * 60 * 1000);
    EXPECT_EQ(AutomaticProjectPath(), startFolder + "2024-05-18 0000.smk");
}

TEST(ProjectCommandTexts, FolderShownIsTheOneAboveTheFilesFolder) {
    const struct {
        const char* path;
        const char* shown;
    } cases[] = {
        {"/home/s/SMK/2024-05-17/SMK/2024-05-17 1230.smk", "/home/s/SMK/2024-05-17/"},
        {"/data/plan.smk", "/"},
        {"/plan.smk", "/"},
        {"maps/plan.smk", "maps/"},
        {"plan.smk", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(ProjectFolderShown(c.path), c.shown);
    }
}

TEST(ProjectCommandTexts, FailureRecordsAreNeverSuccessRecords) {
    const std::string p = "/s/a.smk";
    const struct {
        TProjectCommand command;
        bool succeeded;
        std::string expected;
    } cases[] = {
        {TProjectCommand::AutoSave, true, "Auto-saved: /s/a.smk"},
        {TProjectCommand::SaveAs, true, "Saved As: /s/a.smk"},
        {TProjectCommand::Open, true, "Opened file: /s/a.smk"},
        {TProjectCommand::StartUpReload, true, ""},
        {TProjectCommand::AutoSave, false, "Project not saved: /s/a.smk (disk full)"},
        {TProjectCommand::SaveAs, false, "Project not saved: /s/a.smk (disk full)"},
        {TProjectCommand::Open, false, "Project not opened: /s/a.smk (disk full)"},
        {TProjectCommand::StartUpReload, false, "Project not opened: /s/a.smk (disk full)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(ProjectCommandRecord(c.command, p, c.succeeded, "disk full"), c.expected);
    }
}

}  // namespace
