// The main window's frame commands, offscreen: the status-bar clicks, the map-only mode by the
// position text, remote support, and handing a drawn route to the run-line window (the tool
// bar's Exit: tests/app/ExitButton_test.cpp).

#include "canvas/OrvaltCanvas.h"
#include "navigation/NavigationState.h"
#include "navigation/RealtimeData.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "platform/EventLog.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "tests/navigation/MapWindowFixture.h"
#include "tests/support/GlobalWindow.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/UrlCatcher.h"
#include "tools/URunlines.h"

#include <QCursor>
#include <QTest>

namespace {

using MainWindowFrameTest = TMapWindowFixture;

QPoint Centre(const QWidget* widget) { return widget->rect().center(); }

TEST_F(MainWindowFrameTest, PanelThreeOpensTheFolderItShows) {
    TUrlCatcher shell;
    const std::vector<QLabel*>& panels = Main().StatusPanels;
    QTest::mouseClick(panels[3], Qt::LeftButton, Qt::NoModifier, Centre(panels[3]));
    EXPECT_TRUE(shell.urls.empty()) << "nothing opened yet";

    Main().ShowProjectFolder(DaySmkDir + "2024-05-17 0930.smk");
    Main().Save1Click();
    QTest::mouseClick(panels[2], Qt::LeftButton, Qt::NoModifier, Centre(panels[2]));
    EXPECT_TRUE(shell.urls.empty()) << "another panel";
    QTest::mouseClick(panels[3], Qt::LeftButton, Qt::NoModifier, Centre(panels[3]));
    ASSERT_EQ(shell.urls.size(), 1u);
    EXPECT_EQ(shell.urls[0], QUrl::fromLocalFile(QString::fromStdString(DayDir)))
        << "the day folder, whatever was saved since";
    EXPECT_EQ(panels[3]->text().toStdString(), DayDir);
}

TEST_F(MainWindowFrameTest, StatusBarDoubleClickSwitchesTheLanguage) {
    QLabel* panel = Main().StatusPanels[0];
    for (const char* code : {"tr", "en"}) {
        QTest::mouseDClick(panel, Qt::LeftButton, Qt::NoModifier, Centre(panel));
        EXPECT_EQ(Main().StatusPanels[4]->text(), QString(code).toUpper());
        EXPECT_EQ(TIniFile(GetSettingsFilePath()).ReadString("SETTINGS", "Language", "?"), code);
    }
}

TEST_F(MainWindowFrameTest, DoubleClicksOnThePositionTextEnterAndLeaveMapOnlyMode) {
    TGlobalWindow<TfRealtime> realtime(fRealtime);
    realtime->show();
    Map().SetPositionOverlay("E 500000.00 N 4100000.00 Z 1.20", false, 4);
    const QPoint text(14, 14);
    ASSERT_TRUE(Map().IsOnPositionText(text.x(), text.y()));
    const QPoint elsewhere(Map().ClientWidth() / 2, Map().ClientHeight() / 2);
    const auto doubleClick = [this](QPoint at) {
        // The window asks where the cursor is, as the shell's double click leaves it there.
        QCursor::setPos(Main().fcad->mapToGlobal(at));
        QTest::mouseDClick(Main().fcad, Qt::LeftButton, Qt::NoModifier, at);
    };

    doubleClick(elsewhere);
    EXPECT_EQ(TfRealtime::ImageIndex(realtime->btHide), 0);
    doubleClick(text);
    EXPECT_EQ(TfRealtime::ImageIndex(realtime->btHide), 1);
    EXPECT_FALSE(Main().MainMenu1->isVisible() || Main().tShape->isVisible());
    doubleClick(text);
    EXPECT_EQ(TfRealtime::ImageIndex(realtime->btHide), 0);
    EXPECT_TRUE(Main().MainMenu1->isVisible() && Main().tShape->isVisible() &&
                Main().tDraw->isVisible());
    EXPECT_FALSE(Main().windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(realtime->isVisible()) << "this way out leaves the real-time window hidden";
}

TEST_F(MainWindowFrameTest, RemoteSupportThatCannotStartSaysSo) {
    Main().RemoteSupport1->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].toStdString(),
              "Remote support could not be started: " + ProgramFolder() + "Halvex");
}

TEST_F(MainWindowFrameTest, RouteGoesToTheRunlineWindowOnlyWhileItIsShown) {
    TGlobalWindow<TfRunline1> runline(fRunline1);
    Main().tbRunline->click();
    ASSERT_TRUE(runline->isVisible());
    runline->bDrawRoute->click();
    Click(10, 10);
    Click(60, 10);
    Click(60, 10, Qt::RightButton);
    EXPECT_EQ(Map().DrawMode, 0) << "back to selection";
    ASSERT_EQ(runline->Route.size(), 2u);
    EXPECT_NEAR(runline->Route[1].X, 60, 0.5);
    EXPECT_EQ(runline->lRouteStatus->text(), "Route: 2 points");

    runline->hide();
    runline->bDrawRoute->click();
    Click(0, 0);  // swallowed: the first left press after a finish
    Click(10, 20);
    Click(50, 20);
    Click(50, 20, Qt::RightButton);
    EXPECT_TRUE(runline->Route.empty());
    EXPECT_EQ(LayerShapes("Orvalt_Route"), 1) << "the route is drawn all the same";

    Main().Generate1->trigger();
    EXPECT_TRUE(runline->isVisible());
    EXPECT_NE(ReadFileBytes(EventLogFilePath()).find("\tAuto-saved: "), std::string::npos);
}

}  // namespace
