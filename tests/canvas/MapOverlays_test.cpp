#include "canvas/MapOverlays.h"

#include "canvas/DisplaySettings.h"
#include "canvas/OverlayLayout.h"
#include "canvas/QPainterSurface.h"
#include "tests/canvas/RenderedImage.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <functional>

namespace {

constexpr TColor kGrey = 0x808080;

// The smallest rectangle holding every pixel of exactly this colour; empty when there is none.
QRect BoundsOf(const QImage& image, TColor color) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (ColorAt(image, x, y) == color) bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

QSize PositionTextSize(const QString& text) {
    const QFontMetrics metrics(ScreenFont(kPositionFontName, kPositionFontSize, true, false));
    return {metrics.horizontalAdvance(text), metrics.height()};
}

class TCountingModel : public TCanvasModel {
public:
    void Invalidate() override { ++Invalidations; }
    int Invalidations = 0;
};

// One world unit per pixel on a grey background, y up from the bottom edge.
class MapOverlaysTest : public ::testing::Test {
protected:
    explicit MapOverlaysTest(int width = 400, int height = 300) {
        model.ResizeClient(width, height);
        model.SetView(0, height, width, 0);
        model.SetBackgroundColor(kGrey);
    }

    QImage Render() const { return Rendered(model, true); }

    TCountingModel model;
};

TEST_F(MapOverlaysTest, OverlayOperationsRepaintWithoutRebuildingTheMap) {
    const std::pair<const char*, std::function<void(TCanvasModel&)>> operations[] = {
        {"AddSounding", [](TCanvasModel& m) { m.AddSounding(1, 2, 3); }},
        {"ClearSoundings", [](TCanvasModel& m) { m.ClearSoundings(); }},
        {"SetSoundingStyle", [](TCanvasModel& m) { m.SetSoundingStyle(false, 5, "Tahoma", 9, 1); }},
        {"AddNumberLabel", [](TCanvasModel& m) { m.AddNumberLabel(1, 2, 3); }},
        {"ClearNumberLabels", [](TCanvasModel& m) { m.ClearNumberLabels(); }},
        {"SetDepthOverlay", [](TCanvasModel& m) { m.SetDepthOverlay(1, 2, true); }},
        {"SetSpeedOverlay", [](TCanvasModel& m) { m.SetSpeedOverlay(3, true); }},
        {"CycleBigNumberCorner", [](TCanvasModel& m) { m.CycleBigNumberCorner(); }},
        {"CyclePositionTextCorner", [](TCanvasModel& m) { m.CyclePositionTextCorner(); }},
        {"SetHeadingValid", [](TCanvasModel& m) { m.SetHeadingValid(false); }},
        {"SetPositionOverlay", [](TCanvasModel& m) { m.SetPositionOverlay("GPS", false, 1); }},
        {"BeginMeasure", [](TCanvasModel& m) { m.BeginMeasure(1, 2); }},
        {"UpdateMeasure", [](TCanvasModel& m) { m.UpdateMeasure(3, 4, 5, 6); }},
        {"EndMeasure", [](TCanvasModel& m) { m.EndMeasure(); }},
    };
    for (const auto& [legend, operation] : operations) {
        SCOPED_TRACE(legend);
        model.Dirty = false;
        const int before = model.Invalidations;
        operation(model);
        EXPECT_FALSE(model.Dirty);
        EXPECT_EQ(model.Invalidations, before + 1);
    }
}

TEST_F(MapOverlaysTest, CornersWrapAndTheMeasureMovesOnlyWhileMeasuring) {
    model.BigNumberCorner = 3;
    model.CycleBigNumberCorner();
    EXPECT_EQ(model.BigNumberCorner, 0);
    model.CyclePositionTextCorner();
    EXPECT_EQ(model.PositionTextCorner, 1);

    model.UpdateMeasure(30, 40, 50, 36.87);
    EXPECT_EQ(model.MeasureEndX, 0);
    model.BeginMeasure(10, 20);
    EXPECT_EQ(model.MeasureEndX, 10);
    EXPECT_EQ(model.MeasureEndY, 20);
    model.UpdateMeasure(30, 40, 28.28, 45);
    EXPECT_EQ(model.MeasureEndX, 30);
    EXPECT_EQ(model.MeasureDistance, 28.28);
    EXPECT_EQ(model.MeasureBearing, 45);
    model.EndMeasure();
    model.BeginMeasure(1, 2);
    EXPECT_EQ(model.MeasureDistance, 0);
}

class BigNumbersTest : public MapOverlaysTest {
protected:
    BigNumbersTest() : MapOverlaysTest(800, 600) {}
};

// Each corner puts the white box 4 pixels from the two edges it names (the text 10 pixels in,
// the box 6 pixels beyond the text); the depth in its colour sits in that corner.
TEST_F(BigNumbersTest, SitInTheCornerTheyAreCycledTo) {
    struct {
        int corner;
        bool left, top;
    } cases[] = {{0, true, false}, {1, false, false}, {2, false, true}, {3, true, true}};
    model.SetDepthOverlay(12.34, 0, true);
    model.SetSpeedOverlay(7.5, true);
    const int w = model.ClientWidth(), h = model.ClientHeight();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.corner);
        model.BigNumberCorner = c.corner;
        const QImage image = Render();
        const QRect depth = BoundsOf(image, OverlayDepthColor);
        ASSERT_FALSE(depth.isEmpty());
        EXPECT_EQ(depth.center().x() < w / 2, c.left);
        EXPECT_EQ(depth.center().y() < h / 2, c.top);
        const int edgeX = c.left ? 4 : w - 5, outsideX = c.left ? 3 : w - 4;
        EXPECT_EQ(ColorAt(image, edgeX, depth.center().y()), kBlack);
        EXPECT_EQ(ColorAt(image, outsideX, depth.center().y()), kGrey);
        const int edgeY = c.top ? 4 : h - 5, outsideY = c.top ? 3 : h - 4;
        EXPECT_EQ(ColorAt(image, depth.center().x(), edgeY), kBlack);
        EXPECT_EQ(ColorAt(image, depth.center().x(), outsideY), kGrey);
    }
    model.SetDepthOverlay(12.34, 0, false);
    model.SetSpeedOverlay(7.5, false);
    model.BigNumberCorner = 0;
    const QImage hidden = Render();
    EXPECT_TRUE(BoundsOf(hidden, OverlayDepthColor).isEmpty());
    EXPECT_EQ(ColorAt(hidden, 4, h - 30), kGrey) << "nothing shown, no box";
}

// The box reaches 6 pixels beyond the text: from x = 2 to 8 + text width + 6 at corner 0.
TEST_F(MapOverlaysTest, PositionBoxTakesTheColourOfTheFix) {
    const std::string line = "RTK Fix | Spd: 4.0 kn | SV: 12";
    const QString notice = "NO VALID POSITION RECEIVED";
    ASSERT_NE(PositionTextSize(QString::fromStdString(line)).width(),
              PositionTextSize(notice).width());
    struct {
        const char* legend;
        bool emptyGGA;
        int fix;
        TColor box, text;
    } cases[] = {
        {"no fix: red", false, 0, kRed, kWhite},
        {"GPS: red", false, 1, kRed, kWhite},
        {"DGPS: aqua", false, 2, 0xFFFF00, kBlack},
        {"PPS: yellow", false, 3, 0x00FFFF, kBlack},
        {"RTK fixed: lime", false, 4, 0x00FF00, kBlack},
        {"RTK float: yellow", false, 5, 0x00FFFF, kBlack},
        {"dead reckoning: yellow", false, 6, 0x00FFFF, kBlack},
        {"manual: lime", false, 7, 0x00FF00, kBlack},
        {"unknown code: yellow", false, 9, 0x00FFFF, kBlack},
        {"no position at RTK fixed: red", true, 4, kRed, kWhite},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        model.SetPositionOverlay(line, c.emptyGGA, c.fix);
        const QSize text = PositionTextSize(c.emptyGGA ? notice : QString::fromStdString(line));
        const QImage image = Render();
        const int middle = 8 + text.height() / 2;
        EXPECT_EQ(ColorAt(image, 4, middle), c.box);
        EXPECT_EQ(ColorAt(image, 8 + text.width() + 5, middle), c.box);
        EXPECT_EQ(ColorAt(image, 8 + text.width() + 7, middle), kGrey);
        const QRect inside(8, 8, text.width(), text.height());
        EXPECT_GT(CountIn(image, inside, c.text), 20) << "the text in its colour";
    }
    model.SetPositionOverlay("", false, 4);
    EXPECT_TRUE(BoundsOf(Render(), 0x00FF00).isEmpty()) << "no text, no lime box";
}

TEST_F(MapOverlaysTest, AnInvalidHeadingIsMarkedRed) {
    model.SetPositionOverlay("RTK Fix | THdg: 123.4", false, 4);
    EXPECT_TRUE(BoundsOf(Render(), kRed).isEmpty());
    model.SetHeadingValid(false);
    const QImage image = Render();
    const QRect marked = BoundsOf(image, kRed);
    const QSize before = PositionTextSize("RTK Fix | ");
    const QSize all = PositionTextSize("RTK Fix | THdg: 123.4");
    EXPECT_EQ(marked.left(), 8 + before.width() - 2);
    EXPECT_EQ(marked.right(), 8 + all.width() + 1);
    EXPECT_GT(CountIn(image, marked, kWhite), 20);
}

TEST_F(MapOverlaysTest, IsOnPositionTextFollowsTheBoxToItsCorner) {
    const std::string line = "RTK Fix | Spd: 4.0 kn";
    EXPECT_FALSE(model.IsOnPositionText(10, 10)) << "no text yet";
    model.SetPositionOverlay(line, false, 4);
    model.CyclePositionTextCorner();
    model.CyclePositionTextCorner();
    ASSERT_EQ(model.PositionTextCorner, 2);
    const QSize text = PositionTextSize(QString::fromStdString(line));
    const int w = model.ClientWidth(), h = model.ClientHeight();
    const int left = w - 8 - text.width() - 6, right = w - 8 + 6;
    const int top = h - 10 - text.height() - 6, bottom = h - 10 + 6;
    struct {
        const char* legend;
        int px, py;
        bool on;
    } cases[] = {
        {"bottom-right corner of the box", right, bottom, true},
        {"top-left corner of the box", left, top, true},
        {"just right of the box", right + 1, bottom, false},
        {"just above the box", left, top - 1, false},
        {"where corner 0 would put it", 10, 10, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(model.IsOnPositionText(c.px, c.py), c.on);
    }
    EXPECT_EQ(ColorAt(Render(), left + 2, (top + bottom) / 2), 0x00FF00)
        << "the lime box is drawn where it is hit";
}

TEST_F(MapOverlaysTest, SoundingsAndEventNumbersAreCentredOnTheirPositions) {
    model.SetSoundingStyle(true, 10, "Arial", 12, kBlue);
    model.AddSounding(200, 150, 12.34);
    model.AddNumberLabel(100, 250, 7);
    const QImage image = Render();
    const QRect depth = BoundsOf(image, kBlue);
    ASSERT_FALSE(depth.isEmpty());
    EXPECT_NEAR(depth.center().x(), 200, 2);
    EXPECT_NEAR(depth.center().y(), 150, 3);
    const QRect number = BoundsOf(image, EventLabelColor);
    ASSERT_FALSE(number.isEmpty());
    EXPECT_NEAR(number.center().x(), 100, 2);
    EXPECT_NEAR(number.center().y(), 50, 4);

    model.SetSoundingStyle(false, 10, "Arial", 12, kBlue);
    model.ClearNumberLabels();
    const QImage hidden = Render();
    EXPECT_TRUE(BoundsOf(hidden, kBlue).isEmpty());
    EXPECT_TRUE(BoundsOf(hidden, EventLabelColor).isEmpty());
}

TEST_F(MapOverlaysTest, MeasureDrawsCircleLineAndLabel) {
    const QImage plain = Render();
    model.BeginMeasure(50, 150);
    model.UpdateMeasure(51, 150, 1, 90);
    EXPECT_EQ(Render(), plain) << "a click is not a measure";

    model.UpdateMeasure(350, 150, 300, 90);
    const QImage image = Render();
    EXPECT_EQ(ColorAt(image, 50, 148), kRed) << "dot at the start, under the line";
    EXPECT_EQ(ColorAt(image, 100, 150), kBlue) << "line to the end";
    EXPECT_EQ(ColorAt(image, 350, 142), kBlue) << "cross at the end";
    const QRect label = BoundsOf(image, 0x00FFFF);  // yellow
    EXPECT_NEAR(label.center().x(), 200, 1) << "label box about the middle";
    EXPECT_EQ(label.top(), 150 - 31);
    EXPECT_GT(CountIn(image, QRect(250, 0, 150, 140), kRed), 100) << "circle through the end";
    model.EndMeasure();
    EXPECT_EQ(Render(), plain);
}

}  // namespace
