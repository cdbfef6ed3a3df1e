#include "tools/URunlines.h"

#include "canvas/OrvaltCanvas.h"
#include "platform/DataFolders.h"
#include "platform/EventLog.h"
#include "platform/IniFile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestEnvironment.h"
#include "tests/tools/MainWindowFixture.h"

#include <QTest>

namespace {

const std::vector<TWorldPoint> kRoute25m = {{0, 0}, {25, 0}};

class RunlineWindowTest : public TMainWindowFixture {
protected:
    size_t RunlineShapes() {
        const int layer = Map().FindLayerByName("Orvalt_Runlines");
        return layer == -1 ? 0 : Map().GetLayerShapeIds(layer).size();
    }
    // The events-log records of generations, in order.
    static std::vector<std::string> Generations() {
        const std::string log = ReadFileBytes(EventLogFilePath());
        std::vector<std::string> records;
        const std::string mark = "Runlines generated - ";
        for (size_t at = log.find(mark); at != std::string::npos; at = log.find(mark, at + 1)) {
            records.push_back(log.substr(at, log.find("\r\n", at) - at));
        }
        return records;
    }
    static QColor StatusColor(const TfRunline1& window) {
        return window.lRouteStatus->palette().color(QPalette::WindowText);
    }
};

TEST_F(RunlineWindowTest, RouteHandedOverDrawsTheLinesWithACopyOfTheRoute) {
    TfRunline1 window;
    EXPECT_EQ(window.lRouteStatus->text(), "No route drawn");
    EXPECT_EQ(StatusColor(window), QColor(128, 128, 128));
    window.SetRoute(kRoute25m);
    EXPECT_TRUE(window.RouteValid());
    EXPECT_EQ(window.lRouteStatus->text(), "Route: 2 points");
    EXPECT_EQ(StatusColor(window), QColor(0, 128, 0));
    ASSERT_EQ(RunlineShapes(), 4u) << "the route and cross-lines at 0, 10 and 20 m";
    const int first = Map().GetLayerShapeIds(Map().FindLayerByName("Orvalt_Runlines"))[0];
    EXPECT_EQ(Map().GetVertexX(first, 1), 25) << "the route copy comes first";
    EXPECT_EQ(Generations(),
              (std::vector<std::string>{"Runlines generated - Spacing: 10, Length: 100"}));

    window.SetRoute({{3, 3}});
    EXPECT_FALSE(window.RouteValid());
    EXPECT_EQ(window.lRouteStatus->text(), "Need at least 2 points");
    EXPECT_EQ(StatusColor(window), QColor(255, 0, 0));
    EXPECT_EQ(RunlineShapes(), 4u) << "a short route changes nothing else";
}

TEST_F(RunlineWindowTest, EveryKeystrokeAndLineTypeRegeneratesAndIsLogged) {
    TfRunline1 window;
    window.show();
    window.SetRoute(kRoute25m);
    window.eSpacing->selectAll();
    QTest::keyClicks(window.eSpacing, "25");
    EXPECT_EQ(Generations(),
              (std::vector<std::string>{"Runlines generated - Spacing: 10, Length: 100",
                                        "Runlines generated - Spacing: 2, Length: 100",
                                        "Runlines generated - Spacing: 25, Length: 100"}));
    EXPECT_EQ(RunlineShapes(), 3u) << "cross-lines at 0 and 25 m";
    window.eLength->setText("60");
    QTest::mouseClick(window.rbParallel, Qt::LeftButton);
    EXPECT_EQ(RunlineShapes(), 1u + 4u) << "two lines each side";
    EXPECT_EQ(Generations().size(), 5u);
    QTest::mouseClick(window.rbParallel, Qt::LeftButton);
    EXPECT_EQ(Generations().size(), 5u) << "a click on the checked button changes nothing";
}

TEST_F(RunlineWindowTest, GenerateNeedsARouteAndStoresTheChoices) {
    TScriptedDialogs dialogs;
    TfRunline1 window;
    window.bGenerate->click();
    EXPECT_EQ(dialogs.messages, (std::vector<QString>{"Please draw a route first."}));
    const TIniFile ini(GetSettingsFilePath());
    EXPECT_FALSE(ini.SectionExists("RUNLINE"));

    window.SetRoute(kRoute25m);
    window.eSpacing->setText("20");
    window.rbParallel->setChecked(true);
    EXPECT_FALSE(ini.SectionExists("RUNLINE")) << "only Generate stores";
    window.bGenerate->click();
    EXPECT_EQ(ini.ReadString("RUNLINE", "Spacing", ""), "20");
    EXPECT_EQ(ini.ReadString("RUNLINE", "Length", ""), "100");
    EXPECT_EQ(ini.ReadString("RUNLINE", "Perpendicular", ""), "0");
    TfRunline1 next;
    EXPECT_EQ(next.eSpacing->text(), "20");
    EXPECT_TRUE(next.rbParallel->isChecked());
    EXPECT_FALSE(next.rbPerpendicular->isChecked());
}

TEST_F(RunlineWindowTest, ClearForgetsTheRouteAndDrawRoutePreparesTheMap) {
    TfRunline1 window;
    window.SetRoute(kRoute25m);
    window.bClear->click();
    EXPECT_EQ(RunlineShapes(), 0u);
    EXPECT_FALSE(window.RouteValid());
    EXPECT_EQ(window.lRouteStatus->text(), "No route drawn");
    window.eSpacing->setText("5");
    EXPECT_EQ(Generations().size(), 1u) << "without a route nothing regenerates";

    window.SetRoute(kRoute25m);
    const int route = Map().AddLayer("Orvalt_Route");
    Map().AddPolyline(kRoute25m, route, false);
    Map().CurrentLayer = 0;
    Map().KeepDrawMode = true;
    window.bDrawRoute->click();
    EXPECT_EQ(RunlineShapes(), 0u);
    EXPECT_TRUE(Map().GetLayerShapeIds(route).empty()) << "the previous route goes";
    EXPECT_EQ(Map().CurrentLayer, route);
    EXPECT_EQ(Map().DrawLayer, route) << "the route is drawn there, not on the user shapes";
    EXPECT_EQ(Map().DrawMode, 5) << "polyline";
    EXPECT_FALSE(Map().KeepDrawMode) << "selection again once the route is finished";
    EXPECT_TRUE(window.Route.empty());
    EXPECT_FALSE(window.RouteValid());
    EXPECT_EQ(window.lRouteStatus->text(), "Drawing... (right-click to finish)");
    EXPECT_EQ(StatusColor(window), QColor(0, 0, 255));
}

TEST_F(RunlineWindowTest, TooManyLinesAreRefusedAndThePreviousOnesStay) {
    TfRunline1 window;
    window.SetRoute(kRoute25m);
    window.eSpacing->setText("0.0001");
    EXPECT_EQ(window.lRouteStatus->text(), "Too many run lines (more than 100000)");
    EXPECT_EQ(StatusColor(window), QColor(255, 0, 0));
    EXPECT_EQ(RunlineShapes(), 4u);
    EXPECT_EQ(Generations().size(), 1u) << "a refused generation is not logged";
    window.eSpacing->setText("5");
    EXPECT_EQ(window.lRouteStatus->text(), "Route: 2 points");
    EXPECT_EQ(RunlineShapes(), 1u + 6u);
}

// A decimal comma gave 10 m without a word; now the text is named and the lines stay.
TEST_F(RunlineWindowTest, SpacingOrLengthThatIsNotANumberIsRefusedAndTheLinesStay) {
    TScriptedDialogs dialogs;
    TfRunline1 window;
    window.SetRoute(kRoute25m);
    window.eSpacing->setText("12,5");
    EXPECT_EQ(window.lRouteStatus->text(), "Spacing \"12,5\" is not a number");
    EXPECT_EQ(StatusColor(window), QColor(255, 0, 0));
    EXPECT_EQ(RunlineShapes(), 4u) << "the lines of spacing 10 stay";
    EXPECT_EQ(Generations().size(), 1u) << "nothing generated, nothing logged";
    window.bGenerate->click();
    EXPECT_FALSE(TIniFile(GetSettingsFilePath()).SectionExists("RUNLINE")) << "not stored";
    window.eSpacing->setText("12.5");
    window.eLength->setText("");
    EXPECT_EQ(window.lRouteStatus->text(), "Length \"\" is not a number");
    window.eLength->setText("30");
    EXPECT_EQ(window.lRouteStatus->text(), "Route: 2 points");
    EXPECT_EQ(RunlineShapes(), 1u + 3u) << "cross-lines at 0, 12.5 and 25 m";
}

}  // namespace
