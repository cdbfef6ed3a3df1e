// Event marks on the main window under a fixed clock: the number from the settings file and
// the label at the vessel, the record's bytes among the events log's own, F12, two windows on
// one settings file, the reset, and a LOG folder or settings file that cannot be written.

#include "navigation/EventMarks.h"

#include "canvas/OrvaltCanvas.h"
#include "devices/OrvaltSerialGPS.h"
#include "navigation/NavigationState.h"
#include "navigation/unavigation.h"
#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/EventLog.h"
#include "platform/IniFile.h"
#include "tests/navigation/RealtimeWindowSet.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <tuple>
#include <vector>

namespace {

using TLabel = std::tuple<double, double, int>;

TEST(EventRecord, Layout) {
    const QDateTime morning(QDate(2024, 5, 6), QTime(8, 15, 30, 250));
    const struct {
        const char* legend;
        TEventFields fields;
        const char* record;
    } cases[] = {
        {"a position, two depths",
         {7, morning, TEventPosition{500123.456, 4100000.004}, "12.34", "13.05", 45.5},
         "\r\nEvent No:7,Date & Time:2024-05-06 081530250,Easting:500123.46,Northing:4100000.00,"
         "True Depth:12.34,True Depth:13.05,Heading:45.50"},
        {"no current position: Easting and Northing empty",
         {8, morning, std::nullopt, "--.-", "---", -0.004},
         "\r\nEvent No:8,Date & Time:2024-05-06 081530250,Easting:,Northing:,"
         "True Depth:--.-,True Depth:---,Heading:0.00"},
        {"at exactly midnight the date alone",
         {9, QDateTime(QDate(2024, 5, 7), QTime(0, 0)), TEventPosition{-12.5, 0}, "", "", 359.999},
         "\r\nEvent No:9,Date & Time:2024-05-07,Easting:-12.50,Northing:0.00,True Depth:,"
         "True Depth:,Heading:360.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(EventRecord(c.fields), c.record);
    }
}

class EventMarksTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDataFolders();
        w_.realtime.lDepthHi->setText("12.34");
        w_.realtime.lDepthLo->setText("--.-");
        VesselHeading = 45.5;
        w_.TypeSouthernZone();
        w_.LoadGeodesy();
        RealtimeStartTick = 1;
        home_ = At("2200.110899", "01756.359432");
    }
    void TearDown() override {
        VesselHeading = 0;
        RealtimeStartTick = 0;
    }

    // The vessel where its receiver has just reported it (south, west), and its grid position
    // through the run's projection.
    TEventPosition At(const std::string& latitude, const std::string& longitude) {
        TOrvaltSerialGPS& gps = *w_.main.ZGPS1;
        gps.ReceiveBytes("$INGGA,000000.16," + latitude + ",S," + longitude +
                         ",W,1,12,0.7,-2.76,M,4.67,M,,\r\n");
        const std::optional<TGridFix> grid =
            w_.main.RunProjector.Project(gps.GetLatitude(), gps.GetLongitude(), gps.GetAltitude());
        EXPECT_TRUE(grid.has_value());
        return grid ? TEventPosition{grid->easting, grid->northing} : TEventPosition{};
    }
    static int Stored() {
        return TIniFile(GetSettingsFilePath()).ReadInteger("EVENTS", "Event Number", -1);
    }
    // The map's event labels as (x, y, number).
    static std::vector<TLabel> LabelsOf(const TFNav& window) {
        std::vector<TLabel> labels;
        for (const TNumberLabel& l : window.fcad->NumberLabels)
            labels.emplace_back(l.X, l.Y, l.Number);
        return labels;
    }
    std::vector<TLabel> Labels() const { return LabelsOf(w_.main); }
    static std::string Record(int number, TEventPosition at, const std::string& depthHi = "12.34") {
        return EventRecord(
            {number, QDateTime(QDate(2024, 5, 6), QTime(8, 0)), at, depthHi, "--.-", 45.5});
    }
    TLabel Label(int number) const { return {home_.easting, home_.northing, number}; }

    TTestClock clock_{QDateTime(QDate(2024, 5, 6), QTime(8, 0))};
    TScriptedDialogs dialogs_;
    TRealtimeWindowSet w_;
    TEventPosition home_;  // where the vessel is at the start of each test
};

TEST_F(EventMarksTest, NumbersLabelsAndRecordsAmongTheLogsOwn) {
    EXPECT_FALSE(TIniFile(GetSettingsFilePath()).SectionExists("EVENTS"));
    AppendEventLog("Realtime STARTED", EventLogFilePath());
    w_.main.btEventAdd->click();
    EXPECT_EQ(Stored(), 1) << "no EVENTS section: the first event is 1, and it is written";
    w_.main.ZSENSORTimeout();  // the silent sounder's depth is no longer shown
    const TEventPosition next = At("2200.113054", "01756.360985");
    w_.main.btEventAdd->click();
    EXPECT_EQ(Stored(), 2);
    EXPECT_EQ(EventsLog(), "\r\nAuto Event:\t2024-05-06 080000000\tRealtime STARTED" +
                               Record(1, home_) +
                               "\r\nAuto Event:\t2024-05-06 080000000\tSensor TimeOut." +
                               Record(2, next, "--.-"));
    EXPECT_EQ(Labels(), (std::vector<TLabel>{Label(1), {next.easting, next.northing, 2}}));

    TIniFile(GetSettingsFilePath()).WriteInteger("EVENTS", "Event Number", 41);
    w_.main.btEventAdd->click();
    EXPECT_EQ(Stored(), 42);
    EXPECT_EQ(std::get<2>(Labels().back()), 42);
}

// A record needs the vessel's position now; without one it says so, and no label is placed at
// a wrong one.
TEST_F(EventMarksTest, WithoutACurrentPositionNoLabelAndAnEmptyPosition) {
    RealtimeStartTick = 2;  // a new start: the position came before it
    w_.main.btEventAdd->click();
    At("2200.110899", "01756.359432");
    w_.main.ZGPS1->ForgetPosition();  // the receiver went idle
    w_.main.btEventAdd->click();
    RealtimeStartTick = 1;  // the running start, and a position since it
    clock_.Advance(1000);
    At("2200.110899", "01756.359432");
    clock_.Advance(3001);  // a receiver gone quiet for longer than a position stays current
    w_.main.btEventAdd->click();
    EXPECT_TRUE(Labels().empty());
    const std::string log = EventsLog();
    EXPECT_NE(log.find("Event No:1,Date & Time:2024-05-06 080000000,Easting:,Northing:,"),
              std::string::npos);
    EXPECT_NE(log.find("Event No:2,Date & Time:2024-05-06 080000000,Easting:,Northing:,"),
              std::string::npos);
    EXPECT_NE(log.find("Event No:3,Date & Time:2024-05-06 080004001,Easting:,Northing:,"),
              std::string::npos);
}

TEST_F(EventMarksTest, F12AndTwoWindowsOnOneSettingsFile) {
    w_.main.show();
    QApplication::setActiveWindow(&w_.main);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w_.main));
    QTest::keyClick(&w_.main, Qt::Key_F12);
    EXPECT_EQ(Labels(), (std::vector<TLabel>{Label(1)}));

    TFNav other;  // a second instance on the same settings file, on the same receiver's lines
    other.LoadRunGeodesy();
    other.ZGPS1->ReceiveBytes(
        "$INGGA,000000.16,2200.110899,S,01756.359432,W,1,12,0.7,-2.76,M,4.67,"
        "M,,\r\n");
    other.btEventAdd->click();
    w_.main.MarkEvent1->trigger();
    other.btEventAdd->click();
    EXPECT_EQ(Stored(), 4);
    EXPECT_EQ(std::get<2>(Labels().back()), 3);
    ASSERT_FALSE(LabelsOf(other).empty());
    EXPECT_EQ(std::get<2>(LabelsOf(other).back()), 4);
}

TEST_F(EventMarksTest, ResetAsksFirst) {
    TIniFile(GetSettingsFilePath()).WriteInteger("EVENTS", "Event Number", 17);
    w_.main.btEventAdd->click();
    const std::string before = EventsLog();
    dialogs_.answers = {TModalResult::No};
    w_.main.btEventReset->click();
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0], "Event ID will restart from 1 again. Continue?");
    EXPECT_EQ(Stored(), 18) << "No changes nothing";
    EXPECT_EQ(EventsLog(), before);

    dialogs_.answers = {TModalResult::Yes};
    w_.main.btEventReset->click();
    EXPECT_EQ(Stored(), 0);
    EXPECT_EQ(EventsLog(),
              before + "\r\nAuto Event:\t2024-05-06 080000000\tEvent number was reset.");
    w_.main.btEventAdd->click();
    EXPECT_EQ(std::get<2>(Labels().back()), 1) << "this run's own count starts again too";
}

TEST_F(EventMarksTest, ARemovedLogFolderComesBack) {
    ASSERT_TRUE(QDir(QString::fromStdString(LogDir)).removeRecursively());
    w_.main.btEventAdd->click();
    EXPECT_EQ(EventsLog(), Record(1, home_));
    EXPECT_TRUE(w_.messages.Msg->toPlainText().isEmpty());
}

// A record that cannot be written is reported with its number and file; the number still
// moves on.
TEST_F(EventMarksTest, ARecordThatCannotBeWrittenIsReported) {
    ASSERT_TRUE(QDir(QString::fromStdString(LogDir)).removeRecursively());
    ASSERT_TRUE(
        QDir().mkpath(QString::fromStdString(EventLogFilePath())));  // a folder in its place
    w_.main.btEventAdd->click();
    EXPECT_EQ(LastMessage.toStdString(), "Event 1 could not be written to " + EventLogFilePath());
    EXPECT_EQ(Stored(), 1);
}

// A folder where the settings file should be: the numbers still go on in this run, and the
// surveyor is told once.
TEST_F(EventMarksTest, UnwritableSettingsNeverRepeatANumber) {
    const QString settings = QString::fromStdString(GetSettingsFilePath());
    QFile::remove(settings);
    ASSERT_TRUE(QDir().mkpath(settings));
    for (int i = 0; i < 3; ++i) w_.main.btEventAdd->click();
    EXPECT_EQ(Labels(), (std::vector<TLabel>{Label(1), Label(2), Label(3)}));
    EXPECT_EQ(w_.messages.Msg->toPlainText().toStdString(),
              "Event number 1 could not be stored in " + GetSettingsFilePath() +
                  ": the next events go on from it in this run only");
    const std::string log = EventsLog();
    for (int n = 1; n <= 3; ++n) EXPECT_NE(log.find(Record(n, home_)), std::string::npos);
}

}  // namespace
