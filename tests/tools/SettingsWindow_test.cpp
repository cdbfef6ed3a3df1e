// The settings window offscreen: as a new user opens it with no settings file, with a file saved
// by hand with the padded keys the program writes, and its projection boxes and port monitor.

#include "tools/UGPS.h"

#include "devices/OrvaltSerialGPS.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "platform/TextFile.h"
#include "tests/platform/PseudoTerminal.h"
#include "tests/support/ScriptedDialogs.h"
#include "tools/SettingKeys.h"

#include <gtest/gtest.h>

#include <QTest>
#include <span>

namespace {

class SettingsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitDayFolderGlobals();
        main_ = std::make_unique<TFNav>();
        FNav = main_.get();
    }
    void TearDown() override {
        FNav = nullptr;
        main_.reset();
    }

    std::unique_ptr<TFNav> main_;
};

std::vector<QComboBox*> PortCombos(const TFGPS& window) {
    return {window.Port,       window.BaudRate,   window.DataWidth, window.StopBits,
            window.Parity,     window.Priority,   window.Delay,     window.NMEALog,
            window.LogTime,    window.EnableDTR,  window.EnableRTS, window.SPort,
            window.SBaudRate,  window.SDataWidth, window.SStopBits, window.SParity,
            window.SPriority,  window.SDelay,     window.SNMEALog,  window.SLogTime,
            window.SEnableDTR, window.SEnableRTS};
}

TEST_F(SettingsWindowTest, NewUserSeesEmptyPortCombosAndMustFillThem) {
    TScriptedDialogs dialogs;
    TFGPS window;
    EXPECT_EQ(window.size(), QSize(754, 458));
    EXPECT_EQ(window.SettingTabs->count(), 5);
    EXPECT_EQ(window.SettingTabs->tabText(2), "Godetic Parameters");
    for (QComboBox* combo : PortCombos(window)) {
        EXPECT_EQ(combo->currentText(), "") << combo->objectName().toStdString();
        EXPECT_TRUE(combo->isEditable());
    }
    EXPECT_EQ(window.BaudRate->count(), 15);
    EXPECT_EQ(window.SDelay->itemText(19), "100000");
    EXPECT_TRUE(window.SensorEnabled->isChecked());
    EXPECT_TRUE(window.GyroEnabled->isChecked());
    EXPECT_EQ(window.cSBESMessage->currentText(), "Orvalt QRD");
    EXPECT_EQ(window.cSBESMessage->count(), 8);
    EXPECT_EQ(window.eSBESFormat->text(), "%*8s,%lf");
    EXPECT_TRUE(window.cbUseTMProjection->isChecked());
    EXPECT_FALSE(window.cbUseLCCProjection->isChecked());
    EXPECT_TRUE(window.cbUseDTP->isChecked() && !window.cbUseDTP->isEnabled());
    EXPECT_EQ(window.edSMA->text(), "");
    EXPECT_EQ(window.MemoGPS->toPlainText(), "NMEA POSITION DATA");
    EXPECT_EQ(window.MemoSensor->toPlainText(), "NMEA SENSOR DATA");

    EXPECT_FALSE(window.GPSSetClick());
    ASSERT_EQ(dialogs.exceptions.size(), 1u);
    EXPECT_EQ(dialogs.exceptions[0],
              "GPS port: '' is not a valid port: the ports are COM1 to COM20");
    window.Port->setCurrentText("COM2");
    EXPECT_FALSE(window.GPSSetClick());
    EXPECT_EQ(dialogs.exceptions.back(), "GPS port COM2: '' is not a valid integer value");
    EXPECT_EQ(main_->ZGPS1->Port, 2) << "the fields before the refusal are applied";
}

TEST_F(SettingsWindowTest, HandSavedFileWithPaddedKeys) {
    ASSERT_TRUE(WriteFileAtomically(
        GetSettingsFilePath(),
        "[GPS1 COMUNICATION SETTINGS]\r\n"
        "Port No        =COM7\r\nBaud Rate      =115200\r\nData Width     =5\r\n"
        "Stop Bits      =1.5\r\nParity         =None\r\nPriority       =Normal\r\n"
        "Delay          =100\r\nNMEA LOG       =True\r\nLog Time       =False\r\n"
        "Enable DTR     =False\r\nEnable RTS     =True\r\n"
        "[SENSOR COMUNICATION SETTINGS]\r\n"
        "Port No         =8\r\nBaud Rate      =4800\r\nData Width     =8\r\n"
        "Stop Bits      =2\r\nParity         =None\r\nPriority       =Idle\r\n"
        "Delay          =200\r\nNMEA LOG       =False\r\nLog Time       =False\r\n"
        "Enable DTR     =True\r\nEnable RTS     =False\r\n"
        "Sensor Enabled     =0\r\ncSBESMessage=NMEA DBT\r\neSBESFormat=%*6s,%*lf,%*1s,%lf\r\n"
        "[GYRO]\r\nGyro Enabled     =0\r\n"
        "[GEODETIC_PARAMETERS]\r\nSemiMajorAxis=6378137\r\n"
        "InverseFlattening=0.0033528106647474\r\nUse Projection=1\r\n"
        "cbUseLCCProjection=1\r\ncLambert1=1\r\neLCCSP1=36\r\n"));
    TFGPS window;
    EXPECT_EQ(window.Port->currentText(), "COM7");
    EXPECT_EQ(window.SPort->currentText(), "8");
    EXPECT_EQ(window.SPriority->currentText(), "Idle");
    EXPECT_FALSE(window.SensorEnabled->isChecked());
    EXPECT_FALSE(window.GyroEnabled->isChecked());
    EXPECT_EQ(window.cSBESMessage->currentText(), "NMEA DBT");
    EXPECT_EQ(window.eSBESFormat->text(), "%*6s,%*lf,%*1s,%lf");
    EXPECT_EQ(window.edIF->text(), "0.0033528106647474");
    EXPECT_TRUE(window.cbUseLCCProjection->isChecked()) << "both stored as 1 load as LCC";
    EXPECT_FALSE(window.cbUseTMProjection->isChecked());
    EXPECT_FALSE(window.eLCCSP1->isEnabled());
    EXPECT_EQ(window.eLCCSP1->text(), "36");

    ASSERT_TRUE(window.GPSSetClick());
    const TOrvaltSerialGPS& gps = *main_->ZGPS1;
    EXPECT_EQ(gps.Port, 7);
    EXPECT_EQ(gps.BaudRate, 115200);
    EXPECT_EQ(gps.DataBits, 1);
    EXPECT_EQ(gps.StopBits, 2);
    EXPECT_EQ(gps.PollInterval, 100);
    EXPECT_TRUE(gps.NmeaLog);
    EXPECT_FALSE(gps.EnableDTR);
    EXPECT_EQ(gps.LogFileName, LogDir + GetDateFolderName() + " QBY_GNSS_V3.log");
    ASSERT_TRUE(window.SensorSetClick());
    const TOrvaltSerialGPS& sounder = *main_->ZSENSOR;
    EXPECT_EQ(sounder.Port, 8);
    EXPECT_EQ(sounder.StopBits, 3);
    EXPECT_EQ(sounder.Priority, 3);
    EXPECT_EQ(sounder.LogFileName, LogDir + GetDateFolderName() + " QBY_SBES_V3.log");
}

TEST_F(SettingsWindowTest, ProjectionBoxesStayOppositeAndOneParallelGreysTheParallels) {
    TFGPS window;
    window.eLCCSP2->setText("40");
    QTest::mouseClick(window.cbUseLCCProjection, Qt::LeftButton);
    EXPECT_TRUE(window.cbUseLCCProjection->isChecked());
    EXPECT_FALSE(window.cbUseTMProjection->isChecked());
    QTest::mouseClick(window.cbUseLCCProjection, Qt::LeftButton);
    EXPECT_TRUE(window.cbUseTMProjection->isChecked());
    QTest::mouseClick(window.cbUseTMProjection, Qt::LeftButton);
    EXPECT_TRUE(window.cbUseLCCProjection->isChecked());
    QTest::mouseClick(window.cLambert1, Qt::LeftButton);
    EXPECT_FALSE(window.eLCCSP1->isEnabled() || window.eLCCSP2->isEnabled());
    EXPECT_EQ(window.eLCCSP2->text(), "40");
    QTest::mouseClick(window.cLambert1, Qt::LeftButton);
    EXPECT_TRUE(window.eLCCSP1->isEnabled() && window.eLCCSP2->isEnabled());
}

TEST_F(SettingsWindowTest, PortMonitor) {
    TFGPS window;
    window.show();
    for (int line = 2; line <= 100; ++line) window.MemoGPS->appendPlainText("$GPHDT,1,T");
    EXPECT_EQ(window.MemoGPS->document()->blockCount(), 100);
    window.MemoGPS->appendPlainText("$GPHDT,101,T");
    EXPECT_EQ(window.MemoGPS->toPlainText(), "") << "the 101st line clears the memo";
    window.MemoGPS->appendPlainText("$GPHDT,102,T");
    EXPECT_EQ(window.MemoGPS->toPlainText(), "$GPHDT,102,T");

    QTest::mousePress(window.MemoSensor->viewport(), Qt::LeftButton);
    EXPECT_FALSE(main_->FMemoEchoEnabled) << "holding the sounder memo pauses the GNSS echo";
    QTest::mouseRelease(window.MemoSensor->viewport(), Qt::LeftButton);
    EXPECT_TRUE(main_->FMemoEchoEnabled);

    window.BitBtn2->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.MemoSensor->toPlainText(), "");
}

TEST_F(SettingsWindowTest, PortListShowsThePortsThatExist) {
    TPseudoTerminal terminal;
    terminal.MapToPort(3);
    TFGPS window;
    EXPECT_NE(window.Port->findText("COM3"), -1);
    EXPECT_EQ(window.Port->findText("COM256"), -1);
    EXPECT_EQ(window.SPort->count(), window.Port->count());
}

// A key whose control is missing or ambiguous would be skipped without a word.
TEST_F(SettingsWindowTest, EveryKeyNamesOneControlOfTheWindow) {
    TFGPS window;
    for (const auto& table : {std::span<const TSettingKey>(kCommunicationKeys),
                              std::span<const TSettingKey>(kGeodeticKeys),
                              std::span<const TSettingKey>(kDisplayKeys)}) {
        for (const TSettingKey& key : table) {
            EXPECT_EQ(window.findChildren<QWidget*>(key.control).size(), 1) << key.control;
        }
    }
}

}  // namespace
