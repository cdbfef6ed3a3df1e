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
#include "platform/IniFile.h"
#include "tests/devices/PortFeed.h"
#include "tests/devices/ReceiverLog.h"
#include "tests/geodesy/ProjPeer.h"
#include "tests/navigation/RealtimeWindowSet.h"
#include "tests/platform/PseudoTerminal.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestEnvironment.h"
#include "tools/Bathymetry.h"
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
        SetPortSettings();
        w_.TypeSouthernZone();
        gps_.MapToPort(4);
        w_.settings.Port->setCurrentText("COM4");
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
        for (const auto& [combo, text] : combos) (w_.settings.*combo)->setCurrentText(text);
    }

    // Bytes as the receiver sends them, read by the port's next poll.
    void Receive(const std::string& bytes) { ASSERT_TRUE(Deliver(gps_, *w_.main.ZGPS1, bytes)); }

    TTestClock clock_{QDateTime(QDate(2024, 5, 6), QTime(8, 0))};
    TScriptedDialogs dialogs_;
    TPseudoTerminal gps_;
    TRealtimeWindowSet w_;
};

TEST_F(MainWindowRealtimeTest, StartAndStopWriteTheEventsLogInOrder) {
    w_.main.bRealtime->click();
    EXPECT_TRUE(RealtimeRunning);
    EXPECT_TRUE(w_.main.ZGPS1->Connected());
    EXPECT_TRUE(w_.main.bRealtime->isChecked()) << "the connect report presses the button";
    EXPECT_EQ(w_.main.bRealtime->text(), "Stop");
    EXPECT_EQ(ControlColor(w_.main.tRealtime), 0x008000);
    EXPECT_FALSE(w_.messages.isVisible()) << "the connect report does not show the window";
    EXPECT_EQ(w_.realtime.height(), 191) << "no sounder";
    EXPECT_EQ(w_.main.fcad->GetLayerTag(VesselLayer), 1);
    clock_.Advance(61500);
    w_.main.bRealtime->click();
    EXPECT_FALSE(RealtimeRunning);
    EXPECT_FALSE(w_.main.ZGPS1->Connected());
    EXPECT_FALSE(w_.main.bRealtime->isChecked());
    EXPECT_EQ(w_.main.bRealtime->text(), "Start");
    EXPECT_FALSE(w_.main.tRealtime->testAttribute(Qt::WA_SetPalette))
        << "no colour of its own left to outlast a style switch";
    EXPECT_EQ(ReadFileBytes(EventLogFilePath()),
              "\r\nAuto Event:\t2024-05-06 080000000\tRealtime STARTED"
              "\r\nAuto Event:\t2024-05-06 080000000\tConnected to GPS on COM4"
              "\r\nAuto Event:\t2024-05-06 080101500\tDisconnected from GPS on COM4"
              "\r\nAuto Event:\t2024-05-06 080101500\tRealtime STOPPED");
}

TEST_F(MainWindowRealtimeTest, PortsThatDoNotOpenAreReported) {
    w_.settings.Port->setCurrentText("COM19");
    w_.settings.SPort->setCurrentText("COM18");
    w_.settings.SensorEnabled->setChecked(true);
    w_.main.bRealtime->click();
    EXPECT_TRUE(RealtimeRunning);
    EXPECT_FALSE(w_.main.bRealtime->isChecked());
    EXPECT_EQ(w_.messages.Msg->toPlainText().toStdString(),
              "Cannot open GPS on COM19\nCannot open sensor on COM18");
    EXPECT_TRUE(w_.main.tEchogram->isActive()) << "the sounder watch still runs";
    w_.main.bRealtime->click();
    EXPECT_FALSE(RealtimeRunning);
}

// Settings the run cannot work with stop the start before any port opens, with a message that
// names the port; a disabled sounder's settings do not count.
TEST_F(MainWindowRealtimeTest, RefusedPortSettingsNameThePort) {
    const struct {
        const char* legend;
        bool sensorEnabled;
        const char* sensorPort;
        const char* sensorRate;
        const char* gpsDelay;
        const char* refusal;  // nullptr: the start goes on
    } cases[] = {
        {"a disabled sounder's rate", false, "COM5", "56000", "5", nullptr},
        {"a disabled sounder on the GNSS port", false, "COM4", "9600", "5", nullptr},
        {"an enabled sounder's rate", true, "COM5", "56000", "5",
         "Sensor port COM5: '56000' is not a baud rate the port can run"},
        {"both devices on one port", true, "com4", "9600", "5",
         "The GPS and the sensor are both set to COM4; each device needs a port of its own"},
        {"a delay the port's rate overruns", false, "COM5", "9600", "100000",
         "GPS port COM4: A delay of 100000 ms loses bytes at 9600 baud: at most 68266 ms"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        w_.settings.SensorEnabled->setChecked(c.sensorEnabled);
        w_.settings.SPort->setCurrentText(c.sensorPort);
        w_.settings.SBaudRate->setCurrentText(c.sensorRate);
        w_.settings.Delay->setCurrentText(c.gpsDelay);
        dialogs_.exceptions.clear();
        w_.main.bRealtime->click();
        EXPECT_EQ(RealtimeRunning, c.refusal == nullptr);
        EXPECT_EQ(w_.main.ZGPS1->Connected(), c.refusal == nullptr);
        if (c.refusal) {
            ASSERT_EQ(dialogs_.exceptions.size(), 1u);
            EXPECT_EQ(dialogs_.exceptions[0].toStdString(), c.refusal);
        } else {
            w_.main.bRealtime->click();
        }
    }
}

// What the start stores is what it logs and projects with; the geodetic tab says that edits
// wait for the next start, and the stop takes the shown depth away.
TEST_F(MainWindowRealtimeTest, StartStoresTheSettingsInUse) {
    w_.settings.edCM->setText("-21");
    w_.main.bRealtime->click();
    ASSERT_TRUE(RealtimeRunning);
    const TIniFile ini(GetSettingsFilePath());
    EXPECT_EQ(ini.ReadString("GEODETIC_PARAMETERS", "Central_Meridian", ""), "-21");
    EXPECT_EQ(ini.ReadString("GPS1 COMUNICATION SETTINGS", "Port No", ""), "COM4");
    EXPECT_FALSE(ini.ReadBool("LOCK SETTINGS", "Lock Settings", false)) << "nothing locked";
    EXPECT_TRUE(w_.settings.GPSTabSheet->isEnabled());
    EXPECT_EQ(w_.main.RunProjector.ParameterTexts().transverseMercator,
              "-21 0 0.9996 500000 10000000");
    EXPECT_NE(ReadFileBytes(LogDir + GetDateFolderName() + " Geodesy.txt").find("CM: -21,"),
              std::string::npos);
    EXPECT_FALSE(w_.settings.lNextStartNote->isHidden());
    w_.settings.edCM->setText("-9");
    EXPECT_EQ(w_.main.RunProjector.ParameterTexts().transverseMercator,
              "-21 0 0.9996 500000 10000000");
    SoundingDepth = 12.5;
    w_.realtime.lDepthHi->setText("12.50");
    w_.main.bRealtime->click();
    EXPECT_TRUE(w_.settings.lNextStartNote->isHidden());
    EXPECT_EQ(w_.realtime.lDepthHi->text(), "--.-");
    EXPECT_EQ(SoundingDepth, 0);
    EXPECT_FALSE(w_.main.fcad->ShowDepth);
}

TEST_F(MainWindowRealtimeTest, AMissingLogFolderStopsTheStartBeforeAnyPort) {
    ASSERT_TRUE(QDir(QString::fromStdString(LogDir)).removeRecursively());
    w_.main.bRealtime->click();
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_TRUE(dialogs_.messages[0].startsWith("Cannot create file"))
        << dialogs_.messages[0].toStdString();
    EXPECT_FALSE(w_.main.ZGPS1->Connected());
    EXPECT_FALSE(RealtimeRunning);
    EXPECT_EQ(RealtimeStartTick, 0u);
    EXPECT_EQ(w_.main.bRealtime->text(), "Start");
}

// A start from the tool bar with the offsets window open, or a telegram before the first GNSS
// line, reduces with the offsets as they stand at the start.
TEST_F(MainWindowRealtimeTest, StartTakesTheOffsetsCopies) {
    TOffsets offsets;
    Offsets = &offsets;
    offsets.show();  // loads the stored entries
    const std::pair<QLineEdit*, const char*> texts[] = {{offsets.OffsetA, "0.5"},
                                                        {offsets.SV, "1530"},
                                                        {offsets.OffsetC, "2.5"},
                                                        {offsets.TideHt, "x"}};
    for (const auto& [edit, text] : texts) edit->setText(text);
    StoreGnssLineState({});
    ManualTide = 0.7;
    w_.main.bRealtime->click();
    EXPECT_EQ(SoundVelocity, 1530);
    EXPECT_EQ(TransducerDraft, 0.5);
    EXPECT_EQ(RtkPoleHeight, 2.5);
    EXPECT_EQ(ManualTide, 0.7) << "a text that does not convert keeps its copy";
    EXPECT_EQ(LastMessage, "Offsets: Tide Ht 'x' is not a number; the previous value is kept");
    w_.main.bRealtime->click();
    StoreGnssLineState({});
    Offsets = nullptr;
}

TEST_F(MainWindowRealtimeTest, IdleStopsTheMapAndTheSamePositionComesBack) {
    w_.main.ZGPS1->IdleInterval = 100;
    w_.main.bRealtime->click();
    const std::string gga = "$GPGGA,120000,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,\r\n";
    Receive(gga);
    EXPECT_TRUE(w_.main.tMap->isActive());
    const double lat = CurrentLatitude, lon = CurrentLongitude;
    EXPECT_NEAR(lat, 48.1173, 1e-9);
    for (int tick = 0; tick < 4; ++tick) w_.main.ZGPS1->IdleTimerTick();
    EXPECT_EQ(w_.messages.Msg->toPlainText().count("GPS is idle!"), 1) << "once per silent period";
    EXPECT_EQ(LastMessage, "GPS is idle!");
    EXPECT_FALSE(w_.main.tMap->isActive());
    EXPECT_EQ(CurrentLatitude, 0);
    EXPECT_EQ(CurrentLongitude, 0);
    EXPECT_EQ(ControlColor(w_.realtime.GPSGroupBox), kRed);
    Receive(gga);
    EXPECT_EQ(CurrentLatitude, lat) << "the same position is news after the silence";
    EXPECT_EQ(CurrentLongitude, lon);
    EXPECT_TRUE(w_.main.tMap->isActive());
}

TEST_F(MainWindowRealtimeTest, TimeoutReportsAndTheEchogramCommand) {
    w_.main.ZGPS1Timeout(w_.main.ZGPS1.get());
    EXPECT_EQ(ControlColor(w_.settings.MemoGPS), kRed);
    w_.main.ZSENSORTimeout();
    EXPECT_EQ(ControlColor(w_.realtime.DepthFrameHi), kRed);
    EXPECT_EQ(ControlColor(w_.realtime.DepthFrameLo), kRed);
    EXPECT_EQ(w_.messages.Msg->toPlainText().toStdString(), "GPS Timeout!\nSensor TimeOut.");

    w_.main.Echogram1->trigger();
    EXPECT_FALSE(w_.waterfall.isVisible());
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0], "Sensor is not connected. Connect sensor to view waterfall.");
    TPseudoTerminal sounder;
    sounder.MapToPort(5);
    w_.main.ZSENSOR->Port = 5;
    w_.main.ZSENSOR->Open();
    w_.main.Echogram1->trigger();
    EXPECT_TRUE(w_.waterfall.isVisible());
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
    w_.settings.GyroEnabled->setChecked(true);
    w_.navset.TrackDistance->setText("20");
    w_.navset.cLineOrDot->setChecked(false);
    w_.main.bRealtime->click();
    ASSERT_TRUE(w_.main.ZGPS1->Connected());
    TProjPeer utm("+proj=tmerc +lon_0=-15 +k_0=0.9996 +x_0=500000 +y_0=10000000 +ellps=WGS84");
    int epochs = 0;
    for (std::size_t at = 0; at < stream.size();) {
        const std::size_t next = stream.find("$INZDA", at + 1);
        Receive(stream.substr(at, next - at));
        at = next == std::string::npos ? stream.size() : next;
        if (CurrentLatitude == 0) continue;
        w_.main.tMapTimer();
        ++epochs;
        const PJ_COORD grid =
            utm.Forward(proj_torad(CurrentLongitude), proj_torad(CurrentLatitude));
        ASSERT_NEAR(CurrentEasting, grid.xy.x, 0.01);
        ASSERT_NEAR(CurrentNorthing, grid.xy.y, 0.01);
        const double convergence =
            -proj_todeg(utm.Factors(CurrentLatitude, CurrentLongitude).meridian_convergence);
        const TLineEnds bow =
            w_.main.fcad->GetLineEnds(w_.main.fcad->GetLayerShapeIds(VesselLayer)[0]);
        const double bearing = std::atan2(bow.X2 - bow.X1, bow.Y2 - bow.Y1) * 180 / M_PI;
        ASSERT_NEAR(std::remainder(bearing - (GyroHeading + convergence), 360), 0, 1e-6);
    }
    EXPECT_EQ(epochs, 625);
    const std::vector<int> track =
        w_.main.fcad->GetLayerShapeIds(w_.main.fcad->FindLayerByName("track_nofix"));
    EXPECT_GT(track.size(), 100u);
    for (std::size_t i = 1; i < track.size(); ++i) {
        const TPointXY a = w_.main.fcad->GetPointXY(track[i - 1]),
                       b = w_.main.fcad->GetPointXY(track[i]);
        ASSERT_GE(std::hypot(b.X - a.X, b.Y - a.Y), 20) << i;
    }
    w_.main.bRealtime->click();
}

}  // namespace
