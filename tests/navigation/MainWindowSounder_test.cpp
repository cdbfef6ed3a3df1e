// The main window's echo-sounder handler with the windows it reads and writes: the depth panel,
// the alarm on the map, the draft and velocity it logs, the XYZ rows it holds back, and a real
// sounder log through a pseudo-terminal.

#include "navigation/unavigation.h"

#include "app/UMsg.h"
#include "canvas/OrvaltCanvas.h"
#include "devices/OrvaltSerialGPS.h"
#include "navigation/NavigationState.h"
#include "navigation/RealtimeData.h"
#include "platform/DataFolders.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "tests/devices/PortFeed.h"
#include "tests/devices/ReceiverLog.h"
#include "tests/navigation/RealtimeWindowSet.h"
#include "tests/platform/PseudoTerminal.h"
#include "tests/support/RecordFields.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestEnvironment.h"
#include "tools/Bathymetry.h"
#include "tools/UGPS.h"
#include "tools/USoundVelocity.h"
#include "tools/unavset.h"

#include <gtest/gtest.h>

namespace {

class MainWindowSounderTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDataFolders();
        Offsets = &offsets_;
        StoreGnssLineState({});
        GridPositionSinceStart = false;
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
        GridPositionSinceStart = false;
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
    EXPECT_EQ(messages_.Msg->toPlainText(),
              "Sound velocity 0 m/s is not positive; no depth is recorded");
    EXPECT_EQ(realtime_.lDepthHi->text(), "--.-");
}

// The sound-velocity window's column reduces the soundings while its box is ticked; a step
// that empties the column leaves the box ticked, and the soundings go on with the single
// velocity, told once.
TEST_F(MainWindowSounderTest, ProfileColumnOfTheSoundVelocityWindow) {
    TScriptedDialogs dialogs;
    const std::string memos = FreshTestPath("svp-memos") + "/";
    TfSVP window(nullptr, memos);
    fSVP = &window;
    window.mSVPColumn->SetLines({"1500.20", "1500.75", "1501.30", "1501.85", "1502.18", "1502.40"});
    window.cUseSVP->click();
    ASSERT_TRUE(window.cUseSVP->isChecked());
    Line("$SDDPT,4.4,0.5");
    window.mRawSVData->SetLines({"2024-05-06T10:11:12.000 1500.100,0.2"});
    window.bRawToSVVClick();
    Line("$SDDPT,4.4,0.5");
    Line("$SDDPT,5.4,0.5");
    fSVP = nullptr;
    const std::vector<std::string> records = Records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(Field(records[0], 7), "4.91");
    EXPECT_EQ(Field(records[0], 12), "1502.18");
    EXPECT_EQ(Field(records[1], 7), "4.90");
    EXPECT_EQ(Field(records[1], 12), "1500.00");
    EXPECT_EQ(Field(records[2], 12), "1500.00");
    EXPECT_TRUE(window.cUseSVP->isChecked());
    EXPECT_EQ(messages_.Msg->toPlainText(),
              "The sound velocity profile is empty; depths are reduced with the single sound "
              "velocity");
}

TEST_F(MainWindowSounderTest, XyzRowsOnlyAtAProjectedPosition) {
    Line("$SDDPT,10.0,0.4");
    CurrentLatitude = -22.0;
    CurrentLongitude = -17.9;
    CurrentEasting = 602418.15;
    CurrentNorthing = 7566446.01;
    Line("$SDDPT,11.0,0.4");
    GridPositionSinceStart = true;
    Line("$SDDPT,12.0,0.4");
    CurrentLatitude = CurrentLongitude = 0;  // the receiver went idle
    Line("$SDDPT,13.0,0.4");
    ASSERT_EQ(Records().size(), 4u);
    EXPECT_EQ(Field(Records()[0], 3), "0.00");
    EXPECT_EQ(XyzBytes(), "Easting,Northing,Elevation\r\n602418.15,7566446.01,-11.25\r\n");
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
