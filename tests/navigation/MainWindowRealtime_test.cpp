// Start and Stop on the main window with its ports on pseudo-terminals: the events log, the
// button and the windows; the GNSS port's reports; and a stretch of a real ship's receiver log
// with real time on, whose every position and heading must reach the map.

#include "navigation/unavigation.h"

#include "app/UMsg.h"
#include "canvas/OrvaltCanvas.h"
#include "devices/OrvaltSerialGPS.h"
#include "navigation/ControlColor.h"
#include "navigation/MapTick.h"
#include "navigation/NavigationState.h"
#include "navigation/RealtimeData.h"
#include "navigation/uCanvas.h"
#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/EventLog.h"
#include "tests/devices/ReceiverLog.h"
#include "tests/geodesy/ProjPeer.h"
#include "tests/platform/PseudoTerminal.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestEnvironment.h"
#include "tools/UGPS.h"
#include "tools/UShape.h"
#include "tools/unavset.h"

#include <gtest/gtest.h>

#include <QDir>
#include <cmath>

namespace {

class MainWindowRealtimeTest : public ::testing::Test {
protected:
    void SetUp() override {
        FNav = &main_;
        FGPS = &settings_;
        fRealtime = &realtime_;
        FMsg = &messages_;
        fWaterfal = &waterfall_;
        Navset = &navset_;
        FShape = &shape_;
        TFNav::CreateStandardLayers(main_.fcad);
        RealtimeRunning = false;
        RealtimeStartTick = 0;
        CurrentLatitude = CurrentLongitude = 0;
        settings_.SensorEnabled->setChecked(false);
        SetPortSettings();
        gps_.MapToPort(4);
        settings_.Port->setCurrentText("COM4");
    }
    // Without a settings file the settings window's port combos start empty.
    void SetPortSettings() {
        const std::pair<QComboBox * TFGPS::*, const char*> combos[] = {
            {&TFGPS::BaudRate, "9600"},    {&TFGPS::DataWidth, "8"},
            {&TFGPS::StopBits, "1"},       {&TFGPS::Parity, "None"},
            {&TFGPS::Priority, "Normal"},  {&TFGPS::Delay, "5"},
            {&TFGPS::NMEALog, "False"},    {&TFGPS::LogTime, "False"},
            {&TFGPS::EnableDTR, "False"},  {&TFGPS::EnableRTS, "False"},
            {&TFGPS::SBaudRate, "9600"},   {&TFGPS::SDataWidth, "8"},
            {&TFGPS::SStopBits, "1"},      {&TFGPS::SParity, "None"},
            {&TFGPS::SPriority, "Normal"}, {&TFGPS::SDelay, "5"},
            {&TFGPS::SNMEALog, "False"},   {&TFGPS::SLogTime, "False"},
            {&TFGPS::SEnableDTR, "False"}, {&TFGPS::SEnableRTS, "False"},
            {&TFGPS::SPort, "COM5"}};
        for (const auto& [combo, text] : combos) (settings_.*combo)->setCurrentText(text);
    }
    void TearDown() override {
        main_.ZGPS1->Close();
        main_.ZSENSOR->Close();
        FNav = nullptr;
        FGPS = nullptr;
        fRealtime = nullptr;
        FMsg = nullptr;
        fWaterfal = nullptr;
        Navset = nullptr;
        FShape = nullptr;
        RealtimeRunning = false;
        RealtimeStartTick = 0;
    }

    // Bytes as the receiver sends them, read by the port's next poll.
    void Receive(const std::string& bytes) {
        gps_.Send(bytes);
        ASSERT_TRUE(
            TPseudoTerminal::WaitQueued(main_.ZGPS1->Handle(), static_cast<int>(bytes.size())));
        main_.ZGPS1->PollTimerTick();
    }

    TTestClock clock_{QDateTime(QDate(2024, 5, 6), QTime(8, 0))};
    TScriptedDialogs dialogs_;
    TPseudoTerminal gps_;
    // The day folders come before the window, which creates them.
    bool dayFolders_ = (InitDayFolderGlobals(), true);
    TFNav main_;
    TFGPS settings_;
    TfRealtime realtime_;
    TFMsg messages_;
    TfWaterfal waterfall_;
    TNavset navset_;
    TFShape shape_;
};

TEST_F(MainWindowRealtimeTest, StartAndStopWriteTheEventsLogInOrder) {
    main_.bRealtime->click();
    EXPECT_TRUE(RealtimeRunning);
    EXPECT_TRUE(main_.ZGPS1->Connected());
    EXPECT_TRUE(main_.bRealtime->isChecked()) << "the connect report presses the button";
    EXPECT_EQ(main_.bRealtime->text(), "Stop");
    EXPECT_EQ(ControlColor(main_.tRealtime), 0x008000);
    EXPECT_FALSE(messages_.isVisible()) << "the connect report does not show the window";
    EXPECT_EQ(realtime_.height(), 191) << "no sounder";
    EXPECT_EQ(main_.fcad->GetLayerTag(VesselLayer), 1);
    clock_.Advance(61500);
    main_.bRealtime->click();
    EXPECT_FALSE(RealtimeRunning);
    EXPECT_FALSE(main_.ZGPS1->Connected());
    EXPECT_FALSE(main_.bRealtime->isChecked());
    EXPECT_EQ(main_.bRealtime->text(), "Start");
    EXPECT_EQ(ReadFileBytes(EventLogFilePath()),
              "\r\nAuto Event:\t2024-05-06 080000000\tRealtime STARTED"
              "\r\nAuto Event:\t2024-05-06 080000000\tConnected to GPS on COM4"
              "\r\nAuto Event:\t2024-05-06 080101500\tDisconnected from GPS on COM4"
              "\r\nAuto Event:\t2024-05-06 080101500\tRealtime STOPPED");
}

TEST_F(MainWindowRealtimeTest, PortsThatDoNotOpenAreReported) {
    settings_.Port->setCurrentText("COM19");
    settings_.SPort->setCurrentText("COM18");
    settings_.SensorEnabled->setChecked(true);
    main_.bRealtime->click();
    EXPECT_TRUE(RealtimeRunning);
    EXPECT_FALSE(main_.bRealtime->isChecked());
    EXPECT_EQ(messages_.Msg->toPlainText().toStdString(),
              "Cannot open GPS on COM19\nCannot open sensor on COM18");
    EXPECT_TRUE(main_.tEchogram->isActive()) << "the sounder watch still runs";
    main_.bRealtime->click();
    EXPECT_FALSE(RealtimeRunning);
}

TEST_F(MainWindowRealtimeTest, AMissingLogFolderStopsTheStartBeforeAnyPort) {
    ASSERT_TRUE(QDir(QString::fromStdString(LogDir)).removeRecursively());
    main_.bRealtime->click();
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_TRUE(dialogs_.messages[0].startsWith("Cannot create file"))
        << dialogs_.messages[0].toStdString();
    EXPECT_FALSE(main_.ZGPS1->Connected());
    EXPECT_FALSE(RealtimeRunning);
    EXPECT_EQ(RealtimeStartTick, 0u);
    EXPECT_EQ(main_.bRealtime->text(), "Start");
}

TEST_F(MainWindowRealtimeTest, IdleStopsTheMapAndTheSamePositionComesBack) {
    main_.ZGPS1->IdleInterval = 100;
    main_.bRealtime->click();
    const std::string gga = "$GPGGA,120000,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,\r\n";
    Receive(gga);
    EXPECT_TRUE(main_.tMap->isActive());
    const double lat = CurrentLatitude, lon = CurrentLongitude;
    EXPECT_NEAR(lat, 48.1173, 1e-9);
    for (int tick = 0; tick < 4; ++tick) main_.ZGPS1->IdleTimerTick();
    EXPECT_EQ(messages_.Msg->toPlainText().count("GPS is idle!"), 1) << "once per silent period";
    EXPECT_EQ(LastMessage, "GPS is idle!");
    EXPECT_FALSE(main_.tMap->isActive());
    EXPECT_EQ(CurrentLatitude, 0);
    EXPECT_EQ(CurrentLongitude, 0);
    EXPECT_EQ(ControlColor(realtime_.GPSGroupBox), kRed);
    Receive(gga);
    EXPECT_EQ(CurrentLatitude, lat) << "the same position is news after the silence";
    EXPECT_EQ(CurrentLongitude, lon);
    EXPECT_TRUE(main_.tMap->isActive());
}

TEST_F(MainWindowRealtimeTest, TimeoutReportsAndTheEchogramCommand) {
    main_.ZGPS1Timeout(main_.ZGPS1.get());
    EXPECT_EQ(ControlColor(settings_.MemoGPS), kRed);
    main_.ZSENSORTimeout();
    EXPECT_EQ(ControlColor(realtime_.DepthFrameHi), kRed);
    EXPECT_EQ(ControlColor(realtime_.DepthFrameLo), kRed);
    EXPECT_EQ(messages_.Msg->toPlainText().toStdString(), "GPS Timeout!\nSensor TimeOut.");

    main_.Echogram1->trigger();
    EXPECT_FALSE(waterfall_.isVisible());
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0], "Sensor is not connected. Connect sensor to view waterfall.");
    TPseudoTerminal sounder;
    sounder.MapToPort(5);
    main_.ZSENSOR->Port = 5;
    main_.ZSENSOR->Open();
    main_.Echogram1->trigger();
    EXPECT_TRUE(waterfall_.isVisible());
}

// Ten minutes of the Seapath 330 on RV Palmer (quality 1, about 9 knots), epoch by epoch through
// the port with real time on, each followed by a map tick: the vessel sits where PROJ puts the
// GGA, its bow points along the gyro heading plus the convergence, and the track's points lie
// at least the track distance apart.
TEST_F(MainWindowRealtimeTest, RealShipLogOnTheMap) {
    const std::string folder = RealDataFolder();
    if (folder.empty()) GTEST_SKIP() << "no real data folder";
    const std::string stream =
        ReceiverStream(ReadFileBytes(folder + "nmea/openrvdas__NBP1406_s330-2014-08-01.log"), true);
    for (auto [edit, text] : {std::pair{settings_.edSMA, "6378137"},
                              {settings_.edIF, "0.0033528106647474"},
                              {settings_.edPPM, "0"},
                              {settings_.edRX, "0"},
                              {settings_.edRY, "0"},
                              {settings_.edRZ, "0"},
                              {settings_.edSX, "0"},
                              {settings_.edSY, "0"},
                              {settings_.edSZ, "0"},
                              {settings_.edCM, "-15"},
                              {settings_.edRL, "0"},
                              {settings_.edSF, "0.9996"},
                              {settings_.edFE, "500000"},
                              {settings_.edFN, "10000000"}}) {
        edit->setText(text);
    }
    settings_.cbUseLCCProjection->setChecked(false);
    settings_.GyroEnabled->setChecked(true);
    navset_.TrackDistance->setText("20");
    navset_.cLineOrDot->setChecked(false);
    main_.bRealtime->click();
    ASSERT_TRUE(main_.ZGPS1->Connected());
    TProjPeer utm("+proj=tmerc +lon_0=-15 +k_0=0.9996 +x_0=500000 +y_0=10000000 +ellps=WGS84");
    int epochs = 0;
    for (std::size_t at = 0; at < stream.size();) {
        const std::size_t next = stream.find("$INZDA", at + 1);
        Receive(stream.substr(at, next - at));
        at = next == std::string::npos ? stream.size() : next;
        if (CurrentLatitude == 0) continue;
        main_.tMapTimer();
        ++epochs;
        const PJ_COORD grid =
            utm.Forward(proj_torad(CurrentLongitude), proj_torad(CurrentLatitude));
        ASSERT_NEAR(CurrentEasting, grid.xy.x, 0.01);
        ASSERT_NEAR(CurrentNorthing, grid.xy.y, 0.01);
        const double convergence =
            -proj_todeg(utm.Factors(CurrentLatitude, CurrentLongitude).meridian_convergence);
        const TLineEnds bow = main_.fcad->GetLineEnds(main_.fcad->GetLayerShapeIds(VesselLayer)[0]);
        const double bearing = std::atan2(bow.X2 - bow.X1, bow.Y2 - bow.Y1) * 180 / M_PI;
        ASSERT_NEAR(std::remainder(bearing - (GyroHeading + convergence), 360), 0, 1e-6);
    }
    EXPECT_EQ(epochs, 625);
    const std::vector<int> track =
        main_.fcad->GetLayerShapeIds(main_.fcad->FindLayerByName("track_nofix"));
    EXPECT_GT(track.size(), 100u);
    for (std::size_t i = 1; i < track.size(); ++i) {
        const TPointXY a = main_.fcad->GetPointXY(track[i - 1]),
                       b = main_.fcad->GetPointXY(track[i]);
        ASSERT_GE(std::hypot(b.X - a.X, b.Y - a.Y), 20) << i;
    }
    main_.bRealtime->click();
}

}  // namespace
