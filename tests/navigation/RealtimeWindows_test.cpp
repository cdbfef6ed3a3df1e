// The real-time and latency windows: the start-up timer, the heights of the depth frames, the
// map-only mode and the way back with Escape, the log folder, the latency lamp; and the main
// window's commands that open them.

#include "navigation/RealtimeData.h"

#include "devices/OrvaltSerialGPS.h"
#include "navigation/ControlColor.h"
#include "navigation/Latency.h"
#include "navigation/LatencyLamp.h"
#include "navigation/LogFolderTarget.h"
#include "navigation/uCanvas.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "tests/support/GlobalWindow.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/UrlCatcher.h"
#include "tools/UGPS.h"
#include "tools/unavset.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QUrl>

namespace {

TEST(RealtimeWindow, StartUpTimerFiresOnceAndGoes) {
    TfRealtime window;
    ASSERT_NE(window.Timer1, nullptr);
    EXPECT_TRUE(window.Timer1->isActive());
    EXPECT_TRUE(window.Timer1->isSingleShot());
    EXPECT_EQ(window.Timer1->interval(), 10000);
    window.Timer1->start(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.Timer1 == nullptr; }));
    QTest::qWait(10);
    EXPECT_EQ(window.findChild<QTimer*>("Timer1"), nullptr);
}

TEST(RealtimeWindow, DepthFramesSetTheHeightOnceEach) {
    TfRealtime window;
    EXPECT_EQ(window.height(), 387);
    EXPECT_EQ(window.Speed->text(), "---");
    window.HideDepthFrameLo();
    EXPECT_EQ(window.height(), 289);
    EXPECT_TRUE(window.DepthFrameLo->isHidden());
    window.resize(window.width(), 250);
    window.HideDepthFrameLo();
    EXPECT_EQ(window.height(), 250) << "a hidden frame is not hidden again";
    window.ShowDepthFrameLo();
    EXPECT_EQ(window.height(), 387);
    window.resize(window.width(), 250);
    window.ShowDepthFrameLo();
    EXPECT_EQ(window.height(), 250);
}

// The deepest ocean in metres with two decimals, as the event records copy it from the panel.
TEST(RealtimeWindow, DepthsUpTo9999Point99ShowWhole) {
    TfRealtime window;
    for (QLabel* depth : {window.lDepthHi, window.lDepthLo}) {
        SCOPED_TRACE(depth->objectName().toStdString());
        depth->setText("9999.99");
        EXPECT_LE(depth->fontMetrics().horizontalAdvance(depth->text()),
                  depth->contentsRect().width());
        EXPECT_LE(depth->geometry().right(), depth->parentWidget()->width());
        EXPECT_GE(depth->font().pixelSize(), 40) << "still a number read at a glance";
    }
}

TEST(RealtimeWindow, MapOnlyModeAndBackWithEscape) {
    InitDayFolderGlobals();
    TGlobalWindow<TFNav> main(FNav);
    TGlobalWindow<TNavset> navset(Navset);
    TGlobalWindow<TfRealtime> realtime(fRealtime);
    TGlobalWindow<TfWaterfal> echogram(fWaterfal);
    for (QWidget* w : std::initializer_list<QWidget*>{&*main, &*navset, &*realtime, &*echogram}) {
        w->show();
    }
    main->setWindowTitle("Quellbay - survey.qby");

    realtime->btHide->click();
    EXPECT_EQ(TfRealtime::ImageIndex(realtime->btHide), 1);
    EXPECT_TRUE(main->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->windowTitle(), "Quellbay - survey.qby") << "a new border is no new show";
    for (QWidget* w : std::initializer_list<QWidget*>{
             main->MainMenu1, main->tRealtime, main->tDraw, main->tShape, main->pRealtime,
             main->sStatusBar, &*navset, &*realtime, &*echogram}) {
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    }

    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == &*main ? focus : &*main, Qt::Key_Escape);
    EXPECT_EQ(TfRealtime::ImageIndex(realtime->btHide), 0);
    EXPECT_FALSE(main->windowFlags().testFlag(Qt::FramelessWindowHint));
    for (QWidget* w : std::initializer_list<QWidget*>{main->MainMenu1, main->tRealtime, main->tDraw,
                                                      main->tShape, main->pRealtime,
                                                      main->sStatusBar, &*navset, &*realtime}) {
        EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
    }
    EXPECT_FALSE(echogram->isVisible()) << "the sounder port is not connected";

    QTest::keyClick(&*main, Qt::Key_Escape);
    EXPECT_EQ(TfRealtime::ImageIndex(realtime->btHide), 0) << "Escape leaves the mode only";
    realtime->SetImageIndex(realtime->btHide, 2);
    realtime->btHide->click();
    EXPECT_TRUE(main->tDraw->isVisible()) << "another image index does nothing";
}

TEST(RealtimeWindow, LogFolderTarget) {
    const struct {
        const char* legend;
        const char* nmeaLog;
        const char* target;
    } cases[] = {
        {"no log file name: the day folder", "", "/s/2024-03-07"},
        {"the parent of the log's folder", "/data/gnss/2024-03-07 QBY_GNSS_V3.log", "/data"},
        {"a log without a folder counts as none", "QBY_GNSS_V3.log", "/s/2024-03-07"},
        {"a folder without a parent stands for itself", "/QBY_GNSS_V3.log", "/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(LogFolderTarget(c.nmeaLog, "/s/2024-03-07/LOG/"), c.target);
    }
}

TEST(RealtimeWindow, OpenLogFolderCreatesTheFolderAndOpensIt) {
    InitDayFolderGlobals();
    TUrlCatcher shell;
    {
        TfRealtime window;
        ASSERT_FALSE(DirectoryExists(DayDir));
        window.btOpenLogFolder->click();
    }
    std::string day = DayDir;
    day.pop_back();
    ASSERT_EQ(shell.urls.size(), 1u);
    EXPECT_EQ(shell.urls[0], QUrl::fromLocalFile(QString::fromStdString(day)));
    EXPECT_TRUE(DirectoryExists(day));

    TGlobalWindow<TFNav> main(FNav);
    TGlobalWindow<TfRealtime> realtime(fRealtime);
    const std::string logs = TestTempFolder() + "open-logs";
    main->ZGPS1->LogFileName = logs + "/gnss/GNSS.log";
    main->OpenLogFolder1->trigger();
    ASSERT_EQ(shell.urls.size(), 2u);
    EXPECT_EQ(shell.urls[1], QUrl::fromLocalFile(QString::fromStdString(logs)));
    EXPECT_TRUE(DirectoryExists(logs));
}

TEST(LatencyWindow, ToleranceIsStoredAtEveryChangeAndLightsTheLamp) {
    TfLatency window;
    EXPECT_EQ(window.eLatencyTol->text(), "500");
    EXPECT_FALSE(window.eCurrentLatency->isEnabled());
    EXPECT_FALSE(window.eLatencyAveraged->isEnabled());
    const struct {
        const char* current;
        TColor lamp;
    } cases[] = {{"499", 0x00FF00}, {"500", 0x0000FF}, {"501", 0x0000FF}, {"12", 0x00FF00}};
    for (const auto& c : cases) {
        window.eCurrentLatency->setText(c.current);
        EXPECT_EQ(ControlColor(window.gLatency), c.lamp) << c.current;
    }
    EXPECT_EQ(LatencyLampColor("499", "5x"), std::nullopt) << "no whole tolerance, no change";
    EXPECT_EQ(LatencyLampColor("", "500"), std::nullopt);

    window.eLatencyTol->clear();
    QTest::keyClicks(window.eLatencyTol, "75");
    const TIniFile ini(GetSettingsFilePath());
    EXPECT_EQ(ini.ReadString("LATENCY", "eLatencyTol", "?"), "75");
    window.eLatencyTol->setText("x");
    EXPECT_EQ(ini.ReadString("LATENCY", "eLatencyTol", "?"), "x") << "stored as typed";
    window.eLatencyTol->setText("750");
    EXPECT_EQ(TfLatency().eLatencyTol->text(), "750");
}

TEST(MainWindowCommands, OpenTheirWindows) {
    InitDayFolderGlobals();
    TGlobalWindow<TFNav> main(FNav);
    TGlobalWindow<TFGPS> settings(FGPS);
    TGlobalWindow<TfRealtime> realtime(fRealtime);
    TGlobalWindow<TfLatency> latency(fLatency);
    EXPECT_EQ(main->Parameters1->shortcut(), QKeySequence(Qt::Key_F10));
    EXPECT_EQ(main->OpenLogFolder1->shortcut(), QKeySequence("Ctrl+L"));
    const struct {
        QAction* item;
        QWidget* window;
    } items[] = {{main->Parameters1, &*settings},
                 {main->mRealtimeWindow1, &*realtime},
                 {main->LatencyWatchSet1, &*latency}};
    for (const auto& c : items) {
        EXPECT_TRUE(c.item->isEnabled());
        c.item->trigger();
        EXPECT_TRUE(c.window->isVisible()) << c.window->objectName().toStdString();
    }
    settings->hide();
    main->ConnectIcon->click();
    EXPECT_TRUE(settings->isVisible());
}

}  // namespace
