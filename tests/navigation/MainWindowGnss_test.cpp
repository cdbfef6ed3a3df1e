// The main window's GNSS handlers with the windows they touch: the offsets copies, the map
// timer, the echo, the speed read-out, the reports; and a whole real log through a
// pseudo-terminal, whose every GGA position must reach the navigation state.

#include "navigation/unavigation.h"

#include "app/UMsg.h"
#include "devices/OrvaltSerialGPS.h"
#include "navigation/ControlColor.h"
#include "navigation/NavigationState.h"
#include "navigation/RealtimeData.h"
#include "platform/DataFolders.h"
#include "tests/devices/PortFeed.h"
#include "tests/devices/ReceiverLog.h"
#include "tests/platform/PseudoTerminal.h"
#include "tests/support/GlobalWindow.h"
#include "tests/support/TestEnvironment.h"
#include "tools/Bathymetry.h"
#include "tools/UGPS.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

class MainWindowGnssTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitDayFolderGlobals();
        StoreGnssLineState({});
        RealtimeStartTick = 0;
    }
    void TearDown() override { RealtimeStartTick = 0; }

    void Line(const std::string& line) { main_->ZGPS1NewCommand(main_->ZGPS1.get(), line); }

    TGlobalWindow<TFNav> main_{FNav};
    TGlobalWindow<TFGPS> settings_{FGPS};
    TGlobalWindow<TfRealtime> realtime_{fRealtime};
    TGlobalWindow<TOffsets> offsets_{Offsets};
    TGlobalWindow<TFMsg> messages_{FMsg};
};

TEST_F(MainWindowGnssTest, EmptyOffsetsAreReportedOnceAndTheLineGoesOn) {
    Line("$GPHDT,123.4,T");
    Line("$GPHDT,123.5,T");
    EXPECT_DOUBLE_EQ(GyroHeading, 123.5);
    EXPECT_EQ(messages_->Msg->toPlainText().count('\n'), 0) << "one report line";
    EXPECT_TRUE(LastMessage.startsWith("Offsets: A '', SV ''"));
    offsets_->OffsetA->setText("1.2");
    offsets_->SV->setText("1500");
    Line("$GPHDT,1,T");
    EXPECT_DOUBLE_EQ(TransducerDraft, 1.2);
    EXPECT_DOUBLE_EQ(SoundVelocity, 1500);
    offsets_->show();
    offsets_->OffsetA->setText("9");
    Line("$GPHDT,1,T");
    EXPECT_DOUBLE_EQ(TransducerDraft, 1.2) << "copied only while the window is hidden";
}

TEST_F(MainWindowGnssTest, FirstLineAfterTheStartRunsTheMapTimerAndEchoes) {
    Line("$GPHDT,1,T");
    EXPECT_FALSE(main_->tMap->isActive()) << "real time is not started";
    RealtimeStartTick = 1;
    settings_->show();
    Line("$GPHDT,2,T");
    EXPECT_TRUE(main_->tMap->isActive());
    EXPECT_EQ(ControlColor(realtime_->GPSGroupBox), kRed) << "no fix yet: no RTK lime";
    EXPECT_EQ(ControlColor(settings_->MemoGPS), 0xFFFFFF);
    EXPECT_TRUE(settings_->MemoGPS->toPlainText().endsWith("$GPHDT,2,T"));
    main_->FMemoEchoEnabled = false;
    Line("$GPHDT,3,T");
    EXPECT_FALSE(settings_->MemoGPS->toPlainText().contains("$GPHDT,3,T")) << "echo paused";
}

TEST_F(MainWindowGnssTest, SpeedPositionAndSentCommands) {
    main_->ZGPS1SpeedChange(main_->ZGPS1.get(), 9.7 * 1.852);
    EXPECT_EQ(realtime_->Speed->text(), "9.7");
    main_->ZGPS1Position3DChange(main_->ZGPS1.get(), -22.0018, -17.9393, -2.76);
    EXPECT_EQ(CurrentLatitude, -22.0018);
    EXPECT_EQ(CurrentLongitude, -17.9393);
    EXPECT_EQ(CurrentHeight, -2.76);
    main_->ZGPS1Send(main_->ZGPS1.get(), "$PORV,1*00\r\n");
    EXPECT_EQ(LastMessage, "Command sent to device: $PORV,1*00\r\n");
    EXPECT_TRUE(messages_->isVisible());
}

TEST_F(MainWindowGnssTest, GpsBoxFollowsTheFixQualityOneGgaLate) {
    TPseudoTerminal terminal;
    terminal.MapToPort(4);
    main_->ZGPS1->Port = 4;
    main_->ZGPS1->Open();
    ASSERT_TRUE(main_->ZGPS1->Connected());
    const auto deliver = [&](const std::string& line) {
        ASSERT_TRUE(Deliver(terminal, *main_->ZGPS1, line + "\r\n"));
    };
    deliver("$GPGGA,120000,4807.0,N,01131.0,E,4,12,0.9,12.5,M,,M,,");
    EXPECT_EQ(ShownFixQuality, 0) << "the component decodes the GGA after the handler";
    deliver("$GPHDT,1,T");
    EXPECT_EQ(ShownFixQuality, 4);
    EXPECT_EQ(ControlColor(realtime_->GPSGroupBox), 0x00FF00);
    // The fault this pins: the idle report forgot the position but kept the fix, and the map
    // timer's start painted the RTK colour over plain GPS epochs.
    main_->ZGPS1Idle(main_->ZGPS1.get());
    EXPECT_EQ(main_->ZGPS1->GetFixQuality(), 0) << "the fix goes with the position";
    EXPECT_EQ(ShownFixQuality, 0);
    RealtimeStartTick = 1;
    deliver("$GPGGA,120001,4807.0,N,01131.0,E,1,12,0.9,12.5,M,,M,,");
    EXPECT_TRUE(main_->tMap->isActive());
    deliver("$GPHDT,1,T");
    EXPECT_EQ(ShownFixQuality, 1);
    EXPECT_EQ(ControlColor(realtime_->GPSGroupBox), kRed) << "a GPS fix is no RTK fix";
    main_->tMap->stop();
    main_->ZGPS1->Close();
}

// Every GGA of the Seapath log, through the port with the offsets window closed and empty,
// moves the vessel: no offsets text ends a line before the component decodes it.
TEST_F(MainWindowGnssTest, WholeSeapathLogThroughAPseudoTerminal) {
    const std::string folder = RealDataFolder();
    if (folder.empty()) GTEST_SKIP() << "no real data folder";
    const std::string stream =
        ReceiverStream(ReadFileBytes(folder + "nmea/openrvdas__NBP1406_s330-2014-08-01.log"), true);
    std::vector<std::pair<double, double>> expected;
    for (std::size_t at = stream.find("$INGGA"); at != std::string::npos;
         at = stream.find("$INGGA", at + 1)) {
        const auto fields = TOrvaltSerialGPS::SplitFields(
            std::string_view(stream).substr(at, stream.find('\n', at) - at), ',');
        expected.emplace_back(TOrvaltSerialGPS::NmeaToDegrees(fields[2], fields[3]),
                              TOrvaltSerialGPS::NmeaToDegrees(fields[4], fields[5]));
    }
    ASSERT_EQ(expected.size(), 625u);

    TPseudoTerminal terminal;
    terminal.MapToPort(5);
    TOrvaltSerialGPS& gps = *main_->ZGPS1;
    gps.Port = 5;
    gps.BaudRate = 115200;
    std::vector<std::pair<double, double>> reached;
    const auto handler = gps.OnPosition3DChange;
    gps.OnPosition3DChange = [&](TOrvaltSerialGPS* sender, double lat, double lon, double alt) {
        handler(sender, lat, lon, alt);
        reached.emplace_back(CurrentLatitude, CurrentLongitude);
    };
    gps.Open();
    ASSERT_TRUE(gps.Connected());
    ASSERT_TRUE(DeliverInChunks(terminal, gps, stream, 3000));
    gps.Close();
    EXPECT_EQ(reached, expected);
    EXPECT_EQ(messages_->Msg->toPlainText().count("Offsets:"), 1);
}

}  // namespace
