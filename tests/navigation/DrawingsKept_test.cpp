// What the surveyor draws on the main window's map stays where it was drawn: points on the
// user-shape layer whatever layer the program made last, with the map timer held while a drawing
// is under way, GNSS lines or not; and run lines planned far from the grid origin keep their
// millimetres through the project file.

#include "canvas/MapLayerNames.h"
#include "canvas/OrvaltCanvas.h"
#include "devices/OrvaltSerialGPS.h"
#include "navigation/NavigationState.h"
#include "navigation/ProjectCommandTexts.h"
#include "tests/devices/PortFeed.h"
#include "tests/navigation/MapWindowFixture.h"
#include "tests/platform/PseudoTerminal.h"
#include "tests/support/GlobalWindow.h"
#include "tools/RunlineGeometry.h"
#include "tools/URunlines.h"

#include <cmath>
#include <functional>

namespace {

class DrawingsKeptTest : public TMapWindowFixture {
protected:
    // The polylines of a layer, vertex by vertex, in drawing order.
    std::vector<std::vector<TWorldPoint>> Polylines(const char* layer) {
        std::vector<std::vector<TWorldPoint>> lines;
        for (int id : Map().GetLayerShapeIds(Map().FindLayerByName(layer))) {
            std::vector<TWorldPoint>& line = lines.emplace_back();
            for (int i = 0; i < Map().GetVertexCount(id); ++i) {
                line.push_back({Map().GetVertexX(id, i), Map().GetVertexY(id, i)});
            }
        }
        return lines;
    }
};

void ExpectSameLines(const std::vector<std::vector<TWorldPoint>>& lines,
                     const std::vector<TPolylinePoints>& planned, double toleranceM) {
    ASSERT_EQ(lines.size(), planned.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        ASSERT_EQ(lines[i].size(), planned[i].size()) << "line " << i;
        for (size_t v = 0; v < lines[i].size(); ++v) {
            EXPECT_NEAR(lines[i][v].X, planned[i][v].X, toleranceM) << "line " << i << " " << v;
            EXPECT_NEAR(lines[i][v].Y, planned[i][v].Y, toleranceM) << "line " << i << " " << v;
        }
    }
}

// Whether a point lies at (x, y) on the user-shape layer, found by name.
bool PointOnUserShapes(TOrvaltCanvas& map, double x, double y) {
    for (int id : map.GetLayerShapeIds(map.FindLayerByName(kUserShapeLayerName))) {
        const TPointXY p = map.GetPointXY(id);
        if (p.Found && std::abs(p.X - x) < 1e-6 && std::abs(p.Y - y) < 1e-6) return true;
    }
    return false;
}

// Each row leaves CurrentLayer on a layer the program empties or rebuilds, or on a loaded one;
// the point placed then must be on "orvalt_usershape" after ten map ticks (which redraw the
// vessel layer) and after Save and the start-up reload. Steps after the point are the row's
// own disturbance.
TEST_F(DrawingsKeptTest, PointsLandOnTheUserShapesWhateverLayerWasMadeLast) {
    TGlobalWindow<TfRunline1> runlines(fRunline1);
    TFNav& w = Main();
    const struct {
        const char* legend;
        std::function<void()> before;
        std::function<void()> after;
    } cases[] = {
        {"right after start-up (the vessel layer is the last made)", [] {}, [] {}},
        {"during real time with map ticks",
         [&w] {
             RealtimeStartTick = 1000;
             w.tMap->start();
         },
         [&w] {
             EXPECT_TRUE(w.tMap->isActive()) << "a placed point leaves the timer running";
             RealtimeStartTick = 0;
             w.tMap->stop();
         }},
        {"after a run-line generation, with a keystroke in Spacing after the point",
         [&runlines] {
             runlines->SetRoute({{0, 0}, {25, 0}});
         },
         [&runlines] { runlines->eSpacing->setText("12"); }},
        {"after a project reload whose last layer is a drawing's own",
         [&w] {
             w.fcad->AddLayer("Harbour Plan");
             w.Save1Click();
             ASSERT_TRUE(w.LoadProjectFile(AutomaticProjectPath()));
             TFNav::CreateStandardLayers(w.fcad);
         },
         [] {}},
        {"after New",
         [this, &w] {
             dialogs.answers = {TModalResult::Yes};
             w.New1Click();
         },
         [] {}},
    };
    double x = 10;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        x += 10;
        c.before();
        w.ToolButton7->click();
        Click(x, 50);
        const TWorldPoint at = Map().ScreenToWorld(Pixel(x, 50).x(), Pixel(x, 50).y());
        c.after();
        for (int tick = 0; tick < 10; ++tick) w.tMapTimer();
        EXPECT_TRUE(PointOnUserShapes(Map(), at.X, at.Y)) << "after 10 ticks";
        w.Save1Click();
        ASSERT_TRUE(w.LoadProjectFile(AutomaticProjectPath()));
        TFNav::CreateStandardLayers(w.fcad);
        EXPECT_TRUE(PointOnUserShapes(Map(), at.X, at.Y)) << "after Save and reload";
        Click(90, 90);  // a left press in select mode, so the next row starts afresh
    }
}

// The follow-vessel pan must not move the map under the pen: GNSS lines arriving through the
// port during a drawing leave the map timer stopped until the drawing ends, whether the timer
// ran before it or not yet; after Escape the next line starts it again.
TEST_F(DrawingsKeptTest, GnssLinesDuringADrawingLeaveTheMapTimerStopped) {
    TPseudoTerminal terminal;
    terminal.MapToPort(6);
    TOrvaltSerialGPS& gps = *Main().ZGPS1;
    gps.Port = 6;
    gps.Open();
    ASSERT_TRUE(gps.Connected());
    const auto lines = [&](int count) {
        for (int i = 0; i < count; ++i) {
            ASSERT_TRUE(Deliver(terminal, gps, "$GPHDT,12.5,T\r\n"));
        }
    };
    TFNav& w = Main();
    RealtimeStartTick = 1000;
    w.ToolButton23->click();
    Click(10, 10);
    lines(3);
    EXPECT_FALSE(w.tMap->isActive()) << "the first lines came during a polyline";
    Click(20, 20);
    Click(20, 20, Qt::RightButton);
    EXPECT_TRUE(w.tMap->isActive()) << "the end of the drawing starts it";

    w.ToolButton21->click();
    Click(10, 10);
    lines(3);
    Click(30, 30);
    lines(1);
    EXPECT_FALSE(w.tMap->isActive()) << "the rectangle tool waits for the next rectangle";
    Click(30, 30, Qt::RightButton);
    EXPECT_TRUE(w.tMap->isActive());

    Click(50, 50);  // swallowed after the finish
    w.ToolButton21->click();
    Click(10, 10);
    lines(2);
    EXPECT_FALSE(w.tMap->isActive());
    Key(Qt::Key_Escape);
    lines(1);
    EXPECT_TRUE(w.tMap->isActive()) << "the drawing was given up";
    gps.Close();
}

// At a northing of 9e6 single precision keeps steps of 1 m: lines of a 10 m spacing were up
// to half a metre off.
TEST_F(DrawingsKeptTest, RunLinesAtNorthing9e6KeepTheirPlannedCoordinates) {
    TGlobalWindow<TfRunline1> runlines(fRunline1);
    runlines->show();
    ASSERT_TRUE(Map().SetView(500000, 9000100, 500100, 9000000));
    runlines->bDrawRoute->click();
    Click(500010.3, 9000020.7);
    Click(500060.1, 9000055.2);
    Click(500090.9, 9000030.4, Qt::RightButton);
    ASSERT_EQ(runlines->Route.size(), 2u) << runlines->lRouteStatus->text().toStdString();
    const std::vector<TPolylinePoints> planned =
        PlanRunlines(runlines->Route, "10", "100", TRunlineKind::Perpendicular).polylines;
    ASSERT_GT(planned.size(), 5u);
    EXPECT_EQ(Polylines(kRouteLayerName).front(), runlines->Route);
    ExpectSameLines(Polylines(kRunlineLayerName), planned, 0);

    Main().Save1Click();
    ASSERT_TRUE(Main().LoadProjectFile(AutomaticProjectPath()));
    ExpectSameLines(Polylines(kRunlineLayerName), planned, 1e-6);
}

}  // namespace
