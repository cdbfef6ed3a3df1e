#include "tests/navigation/MapWindowFixture.h"

#include "canvas/OrvaltCanvas.h"
#include "navigation/NavigationState.h"

#include <QTest>
#include <cstdio>

void TMapWindowFixture::SetUp() {
    TMainWindowFixture::SetUp();
    RealtimeStartTick = 0;
    TrackLassoActive = ShapeLassoActive = SelectionDeleted = false;
    LastOpenedPath.clear();
    ASSERT_TRUE(Map().SetView(0, 100, 100, 0));
}

void TMapWindowFixture::TearDown() {
    RealtimeStartTick = 0;
    TMainWindowFixture::TearDown();
}

QPoint TMapWindowFixture::Pixel(double x, double y) {
    const TPixel p = Map().WorldToScreen(x, y);
    return {p.X, p.Y};
}

void TMapWindowFixture::Click(double x, double y, Qt::MouseButton button) {
    QTest::mouseClick(Main().fcad, button, Qt::NoModifier, Pixel(x, y));
}

void TMapWindowFixture::Step(const std::string& step) {
    double x = 0, y = 0;
    char button = 0;
    if (std::sscanf(step.c_str(), "%c %lf,%lf", &button, &x, &y) != 3) return;
    if (button == 'L' || button == 'R') {
        Click(x, y, button == 'L' ? Qt::LeftButton : Qt::RightButton);
    }
}

void TMapWindowFixture::DrawPolygon(const std::vector<TWorldPoint>& corners) {
    for (const TWorldPoint& p : corners) Click(p.X, p.Y);
    Click(corners.back().X, corners.back().Y, Qt::RightButton);
}

void TMapWindowFixture::Key(Qt::Key key) { QTest::keyClick(Main().fcad, key); }

QString TMapWindowFixture::Panel(int i) { return Main().StatusPanels[i]->text(); }

int TMapWindowFixture::LayerShapes(const char* name) {
    return static_cast<int>(Map().GetLayerShapeIds(Map().FindLayerByName(name)).size());
}
