// The main window's echo-sounder handler with the windows it reads and writes: the depth panel,
// the alarm on the map, the draft and velocity it logs, each record at its own current position
// (PROJ's projection of its latitude and longitude) or marked without one, the lasting sign of a
// sounding not logged right, and a real sounder log through a pseudo-terminal.

#include "navigation/unavigation.h"

#include "app/UMsg.h"
#include "canvas/OrvaltCanvas.h"
#include "devices/OrvaltSerialGPS.h"
#include "navigation/ControlColor.h"
#include "navigation/NavigationState.h"
#include "navigation/RealtimeData.h"
#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "tests/devices/PortFeed.h"
#include "tests/devices/ReceiverLog.h"
#include "tests/geodesy/ProjPeer.h"
#include "tests/navigation/RealtimeWindowSet.h"
#include "tests/platform/PseudoTerminal.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/RecordFields.h"
#include "tests/support/TestEnvironment.h"
#include "tools/Bathymetry.h"
#include "tools/UGPS.h"
#include "tools/unavset.h"

#include <gtest/gtest.h>

namespace {

class MainWindowSounderTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDataFolders();
        Offsets = &offsets_;
        StoreGnssLineState({});
        SensorWindowsShown = false;
        Format("NMEA DPT");
        const std::pair<QLineEdit*, const char*> texts[] = {{offsets_.OffsetA, "0.50"},
                                                            {offsets_.SV, "1500"},
                                                            {offsets_.OffsetC, "2.50"},
                                                            {offsets_.TideHt, "1.25"},
                                                            {w_.navset.edDepthAlert1, "5.0"}};
        for (const auto& [edit, text] : texts) edit->setText(text);
    }
    void TearDown() override {
        Offsets = nullptr;
        SensorWindowsShown = false;
    }

    // A run on WGS 84 in the zone of central meridian -15, started at the clock's tick.
    void StartRun() {
        w_.TypeSouthernZone();
        w_.LoadGeodesy();
        RealtimeStartTick = std::max<std::uint64_t>(GetTickCount(), 1);
    }
    // A GGA through the receiver's component, as the port delivers it.
    void Gga(const std::string& latitude, const std::string& longitude) {
        main_.ZGPS1->ReceiveBytes("$INGGA,000000.16," + latitude + ",S," + longitude +
                                  ",W,1,12,0.7,-2.76,M,4.67,M,,\r\n");
    }

    void Format(const char* name) {
        settings_.cSBESMessage->setCurrentText(name);
        settings_.cSBESMessageChange();
    }
    void Line(const std::string& line) { main_.ZSENSORNewCommand(main_.ZSENSOR.get(), line); }
    std::vector<std::string> Records() const { return RecordsAfterHeader(CoordinatesFilePath); }
    std::string XyzBytes() const { return ReadFileBytes(DaySurveyFiles().xyzPath); }
    // The comma-separated field of a record, from 0.
    static std::string Field(const std::string& record, std::size_t index) {
        return std::string(TOrvaltSerialGPS::SplitFields(record, ',').at(index));
    }

    TRealtimeWindowSet w_;
    TOffsets offsets_;
    TFNav& main_ = w_.main;
    TFGPS& settings_ = w_.settings;
    TfRealtime& realtime_ = w_.realtime;
    TNavset& navset_ = w_.navset;
    TFMsg& messages_ = w_.messages;
};

TEST_F(MainWindowSounderTest, DepthPanelFramesAndTheFirstLine) {
    realtime_.DepthFrameHi->hide();
    realtime_.DepthFrameLo->hide();
    Format("Orvalt XDR H/L");
    Line("no marker here");
    EXPECT_TRUE(SensorWindowsShown) << "any line shows the frames";
    EXPECT_FALSE(realtime_.DepthFrameHi->isHidden());
    EXPECT_FALSE(realtime_.DepthFrameLo->isHidden()) << "the format has two depths";
    EXPECT_EQ(realtime_.lDepthHi->text(), "---") << "an ignored line changes no depth";
    Line("$ORVXDHI,8.25,$ORVXDLO,9.10");
    EXPECT_EQ(realtime_.lDepthHi->text(), "8.75");
    EXPECT_EQ(realtime_.lDepthLo->text(), "9.60");
    EXPECT_TRUE(NewDepthFlag);
    Format("Orvalt QRD");
    settings_.eSBESFormat->setText("%*8s,%lf");
    Line("$ORVTQRD,12.34,12.60");
    EXPECT_EQ(realtime_.lDepthHi->text(), "--.-") << "one value where two are due";
    EXPECT_EQ(realtime_.lDepthLo->text(), "--.-");
    EXPECT_EQ(TrueDepthHi, 0);
    EXPECT_EQ(Records().size(), 1u);
}

TEST_F(MainWindowSounderTest, DepthAlarmFollowsTheStartButton) {
    navset_.fcadColor->SetSelected(0x80FFFF);
    main_.fcad->SetBackgroundColor(0x123456);
    Line("$SDDPT,4.49,0.0");  // 4.99 m
    EXPECT_EQ(main_.fcad->BackgroundColor, 0x123456u) << "button up: the map is not touched";
    main_.bRealtime->setChecked(true);
    Line("$SDDPT,4.49,0.0");
    EXPECT_EQ(main_.fcad->BackgroundColor, 0x0000FFu);
    Line("$SDDPT,4.51,0.0");
    EXPECT_EQ(main_.fcad->BackgroundColor, 0x80FFFFu);
    Line("$SDDPT,4.49,0.0");
    Format("Orvalt XDR LO");
    Line("$ORVXDHI,0,$ORVXDLO,9.10");
    EXPECT_EQ(main_.fcad->BackgroundColor, 0x80FFFFu) << "alarmed by the only depth it has";
    main_.bRealtime->setChecked(false);
}

// The reduction's draft is the offsets window's text as it stands, and the record shows it;
// the velocity is the copy, and a velocity of 0 records nothing and is told once.
TEST_F(MainWindowSounderTest, RecordsCarryTheDraftAndVelocityUsed) {
    offsets_.show();  // the copies wait for the window to close; the draft does not
    offsets_.OffsetA->setText("0.80");
    SoundVelocity = 1530;
    Line("$SDDPT,10.0,0.4,*79");
    ASSERT_EQ(Records().size(), 1u);
    EXPECT_EQ(Field(Records()[0], 7), "11.00");
    EXPECT_EQ(Field(Records()[0], 12), "1530.00");
    EXPECT_EQ(Field(Records()[0], 13), "0.80") << "the draft the depth was reduced with";
    SoundVelocity = 0;
    Line("$SDDPT,10.0,0.4,*79");
    Line("$SDDPT,10.0,0.4,*79");
    EXPECT_EQ(Records().size(), 1u);
    EXPECT_EQ(messages_.Msg->toPlainText().count(
                  "Sound velocity 0 m/s is not positive; no depth is recorded"),
              1);
    EXPECT_EQ(realtime_.lDepthHi->text(), "--.-");
}

// Each record is at the position current when it came, projected then: none before the first
// GGA of the run, none 3 s after the last one, none at the receiver's empty position. A record
// without one is still written, with GPS 0, and gives no XYZ row; each outage is told once and
// signed in the status bar until a record has a position again.
TEST_F(MainWindowSounderTest, RecordsAtTheirOwnCurrentPosition) {
    TTestClock clock(QDateTime(QDate(2014, 8, 1), QTime(0, 0)));
    clock.Advance(1000);  // tick 0 is no tick
    StartRun();
    const TProjPeer grid("+proj=tmerc +lon_0=-15 +k=0.9996 +x_0=500000 +y_0=10000000 +ellps=WGS84");
    Line("$SDDPT,10.0,0.4");
    Gga("2200.110899", "01756.359432");
    Line("$SDDPT,11.0,0.4");
    EXPECT_EQ(main_.SoundingSign(), "") << "a record with a position clears the sign";
    clock.Advance(3000);
    Line("$SDDPT,12.0,0.4");
    clock.Advance(1);
    Line("$SDDPT,13.0,0.4");
    Line("$SDDPT,14.0,0.4");
    EXPECT_EQ(main_.SoundingSign(), "No GNSS position");
    EXPECT_EQ(ControlColor(realtime_.DepthFrameHi), kRed);
    Gga("2200.113054", "01756.360985");
    Line("$SDDPT,15.0,0.4");
    EXPECT_EQ(ControlColor(realtime_.DepthFrameHi), kLime);
    main_.ZGPS1->ReceiveBytes("$INGGA,000002.16,,,,,0,,,,M,,M,,\r\n");
    Line("$SDDPT,16.0,0.4");
    RealtimeStartTick = GetTickCount() + 1;  // a new run: the old position is none of its own
    Gga("2200.115263", "01756.362601");
    RealtimeStartTick = GetTickCount();
    Line("$SDDPT,17.0,0.4");

    const std::vector<std::string> records = Records();
    ASSERT_EQ(records.size(), 8u);
    const bool positioned[] = {false, true, true, false, false, true, false, true};
    const double latitudes[] = {0, -22.0018483166667, -22.0018483166667, 0, 0, -22.0018842333333,
                                0, -22.0019210500000};
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < records.size(); ++i) {
        SCOPED_TRACE(records[i]);
        const std::vector<std::string> f = CommaFields(records[i]);
        ASSERT_EQ(f.size(), 18u);
        EXPECT_EQ(f[14], positioned[i] ? "1" : "0");
        if (!positioned[i]) {
            EXPECT_EQ(f[1] + f[2] + f[3] + f[4], "") << "no position, and it says so";
            continue;
        }
        EXPECT_NEAR(std::stod(f[1]), latitudes[i], 1e-9);
        const PJ_COORD xy = grid.Forward(proj_torad(std::stod(f[2])), proj_torad(std::stod(f[1])));
        EXPECT_NEAR(std::stod(f[3]), xy.xy.x, 0.006);
        EXPECT_NEAR(std::stod(f[4]), xy.xy.y, 0.006);
        rows.push_back(f[3] + "," + f[4] + "," + f[5]);
    }
    EXPECT_EQ(RecordsAfterHeader(DaySurveyFiles().xyzPath), rows);
    EXPECT_EQ(messages_.Msg->toPlainText().count(kNoPositionReport), 3) << "once per outage";
}

// A full disk, here a file-size limit, loses the record: the sign names the reason and stays,
// the depth frames stay red, until a record reaches the log again.
TEST_F(MainWindowSounderTest, ASoundingNotWrittenIsSignedUntilOneIs) {
    Line("$SDDPT,10.0,0.4");
    const std::string before = ReadFileBytes(CoordinatesFilePath);
    {
        const TFileSizeLimit limit(before.size() + 10);
        ASSERT_TRUE(limit.Applied());
        Line("$SDDPT,11.0,0.4");
        EXPECT_EQ(main_.SoundingSign(), "Survey log not written: File too large");
        Line("$SDDPT,0,0.4");  // no bottom: no record due, the sign stays
        Line("$SDDPT,12.0,0.4");
        EXPECT_EQ(main_.SoundingSign(), "Survey log not written: File too large");
        EXPECT_EQ(ControlColor(realtime_.DepthFrameLo), kRed);
        EXPECT_EQ(ControlColor(main_.StatusPanels[5]), kRed);
    }
    EXPECT_EQ(ReadFileBytes(CoordinatesFilePath), before);
    Line("$SDDPT,13.0,0.4");
    EXPECT_EQ(Records().size(), 2u);
    EXPECT_EQ(main_.SoundingSign(), "No GNSS position") << "written, but without a position";
    EXPECT_EQ(messages_.Msg->toPlainText().count("Cannot write the survey log"), 1);
}

// A low-frequency-only sounder shows and labels the depth it logs, not the draft; a depth that
// overflows is no depth at all.
TEST_F(MainWindowSounderTest, TheShownDepthIsTheLoggedOne) {
    TTestClock clock(QDateTime(QDate(2014, 8, 1), QTime(0, 0)));
    StartRun();
    Gga("2200.110899", "01756.359432");
    Format("Orvalt XDR LO");
    Line("$ORVXDHI,0,$ORVXDLO,9.28");
    EXPECT_EQ(realtime_.lDepthHi->text(), "9.78");
    EXPECT_EQ(SoundingDepth, 9.78);
    ASSERT_TRUE(PendingDepthLabel);
    EXPECT_EQ(PendingDepthLabel->depth, 9.78);
    ASSERT_EQ(Records().size(), 1u);
    EXPECT_EQ(Field(Records()[0], 8), "9.78");
    main_.ZSENSORTimeout();
    EXPECT_EQ(realtime_.lDepthHi->text(), "--.-") << "a silent sounder shows no depth";
    EXPECT_EQ(SoundingDepth, 0);
    EXPECT_FALSE(main_.fcad->ShowDepth);

    Format("NMEA DPT");
    Line("$SDDPT,1.2e308,0.0");
    Line("$SDDPT,1.2e308,0.0");
    EXPECT_EQ(Records().size(), 1u) << "no record of an infinite depth";
    EXPECT_EQ(realtime_.lDepthHi->text(), "--.-");
    EXPECT_EQ(messages_.Msg->toPlainText().count("gives no finite depth"), 1);
}

// The B&G Zeus log through the sounder's port under "NMEA DPT": one record per DPT line with a
// depth, in order, and none for its DBT lines.
TEST_F(MainWindowSounderTest, WholeZeusLogThroughAPseudoTerminal) {
    const std::string folder = RealDataFolder();
    if (folder.empty()) GTEST_SKIP() << "no real data folder";
    const std::string stream =
        ReceiverStream(ReadFileBytes(folder + "echosounder/gpsd__bundg_zeus_9.log"), false);
    std::vector<double> depths;
    for (const std::string& line : SplitLines(stream)) {
        if (line.find("DPT") == std::string::npos) continue;
        const double depth = std::stod(Field(line, 1));
        if (depth != 0) depths.push_back(depth);
    }
    ASSERT_EQ(depths.size(), 149u);

    TPseudoTerminal terminal;
    terminal.MapToPort(6);
    TOrvaltSerialGPS& sounder = *main_.ZSENSOR;
    sounder.Port = 6;
    sounder.BaudRate = 115200;
    sounder.Open();
    ASSERT_TRUE(sounder.Connected());
    ASSERT_TRUE(DeliverInChunks(terminal, sounder, stream, 3000));
    sounder.Close();
    const std::vector<std::string> records = Records();
    ASSERT_EQ(records.size(), depths.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(std::stod(Field(records[i], 9)), depths[i]) << records[i];
        EXPECT_EQ(Field(records[i], 11), "NMEA DPT");
    }
}

}  // namespace
