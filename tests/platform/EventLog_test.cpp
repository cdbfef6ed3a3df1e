#include "platform/EventLog.h"

#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

TEST(EventLog, RecordsInCallOrderWithCrLf) {
    TTestClock clock(QDateTime(QDate(2024, 3, 7), QTime(9, 30, 15, 123)));
    const std::string path = TestTempFolder() + "events-order.log";
    ASSERT_TRUE(AppendEventLog("GPS port connected", path));
    ASSERT_TRUE(AppendEventLog("two\nlines", path));
    EXPECT_EQ(ReadFileBytes(path),
              "\r\nAuto Event:\t2024-03-07 093015123\tGPS port connected"
              "\r\nAuto Event:\t2024-03-07 093015123\ttwo\r\nlines");
}

TEST(EventLog, MidnightGivesTheDateAlone) {
    TTestClock clock(QDateTime(QDate(2024, 3, 8), QTime(0, 0)));
    const std::string path = TestTempFolder() + "events-midnight.log";
    ASSERT_TRUE(AppendEventLog("x", path));
    EXPECT_EQ(ReadFileBytes(path), "\r\nAuto Event:\t2024-03-08\tx");
}

TEST(EventLog, MissingFolderDropsTheRecord) {
    const std::string path = TestTempFolder() + "no such folder/events.log";
    EXPECT_FALSE(AppendEventLog("lost", path));
    EXPECT_EQ(ReadFileBytes(path), "");
}

TEST(EventLog, FileNameFollowsTheDateInTheFirstDaysFolder) {
    TTestClock clock(QDateTime(QDate(2024, 3, 7), QTime(23, 0)));
    InitDayFolderGlobals();
    clock.Advance(2 * 3600 * 1000);
    EXPECT_EQ(EventLogFilePath(), LogDir + "2024-03-08 Events.log");
    EXPECT_NE(LogDir.find("2024-03-07"), std::string::npos);
}

}  // namespace
