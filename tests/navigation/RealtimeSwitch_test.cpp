// Start and stop without windows: what happens in which order, and where a start stops.

#include "navigation/RealtimeSwitch.h"

#include "app/UMsg.h"
#include "navigation/NavigationState.h"
#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/EventLog.h"
#include "platform/Paths.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <stdexcept>

namespace {

using TJournal = std::vector<std::string>;

class TFakePort : public TRealtimePort {
public:
    TFakePort(std::string name, TJournal& journal) : name_(std::move(name)), journal_(journal) {}
    void Open() override {
        journal_.push_back(name_ + " open");
        if (throws == 1) throw std::runtime_error("device busy");
        if (throws == 2) throw 42;
        connected_ = opens;
    }
    void Close() override {
        journal_.push_back(name_ + " close");
        connected_ = false;
    }
    bool Connected() const override { return connected_; }
    std::string PortName() const override { return name_ == "gps" ? "COM3" : "COM7"; }

    bool opens = true;
    int throws = 0;  // 1 a standard exception, 2 anything else

private:
    std::string name_;
    TJournal& journal_;
    bool connected_ = false;
};

class TFakeWindows : public TRealtimeWindows {
public:
    explicit TFakeWindows(TJournal& journal) : journal_(journal) {}
    bool StoreSettings() override {
        journal_.push_back("store settings");
        return settingsStored;
    }
    bool ApplyPortSettings() override {
        journal_.push_back("port settings");
        return settingsApply;
    }
    void LoadGeodesy() override { journal_.push_back("load geodesy"); }
    bool SensorEnabled() const override { return sensorEnabled; }
    void AddMessageLine(const std::string& text) override { journal_.push_back("memo " + text); }
    void WatchSensor() override { journal_.push_back("watch sensor"); }
    void HideDepthFrames() override { journal_.push_back("hide depth frames"); }
    void ShowStarted() override { journal_.push_back("started"); }
    void ShowStopped() override { journal_.push_back("stopped"); }

    bool settingsStored = true;
    bool settingsApply = true;
    bool sensorEnabled = true;

private:
    TJournal& journal_;
};

class RealtimeSwitchTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitDayFolderGlobals();
        ASSERT_TRUE(CreateDirectories(LogDir));
        RealtimeRunning = false;
        RealtimeStartTick = SensorOpenTick = LastSensorTick = 0;
        SensorTimeoutReported = SensorWindowsShown = true;
    }
    void TearDown() override { RealtimeRunning = false; }

    void Toggle() { TRealtimeSwitch(gps_, sensor_, windows_).Toggle(); }
    // The events log's texts, without the record heads.
    static std::vector<std::string> LogTexts() {
        const std::string log = ReadFileBytes(EventLogFilePath());
        const std::string head = "\r\nAuto Event:\t";
        std::vector<std::string> texts;
        for (std::size_t at = log.find(head); at != std::string::npos;) {
            const std::size_t next = log.find(head, at + head.size());
            const std::size_t text = log.find('\t', at + head.size()) + 1;
            texts.push_back(
                log.substr(text, (next == std::string::npos ? log.size() : next) - text));
            at = next;
        }
        return texts;
    }

    TTestClock clock_{QDateTime(QDate(2024, 5, 6), QTime(8, 0))};
    TJournal journal_;
    TFakePort gps_{"gps", journal_};
    TFakePort sensor_{"sensor", journal_};
    TFakeWindows windows_{journal_};
    TScriptedDialogs dialogs_;
};

TEST_F(RealtimeSwitchTest, StartAndStopInOrder) {
    CurrentLatitude = CurrentEasting = 12;
    PendingDepthLabel = TDepthLabel{1, 2, 3};
    Toggle();
    EXPECT_EQ(journal_, (TJournal{"store settings", "port settings", "load geodesy", "gps open",
                                  "sensor open", "memo ZSENSOR Open called on port: COM7",
                                  "watch sensor", "started"}));
    EXPECT_TRUE(FileExists(LogDir + GetDateFolderName() + " Geodesy.txt"))
        << "logged after the store, before the ports";
    EXPECT_EQ(CurrentLatitude, 0) << "the last run's position is no position of this one";
    EXPECT_EQ(CurrentEasting, 0);
    EXPECT_FALSE(PendingDepthLabel);
    EXPECT_TRUE(RealtimeRunning);
    EXPECT_NE(RealtimeStartTick, 0u) << "a start at tick 0 still counts";
    EXPECT_NE(SensorOpenTick, 0u);
    EXPECT_FALSE(SensorTimeoutReported);
    journal_.clear();
    clock_.Advance(5000);
    LastSensorTick = 4000;
    Toggle();
    EXPECT_EQ(journal_, (TJournal{"gps close", "sensor close", "stopped"}));
    EXPECT_FALSE(RealtimeRunning);
    EXPECT_EQ(RealtimeStartTick + SensorOpenTick + LastSensorTick, 0u);
    EXPECT_FALSE(SensorTimeoutReported || SensorWindowsShown);
    EXPECT_EQ(LogTexts(), (std::vector<std::string>{"Realtime STARTED", "Realtime STOPPED"}));
}

TEST_F(RealtimeSwitchTest, PortsThatDoNotOpenAreReported) {
    gps_.opens = false;
    sensor_.opens = false;
    Toggle();
    EXPECT_TRUE(RealtimeRunning) << "the surveyor may plug the receiver in and start again";
    EXPECT_EQ(LogTexts(), (std::vector<std::string>{"Realtime STARTED", "Cannot open GPS on COM3",
                                                    "Cannot open sensor on COM7"}));
    EXPECT_EQ(std::count(journal_.begin(), journal_.end(), "watch sensor"), 1);
}

TEST_F(RealtimeSwitchTest, ASensorOpenThatThrowsIsReportedAndTheStartGoesOn) {
    for (int kind : {1, 2}) {
        sensor_.throws = kind;
        Toggle();
        EXPECT_TRUE(RealtimeRunning);
        EXPECT_EQ(LastMessage, kind == 1 ? "ZSENSOR Open failed: device busy"
                                         : "ZSENSOR Open failed with unknown error");
        Toggle();
    }
}

TEST_F(RealtimeSwitchTest, WithoutTheSounderTheDepthFramesGo) {
    windows_.sensorEnabled = false;
    Toggle();
    EXPECT_EQ(journal_, (TJournal{"store settings", "port settings", "load geodesy", "gps open",
                                  "hide depth frames", "started"}));
    EXPECT_EQ(SensorOpenTick, 0u);
}

TEST_F(RealtimeSwitchTest, AStartThatCannotStoreLogOrApplyTouchesNoPort) {
    windows_.settingsStored = false;
    Toggle();
    EXPECT_EQ(journal_, (TJournal{"store settings"}));
    EXPECT_FALSE(FileExists(LogDir + GetDateFolderName() + " Geodesy.txt"));
    EXPECT_FALSE(RealtimeRunning);

    windows_.settingsStored = true;
    windows_.settingsApply = false;
    journal_.clear();
    Toggle();
    EXPECT_EQ(journal_, (TJournal{"store settings", "port settings"}));
    EXPECT_FALSE(RealtimeRunning);
    EXPECT_EQ(RealtimeStartTick, 0u);

    windows_.settingsApply = true;
    journal_.clear();
    ASSERT_TRUE(QDir(QString::fromStdString(LogDir)).removeRecursively());
    Toggle();
    EXPECT_EQ(journal_, (TJournal{"store settings"}));
    EXPECT_FALSE(RealtimeRunning);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_TRUE(dialogs_.messages[0].contains("Geodesy.txt")) << dialogs_.messages[0].toStdString();
}

}  // namespace
