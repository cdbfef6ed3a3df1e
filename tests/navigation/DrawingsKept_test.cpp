// What the surveyor draws on the main window's map stays where it was drawn: run lines planned
// far from the grid origin keep their millimetres through the project file.

#include "canvas/MapLayerNames.h"
#include "canvas/OrvaltCanvas.h"
#include "navigation/ProjectCommandTexts.h"
#include "tests/navigation/MapWindowFixture.h"
#include "tests/support/GlobalWindow.h"
#include "tools/RunlineGeometry.h"
#include "tools/URunlines.h"

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
