#include "navigation/ScreenshotNames.h"

#include "platform/DataFolders.h"

#include <gtest/gtest.h>

namespace {

using TNames = std::vector<std::string>;

TNames TickNames(const std::vector<QRect>& screens) {
    TMonitorNamer namer;
    TNames names;
    for (int i = 0; i < static_cast<int>(screens.size()); ++i) {
        names.push_back(namer.Next(screens, i));
    }
    return names;
}

TEST(MonitorNames, OnePerMonitorAndTick) {
    const QRect hd(0, 0, 1920, 1080);
    const struct {
        const char* legend;
        std::vector<QRect> screens;
        TNames names;
    } cases[] = {
        {"one monitor", {hd}, {"Primary"}},
        {"two side by side", {hd, hd.translated(1920, 0)}, {"Left", "Right"}},
        {"two side by side, the right one first", {hd.translated(1920, 0), hd}, {"Right", "Left"}},
        {"three in a row",
         {hd, hd.translated(1920, 0), hd.translated(3840, 0)},
         {"Left", "Middle", "Right"}},
        {"four in a row: the second middle one is numbered",
         {hd, hd.translated(1920, 0), hd.translated(3840, 0), hd.translated(5760, 0)},
         {"Left", "Middle", "Monitor3", "Right"}},
        {"stacked with equal left edges", {hd, hd.translated(0, 1080)}, {"Top", "Bottom"}},
        {"2 x 2, rows listed left to right",
         {hd, hd.translated(1920, 0), hd.translated(0, 1080), hd.translated(1920, 1080)},
         {"Left", "Right", "Monitor3", "Monitor4"}},
        {"two at the same origin", {hd, QRect(0, 0, 1280, 1024)}, {"Monitor1", "Monitor2"}},
        {"a laptop below and left of a larger screen: left edges decide",
         {QRect(0, 1440, 1920, 1080), QRect(640, 0, 2560, 1440)},
         {"Left", "Right"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(TickNames(c.screens), c.names);
    }
}

TEST(MonitorNames, TableAloneRepeatsNamesInAGrid) {
    const QRect hd(0, 0, 1920, 1080);
    const std::vector<QRect> grid = {hd, hd.translated(1920, 0), hd.translated(0, 1080),
                                     hd.translated(1920, 1080)};
    TNames names;
    for (int i = 0; i < 4; ++i) names.push_back(MonitorName(grid, i));
    EXPECT_EQ(names, (TNames{"Left", "Right", "Left", "Right"}));
}

TEST(ScreenshotFiles, NameAndFolder) {
    const struct {
        const char* legend;
        QDateTime tick;
        const char* monitor;
        const char* name;
    } cases[] = {
        {"morning, two digits each", QDateTime(QDate(2024, 5, 7), QTime(9, 5, 3, 999)), "Left",
         "QBY 2024-05-07 090503 Left.png"},
        {"24-hour time", QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59)), "Monitor3",
         "QBY 2024-12-31 235959 Monitor3.png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(ScreenshotFileName(c.tick, c.monitor), c.name);
    }
    DayDir = "/survey/SMK/2024-05-07/";
    EXPECT_EQ(ScreenshotFolder(), "/survey/SMK/2024-05-07/PNG/");
    InitDayFolderGlobals();
}

}  // namespace
