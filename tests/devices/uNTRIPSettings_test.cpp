#include "devices/uNTRIPSettings.h"

#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "tests/devices/NtripAnswerSamples.h"
#include "tests/devices/NtripClientRecorder.h"
#include "tests/devices/NtripWindowSupport.h"
#include "tests/devices/TestCaster.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

namespace {

class NTRIPWindowTest : public ::testing::Test {
protected:
    TIniFile Settings() { return TIniFile(GetSettingsFilePath()); }
    void Store(const char* key, const std::string& value) {
        Settings().WriteString("NTRIP", key, value);
    }
    std::string Stored(const char* key) { return Settings().ReadString("NTRIP", key, "?"); }
};

TEST_F(NTRIPWindowTest, CreationBuildsTheWindowAndLogsItsStart) {
    TfrmNTRIPSettings window;
    EXPECT_EQ(window.windowTitle(), "Orvalt NTRIP Client");
    EXPECT_EQ(window.size(), QSize(320, 498));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.boxOutputPort->itemText(0), "This port (GPS)");
    EXPECT_EQ(window.boxOutputBaud->count(), 6);
    EXPECT_EQ(window.boxOutputBaud->currentText(), "115200");
    EXPECT_TRUE(window.Button1->isEnabled());
    EXPECT_EQ(window.edtPassword->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(window.tmrUpdate->isActive());
    EXPECT_EQ(window.tmrUpdate->interval(), 500);
    EXPECT_EQ(NtripLogLines(window), QStringList{"Orvalt NTRIP Client initialized"});
    EXPECT_TRUE(window.Client && window.Client->OnLog && window.Client->OnDataReceived);
}

TEST_F(NTRIPWindowTest, TwelveKeysWrittenAndReadBack) {
    {
        TfrmNTRIPSettings window;
        window.edtServer->setText("caster.example");
        window.edtPort->setText("2102");
        window.edtUsername->setText("ann");
        window.edtPassword->setText("secret");
        window.boxMountpoint->addItem("MP1");
        window.rbManual->setChecked(true);
        window.edtLatitude->setText("41.5");
        window.edtLongitude->setText("-29.25");
        window.boxOutputBaud->setCurrentIndex(2);
        window.AutoConnect = true;
        window.chkOutputPort->setChecked(true);  // item 0: nothing to open; stores the settings
    }
    const std::pair<const char*, const char*> keys[] = {
        {"Server", "caster.example"}, {"Port", "2102"},        {"Username", "ann"},
        {"Password", "secret"},       {"MountPoint", "MP1"},   {"UseManualPosition", "1"},
        {"Latitude", "41.5"},         {"Longitude", "-29.25"}, {"OutputPort", "This port (GPS)"},
        {"OutputBaud", "2"},          {"OutputEnabled", "1"},  {"AutoConnect", "1"},
    };
    for (const auto& [key, value] : keys) EXPECT_EQ(Stored(key), value) << key;
    EXPECT_EQ(Settings().ReadSection("NTRIP").size(), 12u);

    TfrmNTRIPSettings window;
    EXPECT_EQ(window.edtServer->text(), "caster.example");
    EXPECT_EQ(window.edtPassword->text(), "secret");
    EXPECT_EQ(window.boxMountpoint->currentText(), "MP1");
    EXPECT_TRUE(window.rbManual->isChecked());
    EXPECT_TRUE(window.Client->ManualPosition);
    EXPECT_TRUE(window.edtLatitude->isEnabled());
    EXPECT_EQ(window.edtLongitude->text(), "-29.25");
    EXPECT_EQ(window.boxOutputBaud->currentIndex(), 2);
    EXPECT_TRUE(window.chkOutputPort->isChecked());
    EXPECT_TRUE(window.OutputEnabled);
    EXPECT_TRUE(window.AutoConnect);
    EXPECT_TRUE(NtripLogged(window, "Output enabled: Using GPS input port"));
    EXPECT_EQ(Stored("AutoConnect"), "1") << "opening the output while loading keeps it";
}

TEST_F(NTRIPWindowTest, StoredAutoConnectNeedsAMountPoint) {
    TTestCaster caster({{{"ICY 200 OK\r\n"}}, false});
    Store("Server", "127.0.0.1");
    Store("Port", std::to_string(caster.Port()));
    Store("AutoConnect", "1");
    {
        TfrmNTRIPSettings window;
        EXPECT_FALSE(window.PendingAutoConnect);
        window.tmrUpdateTimer();
        EXPECT_FALSE(NtripLogged(window, "Auto-reconnecting..."));
        EXPECT_EQ(window.Client->Worker, nullptr);
    }
    Store("MountPoint", "TEST");
    TfrmNTRIPSettings window;
    EXPECT_TRUE(NtripLogged(window, "Auto-connect enabled - will connect on startup"));
    window.tmrUpdateTimer();
    const QStringList lines = NtripLogLines(window);
    const QString port = QString::number(caster.Port());
    const int start = lines.indexOf("Auto-reconnecting...");
    ASSERT_GE(start, 0);
    EXPECT_EQ(lines.mid(start + 1, 2),
              (QStringList{"Position: 0.0, 0.0", "Connecting to 127.0.0.1:" + port + "/TEST"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Client->Connected.load(); }));
    EXPECT_EQ(window.windowTitle(), "Orvalt NTRIP Client - Connected");
    window.tmrUpdateTimer();
    EXPECT_EQ(NtripLogLines(window).count("Auto-reconnecting..."), 1) << "once only";
}

TEST_F(NTRIPWindowTest, FirstReceivingStoresAutoConnectAndAManualDisconnectClearsIt) {
    TfrmNTRIPSettings window;
    window.ClientStatusChange(nullptr, nsReceiving, "");
    window.ClientStatusChange(nullptr, nsReceiving, "");
    EXPECT_EQ(Stored("AutoConnect"), "1");
    EXPECT_EQ(NtripLogLines(window).count("Auto-connect enabled for next startup"), 1);

    window.Client->Connected = true;  // as after an accepted stream
    window.btnConnectClick();
    EXPECT_EQ(Stored("AutoConnect"), "0");
    EXPECT_TRUE(NtripLogged(window, "Disconnecting (manual)..."));
    EXPECT_EQ(window.btnConnect->text(), "Connect");
}

TEST_F(NTRIPWindowTest, CaptionsFollowTheStatus) {
    TfrmNTRIPSettings window;
    const std::tuple<int, const char*, const char*> rows[] = {
        {1, "Connecting...", "Orvalt NTRIP Client - Connecting..."},
        {2, "Disconnect", "Orvalt NTRIP Client - Connected"},
        {3, "Disconnect", "Orvalt NTRIP Client - Receiving Data"},
        {4, "Connect", "Orvalt NTRIP Client - Error"},
        {0, "Connect", "Orvalt NTRIP Client - Disconnected"},
        {7, "Connect", "Orvalt NTRIP Client - Disconnected"},  // unknown: nothing changes
    };
    for (const auto& [status, button, caption] : rows) {
        window.btnFetchSources->setEnabled(false);
        window.ClientStatusChange(nullptr, status, "");
        EXPECT_EQ(window.btnConnect->text(), button) << status;
        EXPECT_EQ(window.windowTitle(), caption) << status;
        EXPECT_EQ(window.btnFetchSources->isEnabled(), status == 0 || status == 4) << status;
    }
}

TEST_F(NTRIPWindowTest, ALossWhileHiddenShowsTheWindow) {
    TfrmNTRIPSettings window;
    window.ClientStatusChange(nullptr, nsReceiving, "");
    window.ClientStatusChange(nullptr, nsDisconnected, "Connection closed");
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(NtripLogged(window, "Connection lost - showing NTRIP settings"));
    window.hide();
    window.ClientStatusChange(nullptr, nsDisconnected, "Disconnected");
    EXPECT_FALSE(window.isVisible()) << "only the first loss after receiving";
}

TEST_F(NTRIPWindowTest, WatchdogShowsTheWindowAfter30SecondsWithoutData) {
    TTestClock clock(QDateTime(QDate(2024, 5, 1), QTime(12, 0, 0)));
    TfrmNTRIPSettings window;
    window.ClientStatusChange(nullptr, nsReceiving, "");
    window.Client->Connected = true;
    clock.Advance(30000);
    window.tmrUpdateTimer();
    EXPECT_FALSE(window.isVisible());
    clock.Advance(1000);
    window.tmrUpdateTimer();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(NtripLogged(window, "No data received for 30 seconds - showing NTRIP settings"));
    window.Client->Connected = false;
}

TEST_F(NTRIPWindowTest, CountersAndLogLength) {
    TfrmNTRIPSettings window;
    window.Client->BytesReceived = 1234;
    window.Client->BytesSent = 71;
    window.tmrUpdateTimer();
    EXPECT_EQ(window.lblBytesReceivedValue->text(), "1,234");
    EXPECT_EQ(window.lblBytesSentValue->text(), "71");
    EXPECT_EQ(window.pbProgress->value(), 24);
    for (int i = 1; i <= 101; ++i) window.AddLog("line " + QString::number(i));
    const QStringList lines = NtripLogLines(window);
    EXPECT_EQ(lines.size(), 100);
    EXPECT_EQ(lines.front(), "line 2");
    EXPECT_EQ(lines.back(), "line 101");
}

TEST_F(NTRIPWindowTest, ProfilesSaveOnceAndApplyByPosition) {
    TfrmNTRIPSettings window;
    window.ProfilesFileName = TestTempFolder() + "window-profiles.txt";
    ASSERT_TRUE(WriteFileAtomically(window.ProfilesFileName,
                                    "first:1\tfirst\t1\tu1\tp1\t10\t20\r\n\r\n"
                                    "second:2\tsecond\t2\tu2\tp2\r\n"));
    window.LoadProfiles();
    EXPECT_EQ(window.boxProfile->currentIndex(), 1) << "the first profile, not applied";
    EXPECT_NE(window.edtServer->text(), "first");
    window.boxProfile->setCurrentIndex(2);
    window.boxProfileChange();
    EXPECT_EQ(window.edtServer->text(), "second");
    EXPECT_EQ(window.edtPassword->text(), "p2");
    EXPECT_EQ(window.edtLatitude->text(), "0.0") << "five fields leave the position";
    window.boxProfile->setCurrentIndex(1);
    window.boxProfileChange();
    EXPECT_EQ(window.edtLongitude->text(), "20");

    window.edtUsername->setText("ann");
    window.btnSaveProfileClick();
    window.btnSaveProfileClick();
    EXPECT_EQ(NtripLogLines(window).count("Profile saved: ann@first:1"), 2);
    EXPECT_EQ(window.boxProfile->count(), 4);
    EXPECT_EQ(window.boxProfile->currentText(), "ann@first:1");
}

TEST_F(NTRIPWindowTest, PositionFromGpsUnlessManual) {
    TfrmNTRIPSettings window;
    window.UpdatePosition(41.123456789, -29.5, 12.5);
    EXPECT_EQ(window.edtLatitude->text(), "41.12345679");
    EXPECT_EQ(window.edtLongitude->text(), "-29.50000000");
    EXPECT_EQ(window.Client->Position().Alt, 12.5);
    window.rbManual->click();
    EXPECT_TRUE(window.Client->ManualPosition);
    window.edtLatitude->setText("10.5");
    window.UpdatePosition(1, 2, 3);
    EXPECT_EQ(window.edtLatitude->text(), "10.5");
    EXPECT_EQ(window.Client->Position().Lat, 41.123456789);
    window.boxMountpoint->addItem("TEST");
    window.edtServer->setText("");  // the client stops at the empty address, after the copy
    window.btnConnectClick();
    EXPECT_EQ(window.Client->Position().Lat, 10.5) << "the typed position goes at Connect";
    EXPECT_TRUE(NtripLogged(window, "Error: Caster address is empty"));
}

TEST_F(NTRIPWindowTest, FetchSourcesFillsTheMountPoints) {
    TTestCaster caster({{{kSourceTableAnswer}}});
    TfrmNTRIPSettings window;
    window.edtServer->setText("127.0.0.1");
    window.edtPort->setText(QString::number(caster.Port()));
    window.btnFetchSourcesClick();
    EXPECT_FALSE(window.btnFetchSources->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return NtripLogged(window, "Found 2 mount points"); }));
    EXPECT_EQ(window.boxMountpoint->count(), 2);
    EXPECT_EQ(window.boxMountpoint->currentText(), "ONE");
    EXPECT_TRUE(window.btnFetchSources->isEnabled());
    EXPECT_FALSE(window.Client->AutoReconnect);
}

// The caster no longer has the chosen mount point and sends its table instead: an error, the
// list shows what it offers, and the choice stays for the surveyor to change.
TEST_F(NTRIPWindowTest, ATableForTheChosenMountPointKeepsTheChoice) {
    TTestCaster caster({{{kSourceTableAnswer}}});
    TfrmNTRIPSettings window;
    window.edtServer->setText("127.0.0.1");
    window.edtPort->setText(QString::number(caster.Port()));
    window.boxMountpoint->addItem("GONE");
    window.btnConnectClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return NtripLogged(window, "Disconnected"); }));
    EXPECT_TRUE(NtripLogged(window, "Mount point not found in the caster's source table: GONE"));
    EXPECT_EQ(window.boxMountpoint->currentText(), "GONE");
    QStringList items;
    for (int i = 0; i < window.boxMountpoint->count(); ++i)
        items << window.boxMountpoint->itemText(i);
    EXPECT_EQ(items, (QStringList{"GONE", "ONE", "TWO"}));
    QTest::qWait(100);
    EXPECT_FALSE(window.Client->ReconnectTimer.isActive()) << "no retry loop";
    EXPECT_EQ(Stored("MountPoint"), "GONE");
}

// A link that comes up a minute after the program: the stored connection keeps trying.
TEST_F(NTRIPWindowTest, AutoConnectAtStartKeepsTryingUntilTheCasterIsThere) {
    const int port = TTestCaster::ClosedPort();
    Store("Server", "127.0.0.1");
    Store("Port", std::to_string(port));
    Store("MountPoint", "TEST");
    Store("AutoConnect", "1");
    TfrmNTRIPSettings window;
    window.Client->ReconnectTimer.setInterval(100);
    window.tmrUpdateTimer();
    ASSERT_TRUE(QTest::qWaitFor([&] { return NtripLogged(window, "Reconnect attempt 2/10"); }));
    TTestCaster caster({{{{kIcyAnswer + "RTCM"}}, false}}, port);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window.windowTitle() == "Orvalt NTRIP Client - Receiving Data"; }));
    EXPECT_TRUE(NtripLogged(window, "Failed to connect to 127.0.0.1"));
    EXPECT_EQ(window.Client->BytesReceived, 4);
    EXPECT_EQ(window.Client->ReconnectAttempts, 0);
}

TEST_F(NTRIPWindowTest, ConnectNeedsAMountPoint) {
    TfrmNTRIPSettings window;
    window.btnConnectClick();
    EXPECT_TRUE(NtripLogged(window, "Please select a mountpoint first"));
    EXPECT_EQ(window.Client->Worker, nullptr);
}

// Root may write anywhere, so a folder in the settings file's place is what cannot be written.
TEST_F(NTRIPWindowTest, SettingsFileThatCannotBeWrittenIsReportedAtEachSave) {
    TScriptedDialogs dialogs;
    const QString notSaved = "The settings could not be saved to \"" +
                             QString::fromStdString(GetSettingsFilePath()) + "\".";
    {
        TfrmNTRIPSettings window;
        QFile::remove(QString::fromStdString(GetSettingsFilePath()));
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(GetSettingsFilePath() + "/kept")));
        window.chkOutputPort->setChecked(true);  // stores the settings
        EXPECT_EQ(dialogs.messages, std::vector<QString>{notSaved});
    }
    EXPECT_EQ(dialogs.messages, (std::vector<QString>{notSaved, notSaved}))
        << "closing the window saves again";
}

// The first "receiving" stores AutoConnect inside the worker's hand-off, where a box would
// hold the corrections until the surveyor answers it.
TEST_F(NTRIPWindowTest, ASaveThatFailsInAHandOffIsALogLine) {
    TScriptedDialogs dialogs;
    TfrmNTRIPSettings window;
    QFile::remove(QString::fromStdString(GetSettingsFilePath()));
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(GetSettingsFilePath() + "/kept")));
    window.ClientStatusChange(nullptr, nsReceiving, "Receiving correction data");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(NtripLogged(window, "The settings could not be saved to \"" +
                                        QString::fromStdString(GetSettingsFilePath()) + "\"."));
    EXPECT_TRUE(NtripLogged(window, "Auto-connect enabled for next startup"));
    window.Client.reset();  // no save at the close either: this test is about the hand-off
}

mode_t FileMode(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 07777;
}

// Both files hold the caster's password in plain text, as stored files have it.
TEST_F(NTRIPWindowTest, SettingsAndProfilesAreCreatedPrivate) {
    QFile::remove(QString::fromStdString(GetSettingsFilePath()));
    TfrmNTRIPSettings window;
    window.ProfilesFileName = FreshTestPath("profiles.txt");
    window.edtPassword->setText("secret");
    window.SaveSettings();
    window.btnSaveProfileClick();
    EXPECT_EQ(FileMode(GetSettingsFilePath()), 0600u);
    EXPECT_EQ(FileMode(window.ProfilesFileName), 0600u);
}

}  // namespace
