#include "canvas/OrvaltCanvas.h"
#include "platform/TextFile.h"
#include "tests/canvas/DxfTestSupport.h"
#include "tests/support/PaintCounter.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <string>
#include <vector>

namespace {

// Writes down what the widget hands on, one line per call.
class TRecordingInput : public TCanvasInput {
public:
    explicit TRecordingInput(std::vector<std::string>& log) : log_(log) {}
    void MouseDown(int button, int shift, int px, int py) override {
        log_.push_back(Line("down", button, shift, px, py));
    }
    void MouseMove(int shift, int px, int py) override {
        log_.push_back(Line("move", 0, shift, px, py));
    }
    void MouseUp(int button, int shift, int px, int py) override {
        log_.push_back(Line("up", button, shift, px, py));
    }
    void KeyDown(int key, int shift) override {
        log_.push_back(Line("key", key == Qt::Key_Escape, shift, 0, 0));
    }

private:
    static std::string Line(const char* what, int a, int shift, int px, int py) {
        return std::string(what) + " " + std::to_string(a) + " " + std::to_string(shift) + " " +
               std::to_string(px) + "," + std::to_string(py);
    }
    std::vector<std::string>& log_;
};

class OrvaltCanvasTest : public ::testing::Test {
protected:
    OrvaltCanvasTest() {
        canvas.resize(400, 300);
        canvas.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&canvas));
        QApplication::processEvents();
    }

    TOrvaltCanvas canvas;
};

TEST_F(OrvaltCanvasTest, ManyChangesInOneTickCostOnePaint) {
    TPaintCounter counter;
    canvas.installEventFilter(&counter);
    const int vessel = canvas.AddLayer("~~Orvalt Vessel");
    for (int tick = 0; tick < 3; ++tick) {
        canvas.DeleteLayerShapes(vessel);
        for (int i = 0; i < 8; ++i) canvas.AddLine(i, 0, i, 10, vessel);
        canvas.SetLayerColor(vessel, 0x0000FF);
        canvas.Pan(1, 0);
        canvas.SetBackgroundColor(tick % 2 ? 0xFFFFFF : 0xEEEEEE);
    }
    EXPECT_EQ(counter.paints, 0);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
    EXPECT_FALSE(canvas.Dirty);
    canvas.UpdateBackBuffer();
    EXPECT_EQ(canvas.BackBuffer().pixelColor(399, 0), QColor(0xEE, 0xEE, 0xEE));
    canvas.removeEventFilter(&counter);
}

TEST_F(OrvaltCanvasTest, ResizeGrowsTheViewAndTheBackBuffer) {
    canvas.SetView(0, 300, 400, 0);
    canvas.resize(400, 600);
    QApplication::processEvents();
    EXPECT_NEAR(canvas.GetViewHeight(), 600, 1e-9);
    canvas.UpdateBackBuffer();
    EXPECT_EQ(canvas.BackBuffer().size(), QSize(400, 600));
}

TEST_F(OrvaltCanvasTest, WheelZoomsAboutTheCursor) {
    canvas.SetView(0, 300, 400, 0);
    const TWorldPoint before = canvas.ScreenToWorld(100, 50);
    QWheelEvent wheel(QPointF(100, 50), canvas.mapToGlobal(QPointF(100, 50)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&canvas, &wheel);
    EXPECT_NEAR(canvas.GetViewWidth(), 360, 1e-9);
    const TWorldPoint after = canvas.ScreenToWorld(100, 50);
    EXPECT_NEAR(after.X, before.X, 1e-9);
    EXPECT_NEAR(after.Y, before.Y, 1e-9);
    QWheelEvent sideways(QPointF(100, 50), canvas.mapToGlobal(QPointF(100, 50)), QPoint(),
                         QPoint(120, 0), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&canvas, &sideways);
    EXPECT_NEAR(canvas.GetViewWidth(), 360, 1e-9);
}

TEST_F(OrvaltCanvasTest, HandsMouseAndKeysOnInTheCanvasCodes) {
    std::vector<std::string> log;
    canvas.Input = std::make_unique<TRecordingInput>(log);
    int doubleClicks = 0;
    canvas.OnDblClick = [&](TOrvaltCanvas* sender) { doubleClicks += sender == &canvas; };
    QTest::mousePress(&canvas, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 20));
    QTest::mouseMove(&canvas, QPoint(30, 40));
    QTest::mouseRelease(&canvas, Qt::MiddleButton, Qt::ControlModifier | Qt::AltModifier,
                        QPoint(30, 40));
    QTest::mousePress(&canvas, Qt::RightButton, Qt::NoModifier, QPoint(5, 6));
    QTest::keyClick(&canvas, Qt::Key_Escape, Qt::ControlModifier);
    // The key click presses Ctrl first.
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log[0], "down 1 1 10,20");
    EXPECT_EQ(log[1], "move 0 0 30,40");
    EXPECT_EQ(log[2], "up 4 6 30,40");
    EXPECT_EQ(log[3], "down 2 0 5,6");
    EXPECT_EQ(log[5], "key 1 2 0,0");
    log.clear();
    // The second press of a double click arrives as the double click itself.
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(7, 8),
                       canvas.mapToGlobal(QPointF(7, 8)), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
    QApplication::sendEvent(&canvas, &second);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(log, std::vector<std::string>{"down 1 0 7,8"});
}

// The mouse tools are installed by default; their cursor is the widget's own and their events
// reach the owner with the widget as sender.
TEST_F(OrvaltCanvasTest, ToolsSetTheCursorOnTheWidgetAndFireTheEvents) {
    canvas.SetView(0, 300, 400, 0);
    std::vector<std::string> events;
    canvas.OnDrawBegin = [&](TOrvaltCanvas* sender, short type, double x, double y) {
        if (sender == &canvas)
            events.push_back(QString::asprintf("begin %d %g,%g", type, x, y).toStdString());
    };
    canvas.OnDrawEnd = [&](TOrvaltCanvas* sender, short type, double x, double y) {
        if (sender == &canvas)
            events.push_back(QString::asprintf("end %d %g,%g", type, x, y).toStdString());
    };
    canvas.DrawMode = stRectangle;
    QTest::mouseClick(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(10, 20));
    EXPECT_EQ(canvas.cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QTest::mouseClick(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(50, 60));
    QTest::mouseClick(&canvas, Qt::RightButton, Qt::NoModifier, QPoint(50, 60));
    EXPECT_EQ(canvas.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(events, (std::vector<std::string>{"begin 1 10,280", "end 1 50,240"}));
    EXPECT_EQ(canvas.ShapeCount(), 1);
    EXPECT_EQ(canvas.DrawMode, 0);
    QTest::mousePress(&canvas, Qt::MiddleButton, Qt::NoModifier, QPoint(100, 100));
    EXPECT_EQ(canvas.cursor().shape(), Qt::SizeAllCursor);
    QTest::mouseRelease(&canvas, Qt::MiddleButton, Qt::NoModifier, QPoint(100, 100));
    EXPECT_EQ(canvas.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(OrvaltCanvasTest, OnlyTheLeftButtonDoubleClicks) {
    int doubleClicks = 0;
    canvas.OnDblClick = [&](TOrvaltCanvas*) { ++doubleClicks; };
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton}) {
        QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(7, 8),
                           canvas.mapToGlobal(QPointF(7, 8)), button, button, Qt::NoModifier);
        QApplication::sendEvent(&canvas, &second);
        QTest::mouseRelease(&canvas, button, Qt::NoModifier, QPoint(7, 8));
    }
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(OrvaltCanvasTest, ImportDxfShowsARefusalAndNothingElse) {
    TScriptedDialogs dialogs;
    const std::string drawing = FreshTestPath("quay.dxf");
    ASSERT_TRUE(WriteFileAtomically(drawing, DxfEntitiesFile("0/LINE/11/5")));
    EXPECT_TRUE(canvas.ImportDXF(QString::fromStdString(drawing)));
    const std::string header = FreshTestPath("header.dxf");
    ASSERT_TRUE(WriteFileAtomically(header, DxfGroups("0/SECTION/2/HEADER/0/ENDSEC/0/EOF")));
    EXPECT_FALSE(canvas.ImportDXF(QString::fromStdString(header)));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].toStdString(), "DXF load failed: ENTITIES section not found");
    std::string reason;
    EXPECT_FALSE(
        canvas.ExportDXF(QString::fromStdString(FreshTestPath("gone") + "/x.dxf"), &reason));
    EXPECT_TRUE(reason.starts_with("cannot create the file")) << reason;
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

}  // namespace
