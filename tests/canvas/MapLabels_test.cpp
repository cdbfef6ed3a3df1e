#include "canvas/MapLabels.h"

#include "canvas/DisplaySettings.h"
#include "tests/canvas/RenderedImage.h"

#include <gtest/gtest.h>

#include "canvas/QPainterSurface.h"

#include <QPainter>
#include <algorithm>
#include <functional>
#include <random>
#include <vector>

namespace {

TEST(LabelDeclutter, NewestBoxWinsAndTouchingBoxesBothStay) {
    const struct {
        const char* legend;
        std::vector<TLabelBox> boxes;  // oldest first
        std::vector<size_t> kept;
    } cases[] = {
        {"one box", {{0, 0, 30, 12}}, {0}},
        {"an overlapping pair keeps the newer", {{0, 0, 30, 12}, {29, 11, 59, 23}}, {1}},
        {"touching side by side", {{0, 0, 30, 12}, {30, 0, 60, 12}}, {0, 1}},
        {"touching one above the other", {{0, 0, 30, 12}, {0, 12, 30, 24}}, {0, 1}},
        {"the same box thrice", {{5, 5, 35, 17}, {5, 5, 35, 17}, {5, 5, 35, 17}}, {2}},
        // The middle one loses to the newest, so the oldest no longer competes with it.
        {"a chain", {{0, 0, 30, 12}, {20, 0, 50, 12}, {40, 0, 70, 12}}, {0, 2}},
        {"across the lookup cells and below zero",
         {{-70, -70, -40, -58}, {-45, -60, 100, -48}, {63, -48, 65, 200}},
         {1, 2}},
        {"a new line over an old one",
         {{0, 0, 30, 12}, {40, 0, 70, 12}, {80, 0, 110, 12}, {10, 5, 40, 17}, {60, 5, 90, 17}},
         {3, 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(KeepNewestFirst(c.boxes), c.kept);
    }
}

QImage DrawnLabels(const TLabelLayout& layout, const TRasterRect& rect) {
    QImage image(rect.Width, rect.Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TQPainterSurface surface(painter);
    layout.Draw(rect, surface);
    return image;
}

// Labels appended a few at a time are laid out as all of them at once would be, and the areas
// a layout reports hold every pixel it changed: a newer label hides older ones, which may give
// room back to older ones still.
TEST(LabelDeclutter, AppendedLabelsAreLaidOutAsAllAtOnce) {
    TRasterLattice lattice;
    lattice.Follow(0, 200, 150, 0, 200, 150);
    const TRasterRect rect = lattice.Screen(200, 150);
    const TLabelStyle style{true, "Arial", 12, false, kBlue};
    const QString texts[] = {"7", "12.3", "123.45"};
    std::mt19937 random(7);
    std::uniform_real_distribution<double> x(0, 200), y(0, 150);
    TLabelLayout appended;
    std::vector<TLabelInput> all;
    TLabelLayout::TChange change;
    QImage before = DrawnLabels(appended, rect);
    for (int batch = 0; batch < 60; ++batch) {
        SCOPED_TRACE(batch);
        std::vector<TLabelInput> labels;
        for (int n = random() % 3 + 1; n > 0; --n)
            labels.push_back({x(random), y(random), texts[random() % 3]});
        all.insert(all.end(), labels.begin(), labels.end());
        appended.AppendLabels(labels);
        ASSERT_TRUE(appended.Layout(lattice, style, &change));
        EXPECT_EQ(change.Everything, batch == 0) << "the first layout takes in everything";
        TLabelLayout atOnce;
        atOnce.SetLabels(all);
        TLabelLayout::TChange whole;
        atOnce.Layout(lattice, style, &whole);
        const QImage after = DrawnLabels(appended, rect);
        ASSERT_TRUE(after == DrawnLabels(atOnce, rect));
        ASSERT_FALSE(appended.Layout(lattice, style, &whole)) << "nothing new";
        for (int py = 0; py < rect.Height && !change.Everything; ++py) {
            for (int px = 0; px < rect.Width; ++px) {
                if (before.pixel(px, py) == after.pixel(px, py)) continue;
                const TRasterRect pixel{rect.Left + px, rect.Top + py, 1, 1};
                ASSERT_TRUE(std::any_of(change.Areas.begin(), change.Areas.end(),
                                        [&](const TRasterRect& a) { return a.Intersects(pixel); }))
                    << "pixel " << px << ", " << py;
            }
        }
        before = after;
    }
}

// One world unit per pixel; labels 10 units apart overlap, as a day's labels at 10 m spacing
// do at the default zoom.
class LabelDeclutterTest : public ::testing::Test {
protected:
    LabelDeclutterTest() {
        model.ResizeClient(300, 200);
        model.SetView(0, 200, 300, 0);
        model.SetSoundingStyle(true, 1, "Arial", 12, kBlue);
    }

    // The image of a model holding only the labels `add` gives, in the same view.
    QImage RenderedWith(const std::function<void(TCanvasModel&)>& add) const {
        TCanvasModel only;
        only.ResizeClient(model.ClientWidth(), model.ClientHeight());
        only.SetView(model.ViewLeft, model.ViewTop, model.ViewRight, model.ViewBottom);
        only.SetSoundingStyle(true, 1, "Arial", 12, kBlue);
        add(only);
        return Rendered(only, false);
    }

    TCanvasModel model;
};

TEST_F(LabelDeclutterTest, OverlappingDepthsShowTheNewestUntilZoomedIn) {
    const auto older = [](TCanvasModel& m) { m.AddSounding(150, 100, 12.3); };
    const auto newer = [](TCanvasModel& m) { m.AddSounding(160, 104, 45.6); };
    const auto apart = [](TCanvasModel& m) { m.AddSounding(40, 40, 7.8); };
    older(model);
    newer(model);
    apart(model);
    EXPECT_EQ(model.GetSoundings().size(), 3u) << "nothing leaves the store";
    EXPECT_TRUE(Rendered(model, false) == RenderedWith([&](TCanvasModel& m) {
                    newer(m);
                    apart(m);
                }));
    // Four pixels a unit: the two no longer overlap and both read.
    model.SetView(130, 130, 205, 80);
    const QImage zoomed = Rendered(model, false);
    EXPECT_FALSE(zoomed == RenderedWith(newer));
    EXPECT_FALSE(zoomed == RenderedWith(older));
    EXPECT_TRUE(zoomed == RenderedWith([&](TCanvasModel& m) {
                    older(m);
                    newer(m);
                }));
    // And back out: the older one is skipped again.
    model.SetView(0, 200, 300, 0);
    EXPECT_TRUE(Rendered(model, false) == RenderedWith([&](TCanvasModel& m) {
                    newer(m);
                    apart(m);
                }));
}

TEST_F(LabelDeclutterTest, OverlappingEventNumbersShowTheNewest) {
    const auto older = [](TCanvasModel& m) { m.AddNumberLabel(150, 100, 17); };
    const auto newer = [](TCanvasModel& m) { m.AddNumberLabel(158, 103, 18); };
    older(model);
    newer(model);
    EXPECT_EQ(model.NumberLabels.size(), 2u);
    const QImage drawn = Rendered(model, false);
    EXPECT_TRUE(drawn == RenderedWith(newer));
    EXPECT_FALSE(drawn == RenderedWith(older));
    // Eight pixels a unit.
    model.SetView(135.25, 114, 172.75, 89);
    EXPECT_FALSE(Rendered(model, false) == RenderedWith(newer));
}

// Depth labels and event numbers are laid out each on their own: an event number over a
// depth hides neither.
TEST_F(LabelDeclutterTest, DepthsAndEventNumbersDoNotCompete) {
    model.AddSounding(150, 100, 12.3);
    model.AddNumberLabel(150, 100, 4);
    const QImage both = Rendered(model, false);
    EXPECT_GT(CountIn(both, both.rect(), kBlue), 0);
    EXPECT_GT(CountIn(both, both.rect(), EventLabelColor), 0);
}

}  // namespace
