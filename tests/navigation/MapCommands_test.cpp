// The main window's map commands, offscreen, driven with mouse and key events on the map: the
// drawing tools, the map timer around a drawing, the lasso, deleting and clearing.

#include "canvas/OrvaltCanvas.h"
#include "navigation/NavigationState.h"
#include "navigation/unavigation.h"
#include "platform/EventLog.h"
#include "tests/navigation/MapWindowFixture.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <functional>

namespace {

using MapCommandsTest = TMapWindowFixture;

TEST_F(MapCommandsTest, ToolButtonsAndZoomItemsSetTheDrawMode) {
    TFNav& w = Main();
    const std::pair<QToolButton*, int> buttons[] = {
        {w.ToolButton7, 17},  {w.ToolButton12, 3}, {w.ToolButton21, 1}, {w.ToolButton23, 5},
        {w.ToolButton27, 4},  {w.ToolButton28, 6}, {w.ToolButton29, 8}, {w.ToolButton30, 10},
        {w.ToolButton31, 19}, {w.Zoomwindow, -3},  {w.Zoomdynamic, -4}, {w.bMouseSelect, 6}};
    for (const auto& [button, mode] : buttons) {
        SCOPED_TRACE(button->objectName().toStdString());
        Map().DrawMode = 0;
        ASSERT_TRUE(button->isEnabled());
        button->click();
        EXPECT_EQ(Map().DrawMode, mode);
    }
    for (const auto& [item, mode] : {std::pair(w.Window2, -3), std::pair(w.Dynamic1, -4)}) {
        Map().DrawMode = 0;
        item->trigger();
        EXPECT_EQ(Map().DrawMode, mode);
    }
    const double width = Map().GetViewWidth();
    const double centre = (Map().ViewLeft + Map().ViewRight) / 2;
    w.Zoomin->click();
    EXPECT_NEAR(Map().GetViewWidth(), width * 0.8, 1e-9);
    w.Out1->trigger();
    EXPECT_NEAR(Map().GetViewWidth(), width * 0.8 * 1.2, 1e-9);
    EXPECT_NEAR((Map().ViewLeft + Map().ViewRight) / 2, centre, 1e-9);
    EXPECT_EQ(w.Extents1->shortcut(), QKeySequence("Ctrl+Alt+E"));
    EXPECT_EQ(w.Dynamic1->shortcut(), QKeySequence("Ctrl+Alt+D"));
    EXPECT_TRUE(w.In1->shortcut().isEmpty() && w.Out1->shortcut().isEmpty() &&
                w.Window2->shortcut().isEmpty())
        << "Ctrl+I, Ctrl+O and Ctrl+W are File > Import, Open and Save As";
}

TEST_F(MapCommandsTest, EveryMapCommandIsEnabledAndFollowSetsTheGlobal) {
    TFNav& w = Main();
    for (QToolButton* button : {w.Zoomin, w.Zoomout, w.Zoomextents, w.bSelectTracks, w.bDelSelected,
                                w.ToolButton11, w.tbFixed, w.tbFloat, w.tbAuto, w.bFollowVessel,
                                w.ToolButton13, w.tbRunline, w.bRestart, w.bExit}) {
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    }
    for (QAction* item : {w.In1, w.Out1, w.Extents1, w.Window2, w.Dynamic1, w.Clearshapesuseradded1,
                          w.Cleartracksfixed1, w.Cleartracksunfixed1, w.Followvessel1,
                          w.Donotfollowvessel1, w.Generate1, w.RemoteSupport1}) {
        EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
    }
    w.ToolButton13->click();
    EXPECT_FALSE(FollowVessel);
    w.Followvessel1->trigger();
    EXPECT_TRUE(FollowVessel);
    w.Donotfollowvessel1->trigger();
    EXPECT_FALSE(FollowVessel);
    w.bFollowVessel->click();
    EXPECT_TRUE(FollowVessel);
}

TEST_F(MapCommandsTest, RectangleLandsOnTheUserShapesAndPanelTwoShowsTheClick) {
    Map().CurrentLayer = Map().AddLayer("survey");
    Main().ToolButton21->click();
    Click(10, 20);
    Click(30, 40);
    Click(30, 40, Qt::RightButton);
    const std::vector<int> user = Map().GetLayerShapeIds(UserShapeLayer);
    ASSERT_EQ(user.size(), 1u);
    EXPECT_EQ(Map().GetShapeType(user[0]), 1);
    EXPECT_EQ(Map().DrawMode, 0);
    const TWorldPoint at = Map().ScreenToWorld(Pixel(30, 40).x(), Pixel(30, 40).y());
    EXPECT_EQ(Panel(2), QString::asprintf("Clicked: E%12.2f, N%12.2f", at.X, at.Y));
    EXPECT_EQ(Main().StatusPanels[2]->width(),
              Main().sStatusBar->fontMetrics().horizontalAdvance(Panel(2)) + 20);
}

// Steps: "L x,y" and "R x,y" click the left or right button; "Esc" is the key; "Stop" ends
// real time; "Idle" stops the timer as a port report does; "Line" starts it as a GNSS line
// does while real time runs; "Point" picks the point tool. `timer` gives tMap after each step.
TEST_F(MapCommandsTest, MapTimerRestsForADrawingItWasRunningFor) {
    const struct {
        const char* legend;
        int tool;
        bool realtime;
        std::vector<std::string> steps;
        const char* timer;
    } cases[] = {
        {"rectangle while real time runs", 1, true, {"L 10,10", "L 30,30", "R 30,30"}, "001"},
        {"rectangle while stopped", 1, false, {"L 10,10", "L 30,30", "R 30,30"}, "000"},
        {"Stop during the drawing", 1, true, {"L 10,10", "Stop", "R 30,30"}, "000"},
        {"polyline: the timer rests until the last vertex",
         5,
         true,
         {"L 10,10", "L 20,20", "R 20,20"},
         "001"},
        {"a placed point leaves it running", 17, true, {"L 10,10"}, "1"},
        {"a placed point leaves it stopped", 17, true, {"Idle", "L 10,10"}, "00"},
        {"a drawing given up with Escape is over",
         1,
         true,
         {"L 10,10", "Esc", "Line", "Idle", "Point", "L 20,20"},
         "001000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        RealtimeStartTick = c.realtime ? 1000 : 0;
        Main().tMap->stop();
        if (c.realtime) Main().tMap->start();
        Map().DrawMode = c.tool;
        std::string timer;
        for (const std::string& step : c.steps) {
            if (step == "Esc") Key(Qt::Key_Escape);
            if (step == "Stop") RealtimeStartTick = 0;
            if (step == "Idle") Main().tMap->stop();
            if (step == "Line" && RealtimeStartTick != 0) Main().tMap->start();
            if (step == "Point") Main().ToolButton7->click();
            Step(step);
            timer += Main().tMap->isActive() ? '1' : '0';
        }
        EXPECT_EQ(timer, c.timer);
        Key(Qt::Key_Escape);
        Click(90, 90);  // swallowed after a finish
    }
}

// Track points inside and outside the square (5,5)-(40,40) on the three track layers, and a
// user point inside that a track lasso leaves alone.
class LassoCommandsTest : public TMapWindowFixture {
protected:
    void SetUp() override {
        TMapWindowFixture::SetUp();
        const int fix = Map().FindLayerByName("track_fix");
        inside = {Map().AddPoint(10, 10, fix), Map().AddPoint(20, 20, fix),
                  Map().AddPoint(15, 30, Map().FindLayerByName("track_float")),
                  Map().AddPoint(30, 15, Map().FindLayerByName("track_nofix"))};
        outside = Map().AddPoint(90, 90, fix);
        user = Map().AddPoint(20, 15, UserShapeLayer);
    }

    static inline const std::vector<TWorldPoint> kSquare = {{5, 5}, {40, 5}, {40, 40}, {5, 40}};
    std::vector<int> inside;
    int outside = 0, user = 0;
};

TEST_F(LassoCommandsTest, SelectTrackCountsThePointsAndDeleteRemovesExactlyThose) {
    Main().bSelectTracks->click();
    EXPECT_EQ(Panel(0), "Draw polygon to select tracks (right-click to finish)");
    EXPECT_EQ(Main().Deletetracksselected1->shortcut(), QKeySequence(Qt::Key_Delete));
    DrawPolygon(kSquare);
    EXPECT_EQ(Panel(0), "4 track(s) selected. Press Delete to remove.");
    QLabel* prompt = Main().StatusPanels[0];
    QCoreApplication::processEvents();
    EXPECT_GE(prompt->width(), prompt->fontMetrics().horizontalAdvance(Panel(0))) << "read whole";
    std::vector<int> selected = Map().GetSelectedIds();
    std::sort(selected.begin(), selected.end());
    EXPECT_EQ(selected, inside);
    EXPECT_EQ(LayerShapes("Orvalt_SelectPoly"), 0) << "the lasso goes";
    EXPECT_EQ(Map().DrawMode, 0);
    EXPECT_FALSE(Map().ToolActive || Map().SwallowNextClick);

    const int before = Map().ShapeCount();
    QApplication::setActiveWindow(&Main());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
    // The key stays the window's even where the menu item that shows it takes commands.
    Main().Deletetracksselected1->setEnabled(true);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Map().ShapeCount(), before - 4);
    EXPECT_NE(Map().FindShape(outside), nullptr);
    EXPECT_NE(Map().FindShape(user), nullptr);
    EXPECT_TRUE(SelectionDeleted);
    EXPECT_EQ(Panel(0), "");

    Main().bMouseSelect->click();
    EXPECT_EQ(Panel(0), "Draw polygon to select shapes (right-click to finish)");
    DrawPolygon({{0, 0}, {95, 0}, {95, 95}, {0, 95}});
    EXPECT_EQ(Panel(0), "2 shape(s) selected. Press Delete to remove.");
    Main().bDelSelected->click();
    EXPECT_EQ(Map().FindShape(outside), nullptr);
    EXPECT_EQ(Map().FindShape(user), nullptr);
}

// Each row starts with a point selected and painted red; afterwards nothing is selected, the
// point is painted in its own colour again and panel 0 is empty.
TEST_F(LassoCommandsTest, LassoWithoutAPolygonSelectsNothing) {
    const struct {
        const char* legend;
        QToolButton* TFNav::*button;
        std::vector<std::string> steps;
    } cases[] = {
        {"a track lasso of two vertices", &TFNav::bSelectTracks, {"L 5,5", "L 40,40", "R 40,40"}},
        {"a shape lasso of two vertices", &TFNav::bMouseSelect, {"L 5,5", "L 40,40", "R 40,40"}},
        {"a track lasso dropped after one click, with a route around the points",
         &TFNav::bSelectTracks,
         {"Route", "L 5,5", "R 5,5"}},
        {"Escape after Select Track", &TFNav::bSelectTracks, {"L 5,5", "L 40,5", "Esc"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        Map().SelectShape(inside[0], false);
        (Main().*c.button)->click();
        for (const std::string& step : c.steps) {
            Map().UpdateBackBuffer();
            if (step == "Route") {
                Map().AddPolyline(kSquare, Map().AddLayer("Orvalt_Route"), true);
            } else if (step == "Esc") {
                Key(Qt::Key_Escape);
            } else {
                Step(step);
            }
        }
        Map().UpdateBackBuffer();
        EXPECT_NE(QColor(Map().BackBuffer().pixel(Pixel(10, 10))), QColor(Qt::red));
        EXPECT_EQ(Map().GetSelectedCount(), 0);
        EXPECT_EQ(Panel(0), "");
        EXPECT_FALSE(TrackLassoActive || ShapeLassoActive);
        Map().CancelDrawing();
    }
}

TEST_F(LassoCommandsTest, ClearQuestionsEmptyTheLayerOnlyOnYesAndRecordIt) {
    TFNav& w = Main();
    const struct {
        std::function<void()> command;
        const char* layer;
        const char* question;
        const char* record;  // empty: none
    } cases[] = {
        {[&w] { w.tbFixed->click(); }, "track_fix",
         "Fixed/Float/DGPS tracking points to be cleared. Continue?",
         "Cleared Fixed/Float/DGPS tracklines"},
        {[&w] { w.Cleartracksunfixed1->trigger(); }, "track_float",
         "Autonomous tracking points to be cleared. Continue?", "Cleared Autonomous tracklines"},
        {[&w] { w.tbAuto->click(); }, "track_nofix",
         "Fixed/Float/DGPS tracking points to be cleared. Continue?", "Cleared NoFix tracklines"},
        {[&w] { w.Clearshapesuseradded1->trigger(); }, "orvalt_usershape",
         "User added shapes to be deleted! Continue?", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layer);
        const int shapes = Map().ShapeCount();
        const int onLayer = LayerShapes(c.layer);
        ASSERT_GT(onLayer, 0);
        for (TModalResult answer : {TModalResult::No, TModalResult::Cancel, TModalResult::Yes}) {
            dialogs.answers = {answer};
            c.command();
            EXPECT_EQ(dialogs.messages.back(), c.question);
            const std::string log = ReadFileBytes(EventLogFilePath());
            const bool yes = answer == TModalResult::Yes;
            EXPECT_EQ(LayerShapes(c.layer), yes ? 0 : onLayer);
            EXPECT_EQ(Map().ShapeCount(), yes ? shapes - onLayer : shapes);
            if (*c.record) {
                EXPECT_EQ(log.find(std::string("\t") + c.record) != std::string::npos, yes);
            }
        }
    }
}

TEST_F(MapCommandsTest, FunctionKeysMoveTheOverlaysAndCtrlODoesNotZoom) {
    Key(Qt::Key_F2);
    Key(Qt::Key_F3);
    Key(Qt::Key_F3);
    EXPECT_EQ(Map().BigNumberCorner, 1);
    EXPECT_EQ(Map().PositionTextCorner, 2);

    QApplication::setActiveWindow(&Main());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
    const double width = Map().GetViewWidth();
    QTest::keyClick(&Main(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(Map().GetViewWidth(), width);
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, "Dialog Open");
}

}  // namespace
