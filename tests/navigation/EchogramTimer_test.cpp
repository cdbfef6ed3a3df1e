// The echogram timer under the test clock: the sounder watchdog as a table of ticks, its one
// report and the windows it hides, the sample it takes only when due; and the ways back from
// the map-only mode after a watchdog report.

#include "navigation/SensorWatchdog.h"

#include "canvas/OrvaltCanvas.h"
#include "devices/OrvaltSerialGPS.h"
#include "navigation/ControlColor.h"
#include "navigation/EchogramMemory.h"
#include "navigation/NavigationState.h"
#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "tests/navigation/RealtimeWindowSet.h"
#include "tests/platform/PseudoTerminal.h"
#include "tests/support/TestEnvironment.h"
#include "tools/Bathymetry.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QTest>

namespace {

TEST(SensorWatchdog, SilenceOfMoreThanFiveSeconds) {
    const struct {
        const char* legend;
        TSensorWatch watch;
        std::uint64_t now;
        bool due;
    } cases[] = {
        {"4999 ms after the open", {1000, 0, false}, 5999, false},
        {"5000 ms after the open", {1000, 0, false}, 6000, false},
        {"5001 ms after the open", {1000, 0, false}, 6001, true},
        {"5000 ms after a line", {1000, 9000, false}, 14000, false},
        {"5001 ms after a line", {1000, 9000, false}, 14001, true},
        {"already reported", {1000, 0, true}, 60000, false},
        {"the port is not open", {0, 0, false}, 1ull << 40, false},
        {"not open, after a line of the last run", {0, 9000, false}, 60000, false},
        {"opened at the test clock's tick 0, kept as 1", {1, 0, false}, 5002, true},
        {"ticks beyond 32 bits do not wrap", {1ull << 32, 0, false}, (1ull << 32) + 4000, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(SensorSilenceDue(c.watch, c.now), c.due);
    }
}

class EchogramTimerTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDataFolders();
        Offsets = &offsets_;
        offsets_.OffsetA->setText("0.50");
        offsets_.SV->setText("1500");
        w_.settings.cSBESMessage->setCurrentText("NMEA DPT");
        w_.settings.cSBESMessageChange();
        sounder_.MapToPort(5);
        w_.main.ZSENSOR->Port = 5;
        w_.main.ZSENSOR->Open();
        ASSERT_TRUE(w_.main.ZSENSOR->Connected());
        clock_.Advance(1000);
        SensorOpenTick = GetTickCount();  // as Start leaves it
        // As the first line leaves them.
        w_.waterfall.show();
        SensorWindowsShown = true;
    }
    void TearDown() override {
        Offsets = nullptr;
        SensorOpenTick = LastSensorTick = 0;
        SensorTimeoutReported = SensorWindowsShown = NewDepthFlag = false;
    }

    void Tick() { w_.main.tEchogramTimer(); }
    void Line(const std::string& line) { w_.main.ZSENSORNewCommand(w_.main.ZSENSOR.get(), line); }
    static int Reports() {
        const std::string log = EventsLog();
        int count = 0;
        for (auto at = log.find("Sensor TimeOut."); at != std::string::npos;
             at = log.find("Sensor TimeOut.", at + 1)) {
            ++count;
        }
        return count;
    }
    double Newest() const { return EchoDepths[w_.waterfall.DataWidth - 1]; }

    TTestClock clock_{QDateTime(QDate(2024, 5, 6), QTime(8, 0))};
    TPseudoTerminal sounder_;
    TRealtimeWindowSet w_;
    TOffsets offsets_;
};

TEST_F(EchogramTimerTest, ASilentSounderIsReportedOnceAndALineRearmsTheWatch) {
    const struct {
        const char* legend;
        int advanceMs;
        const char* line;
        int reports;
        bool shown;
    } steps[] = {
        {"4999 ms after the open", 4999, nullptr, 0, true},
        {"5000 ms", 1, nullptr, 0, true},
        {"5001 ms: reported, the echogram hidden", 1, nullptr, 1, false},
        {"silent on: no second report", 20000, nullptr, 1, false},
        {"a line shows the echogram and re-arms the watch", 0, "$SDDPT,11.5,0.0", 1, true},
        {"5000 ms after the line", 5000, nullptr, 1, true},
        {"5001 ms after the line: reported again", 1, nullptr, 2, false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.legend);
        clock_.Advance(step.advanceMs);
        if (step.line) Line(step.line);
        Tick();
        EXPECT_EQ(Reports(), step.reports);
        EXPECT_EQ(w_.waterfall.isVisible(), step.shown);
        EXPECT_EQ(SensorWindowsShown, step.shown);
        EXPECT_EQ(SensorTimeoutReported, !step.shown);
        if (!step.shown) {
            EXPECT_EQ(ControlColor(w_.realtime.DepthFrameHi), kRed);
        }
    }
    EXPECT_EQ(Newest(), 12.0) << "the line's depth, sampled by its tick";
}

TEST_F(EchogramTimerTest, ASampleOnlyWhenShownConnectedAndNew) {
    const struct {
        const char* legend;
        bool shown, connected, newDepth, sampled;
    } cases[] = {
        {"shown, connected, a new depth", true, true, true, true},
        {"hidden", false, true, true, false},
        {"the port closed", true, false, true, false},
        {"no new depth", true, true, false, false},
    };
    double depth = 20;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        w_.waterfall.setVisible(c.shown);
        if (!c.connected) w_.main.ZSENSOR->Close();
        SoundingDepth = ++depth;
        NewDepthFlag = c.newDepth;
        Tick();
        EXPECT_EQ(Newest() == depth, c.sampled);
        EXPECT_FALSE(NewDepthFlag) << "every tick clears it";
        if (!c.connected) w_.main.ZSENSOR->Open();
    }
    SensorOpenTick = 0;  // stopped
    clock_.Advance(3600 * 1000);
    Tick();
    EXPECT_EQ(Reports(), 0) << "no watch without an open port";
}

// After a watchdog report, Escape out of the map-only mode shows the echogram again while the
// sounder port is open and the timer runs; a double click on the position text does not.
TEST_F(EchogramTimerTest, WaysBackFromTheMapOnlyModeAfterAReport) {
    w_.main.show();
    w_.realtime.show();
    clock_.Advance(6000);
    Tick();
    ASSERT_EQ(Reports(), 1);
    ASSERT_TRUE(w_.main.tEchogram->isActive());

    w_.realtime.btHide->click();
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == &w_.main ? focus : &w_.main, Qt::Key_Escape);
    EXPECT_FALSE(w_.realtime.InMapOnlyMode());
    EXPECT_TRUE(w_.waterfall.isVisible()) << "Escape: the port is open and the timer runs";

    w_.realtime.btHide->click();
    EXPECT_FALSE(w_.waterfall.isVisible());
    w_.main.fcad->SetPositionOverlay("E 500000.00 N 4100000.00 Z 1.20", false, 4);
    const QPoint text(14, 14);
    ASSERT_TRUE(w_.main.fcad->IsOnPositionText(text.x(), text.y()));
    QCursor::setPos(w_.main.fcad->mapToGlobal(text));
    QTest::mouseDClick(w_.main.fcad, Qt::LeftButton, Qt::NoModifier, text);
    EXPECT_FALSE(w_.realtime.InMapOnlyMode());
    EXPECT_FALSE(w_.waterfall.isVisible()) << "the double click: the report hid the windows";
}

}  // namespace
