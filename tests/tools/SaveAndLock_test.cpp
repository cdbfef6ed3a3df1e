// The settings window's "SAVE && LOCK SETTINGS" box offscreen: what a tick writes and notes, what
// a clear writes, the locks a settings file brings at start, and a settings file that cannot be
// written.

#include "tools/UGPS.h"

#include "canvas/OrvaltCanvas.h"
#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestEnvironment.h"
#include "tests/tools/MainWindowFixture.h"
#include "tools/SettingKeys.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <span>

namespace {

const std::span<const TSettingKey> kTables[] = {kCommunicationKeys, kGeodeticKeys, kDisplayKeys};
constexpr char kSaved[] = "=== SETTINGS SAVED ===";

class SaveAndLockTest : public TMainWindowFixture {
protected:
    static int SavesNoted() {
        const std::string log = EventsLog();
        int count = 0;
        for (size_t at = log.find(kSaved); at != std::string::npos; at = log.find(kSaved, at + 1))
            ++count;
        return count;
    }
    static void WriteSettings(const std::string& text) {
        ASSERT_TRUE(WriteFileAtomically(GetSettingsFilePath(), text));
    }
    static std::vector<bool> TabsEnabled(const TFGPS& window) {
        return {window.GPSTabSheet->isEnabled(), window.SensorTabSheet->isEnabled(),
                window.ParametersTabSheet->isEnabled(), window.tGlobalSetting->isEnabled()};
    }
};

// What a control holds, as its key stores it.
QString StoredForm(const TFGPS& window, const TSettingKey& key) {
    const QObject* control = window.findChild<QObject*>(key.control);
    if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
        return box->isChecked() ? "1" : "0";
    }
    if (const auto* colors = dynamic_cast<const TColorBox*>(control)) {
        return QString::number(colors->Selected());
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
    return qobject_cast<const QLineEdit*>(control)->text();
}

// A surveyor's own values in the fields the events log names and in a few of each kind.
void FillFields(TFGPS& window) {
    window.Port->setCurrentText("COM4");
    window.BaudRate->setCurrentText("38400");
    window.SPort->setCurrentText("COM5");
    window.SBaudRate->setCurrentText("4800");
    window.SensorEnabled->setChecked(false);
    window.edNameOfDatum->setText("ED50");
    window.edCM->setText("27");
    window.edRL->setText("0");
    window.edSF->setText("0.9996");
    window.edFE->setText("500000");
    window.edFN->setText("0");
    window.cbUseLCCProjection->setChecked(true);
    window.eLCCSP1->setText("36");
    window.eLCCSP2->setText("42");
    window.edGridSpacingX->setText("250");
    window.cbAutoGrid->setChecked(true);
    window.cbGridColor->SetSelected(0x123456);
    window.edDepthLabelFontName->setText("DejaVu Sans");
    window.eScreenshotInterval->setText("15");
}

TEST_F(SaveAndLockTest, TickSavesEveryKeyAndNotesTheSave) {
    TTestClock clock(QDateTime(QDate(2024, 3, 8), QTime(10, 20, 30, 40)));
    TFGPS window;
    FillFields(window);
    QTest::mouseClick(window.LockStateCheck1, Qt::LeftButton);

    ASSERT_TRUE(window.LockStateCheck1->isChecked());
    EXPECT_EQ(TabsEnabled(window), (std::vector<bool>{false, false, false, false}));
    const std::string stamp = "\r\nAuto Event:\t2024-03-08 102030040\t";
    EXPECT_EQ(EventsLog(), stamp + "=== SETTINGS SAVED ===" + stamp + "GPS: Port=COM4, Baud=38400" +
                               stamp + "Sensor: Port=COM5, Baud=4800, Enabled=No" + stamp +
                               "Datum: ED50, DTP=Yes" + stamp +
                               "TM: CM=27, RefLat=0, SF=0.9996, FE=500000, FN=0" + stamp +
                               "LCC: Enabled, SP1=36, SP2=42" + stamp + "======================");

    // Each section holds the keys in the tables' order.
    const TIniFile ini(GetSettingsFilePath());
    EXPECT_EQ(ini.ReadString("LOCK SETTINGS", "Lock Settings", ""), "1");
    std::map<std::string, std::vector<std::string>> expectedSections;
    for (const auto& table : kTables) {
        for (const TSettingKey& key : table) {
            SCOPED_TRACE(key.control);
            EXPECT_EQ(ini.ReadString(key.section, key.key, "missing"),
                      StoredForm(window, key).toStdString());
            expectedSections[key.section].push_back(key.key);
        }
    }
    for (const auto& [section, keys] : expectedSections) {
        EXPECT_EQ(ini.ReadSection(section), keys) << section;
    }
    EXPECT_EQ(ini.ReadString("GRID_SETTINGS", "GridSpacingX", ""), "250");
    EXPECT_EQ(Map().GridSpacingX, 0) << "Auto Scale leaves the map its own spacing";

    // The next start loads what was saved, and saves and notes it again.
    TFGPS next;
    for (const auto& table : kTables) {
        for (const TSettingKey& key : table) {
            EXPECT_EQ(StoredForm(next, key), StoredForm(window, key)) << key.control;
        }
    }
    EXPECT_TRUE(next.LockStateCheck1->isChecked());
    EXPECT_FALSE(next.GPSTabSheet->isEnabled());
    EXPECT_EQ(SavesNoted(), 2);
}

TEST_F(SaveAndLockTest, ClearWritesOnlyTheLockAndOpensTheTabs) {
    TFGPS window;
    window.edCM->setText("27");
    window.LockStateCheck1->setChecked(true);
    const std::string log = EventsLog();
    window.edCM->setText("33");
    window.LockStateCheck1->setChecked(false);

    EXPECT_EQ(TabsEnabled(window), (std::vector<bool>{true, true, true, true}));
    const TIniFile ini(GetSettingsFilePath());
    EXPECT_EQ(ini.ReadString("LOCK SETTINGS", "Lock Settings", ""), "0");
    EXPECT_EQ(ini.ReadString("GEODETIC_PARAMETERS", "Central_Meridian", ""), "27");
    EXPECT_EQ(EventsLog(), log) << "only a save is noted";
}

TEST_F(SaveAndLockTest, HandKeptLockTextLocksTheTabsAtStartAndTheShowOpensTheGlobalTab) {
    WriteSettings("[LOCK SETTINGS]\r\nLock Settings=0\r\nSettings Locked (true/false)=true\r\n");
    TFGPS window;
    EXPECT_FALSE(window.LockStateCheck1->isChecked());
    EXPECT_EQ(TabsEnabled(window), (std::vector<bool>{false, false, false, false}));
    window.show();
    EXPECT_FALSE(window.LockStateCheck1->isChecked()) << "\"true\" is no number";
    EXPECT_EQ(TabsEnabled(window), (std::vector<bool>{false, false, false, true}));
    EXPECT_EQ(EventsLog(), "");
}

TEST_F(SaveAndLockTest, HandKeptLockNumberTicksTheBoxAtTheShow) {
    WriteSettings("[LOCK SETTINGS]\r\nSettings Locked (true/false)=1\r\n");
    TFGPS window;
    EXPECT_EQ(TabsEnabled(window), (std::vector<bool>{true, true, true, true}))
        << "only the exact text \"true\" locks at start";
    window.show();
    EXPECT_TRUE(window.LockStateCheck1->isChecked());
    EXPECT_EQ(TabsEnabled(window), (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(SavesNoted(), 1);
}

// The save at a locked start used to write the edit's initial "60" over the stored interval.
TEST_F(SaveAndLockTest, LockedStartKeepsTheStoredScreenshotInterval) {
    WriteSettings("[SCREENSHOT]\r\nInterval=15\r\n[LOCK SETTINGS]\r\nLock Settings=1\r\n");
    TFGPS window;
    EXPECT_TRUE(window.LockStateCheck1->isChecked());
    EXPECT_EQ(window.eScreenshotInterval->text(), "15");
    EXPECT_EQ(TIniFile(GetSettingsFilePath()).ReadString("SCREENSHOT", "Interval", ""), "15");
    EXPECT_EQ(SavesNoted(), 1);
}

// Root may write anywhere, so a folder in the settings file's place is what cannot be written.
TEST_F(SaveAndLockTest, SettingsFileThatCannotBeWrittenIsReportedAndNothingIsNoted) {
    TScriptedDialogs dialogs;
    TFGPS window;
    const std::string path = GetSettingsFilePath();
    QFile::remove(QString::fromStdString(path));
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(path + "/kept")));
    window.LockStateCheck1->setChecked(true);

    EXPECT_EQ(dialogs.messages, (std::vector<QString>{"The settings could not be saved to \"" +
                                                      QString::fromStdString(path) + "\"."}));
    EXPECT_EQ(SavesNoted(), 0);
    EXPECT_FALSE(window.LockStateCheck1->isChecked()) << "the box shows that nothing is locked";
    EXPECT_EQ(TabsEnabled(window), (std::vector<bool>{true, true, true, true}));
}

}  // namespace
