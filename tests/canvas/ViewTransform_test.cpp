#include "canvas/ViewTransform.h"
#include "canvas/CanvasModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TViewTransform View(double left, double right, double top, double bottom, int width, int height) {
    TViewTransform view;
    view.Left = left, view.Right = right, view.Top = top, view.Bottom = bottom;
    view.Width = width, view.Height = height;
    return view;
}

void ExpectView(const TViewTransform& view, double left, double right, double top, double bottom) {
    EXPECT_NEAR(view.Left, left, 1e-9);
    EXPECT_NEAR(view.Right, right, 1e-9);
    EXPECT_NEAR(view.Top, top, 1e-9);
    EXPECT_NEAR(view.Bottom, bottom, 1e-9);
}

TEST(ViewTransform, WorldAndScreenRoundTrip) {
    const TViewTransform view = View(500000, 500400, 4000300, 4000000, 400, 300);
    const TPixel p = view.WorldToScreen(500123.5, 4000100.25);
    EXPECT_EQ(p.X, 123);
    EXPECT_EQ(p.Y, 199);
    const TWorldPoint w = view.ScreenToWorld(p.X, p.Y);
    EXPECT_DOUBLE_EQ(w.X, 500123);
    EXPECT_DOUBLE_EQ(w.Y, 4000101);
    // Truncation is toward zero on both sides of the left edge.
    EXPECT_EQ(view.WorldXToPixel(499999.5), 0);
    EXPECT_EQ(view.WorldXToPixel(499998.5), -1);
}

TEST(ViewTransform, FarAwayPointsSaturateInsteadOfOverflowing) {
    const TViewTransform view = View(0, 0.001, 0.001, 0, 1000, 1000);
    EXPECT_EQ(view.WorldXToPixel(1e12), static_cast<int>(kPixelLimit));
    EXPECT_EQ(view.WorldYToPixel(1e12), -static_cast<int>(kPixelLimit));
    EXPECT_EQ(view.WorldXToPixel(kNaN), 0);
}

TEST(ViewTransform, ZoomKeepsTheAnchorAndTakesTheClientAspect) {
    TViewTransform view = View(0, 1000, 1000, 0, 400, 200);
    ASSERT_TRUE(view.ZoomAt(0.1, 250, 750));
    EXPECT_NEAR(view.ViewWidth(), 900, 1e-9);
    EXPECT_NEAR(view.ViewWidth() / view.ViewHeight(), 2.0, 1e-12);
    EXPECT_NEAR((250 - view.Left) / view.ViewWidth(), 0.25, 1e-12);
    EXPECT_NEAR((750 - view.Bottom) / view.ViewHeight(), 0.75, 1e-12);
    ASSERT_TRUE(view.ZoomAt(-0.1, 250, 750));
    EXPECT_NEAR(view.ViewWidth(), 990, 1e-9);  // 0.9 then 1.1: not the width we started with
}

TEST(ViewTransform, ZoomFactorIsLimited) {
    TViewTransform in = View(0, 100, 100, 0, 100, 100);
    in.ZoomAt(1, 50, 50);
    EXPECT_NEAR(in.ViewWidth(), 10, 1e-9);
    TViewTransform out = View(0, 100, 100, 0, 100, 100);
    out.ZoomAt(-20, 50, 50);
    EXPECT_NEAR(out.ViewWidth(), 1000, 1e-9);
}

TEST(ViewTransform, RefusesBadNumbersAndClientsWithoutArea) {
    const TViewTransform start = View(0, 1000, 1000, 0, 400, 300);
    struct {
        const char* legend;
        bool (*change)(TViewTransform&);
    } cases[] = {
        {"zoom with NaN step", [](TViewTransform& v) { return v.ZoomAt(kNaN, 1, 1); }},
        {"zoom about an infinite point", [](TViewTransform& v) { return v.ZoomAt(0.1, kInf, 1); }},
        {"pan by NaN", [](TViewTransform& v) { return v.Pan(kNaN, 0); }},
        {"pan by infinity", [](TViewTransform& v) { return v.Pan(0, -kInf); }},
        {"set an infinite edge", [](TViewTransform& v) { return v.SetView(0, kInf, 1, 0); }},
        {"fit a NaN box",
         [](TViewTransform& v) {
             return v.FitBox({kNaN, 0, 1, 1});
         }},
        {"zoom on a zero-width client",
         [](TViewTransform& v) {
             v.Width = 0;
             return v.ZoomAt(0.1, 1, 1);
         }},
        {"fit on a zero-height client",
         [](TViewTransform& v) {
             v.Height = 0;
             return v.FitBox({0, 0, 10, 10});
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        TViewTransform view = start;
        EXPECT_FALSE(c.change(view));
        ExpectView(view, 0, 1000, 1000, 0);
    }
}

// Found by fuzzing the view: FitToClient's midpoint (Left + Right) / 2 overflowed for edges
// near the largest double, leaving infinite edges that every later pan and zoom refused.
TEST(ViewTransform, EdgesNearTheLargestDoubleKeepAUsableView) {
    TViewTransform view = View(1e308, 1.2e308, 1e308, 0, 400, 300);
    ASSERT_TRUE(view.FitToClient());
    EXPECT_DOUBLE_EQ(view.Left / 2 + view.Right / 2, 1.1e308);
    EXPECT_NEAR(view.ViewWidth() / view.ViewHeight(), 400.0 / 300, 1e-12);
    EXPECT_TRUE(view.ZoomAt(0.1, 1.1e308, 0.5e308));
    EXPECT_TRUE(view.Pan(-1.1e308, -0.5e308));

    struct {
        const char* legend;
        TViewTransform start;
        bool (*change)(TViewTransform&);
    } refused[] = {
        {"pan that rounds the height away", View(0, 1000, 1000, 0, 400, 300),
         [](TViewTransform& v) { return v.Pan(0, 1e308); }},
        {"set a view wider than the largest double", View(0, 1000, 1000, 0, 400, 300),
         [](TViewTransform& v) { return v.SetView(-1e308, 1000, 1e308, 0); }},
        {"fit whose width overflows", View(0, 1, 1.5e308, 0, 400, 300),
         [](TViewTransform& v) { return v.FitToClient(); }},
        {"zoom out beyond the largest double", View(-4e307, 4e307, 3e307, -3e307, 400, 300),
         [](TViewTransform& v) { return v.ZoomAt(-20, 0, 0); }},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.legend);
        TViewTransform view = c.start;
        EXPECT_FALSE(c.change(view));
        ExpectView(view, c.start.Left, c.start.Right, c.start.Top, c.start.Bottom);
    }
}

TEST(ViewTransform, ResizeGrowsToTheNewAspect) {
    TViewTransform view = View(0, 400, 300, 0, 400, 600);
    view.FitToClient();
    ExpectView(view, 0, 400, 450, -150);
    view.Width = 800;
    view.FitToClient();
    ExpectView(view, -200, 600, 450, -150);
}

class ZoomExtentsTest : public ::testing::Test {
protected:
    TCanvasModel model;
};

TEST_F(ZoomExtentsTest, DegenerateDrawingsGiveTheDefaultView) {
    model.SetView(5, 10, 10, 5);
    ASSERT_TRUE(model.ZoomExtents());
    ExpectView(model.View(), 0, 1000, 1000, 0);
    model.SetView(5, 10, 10, 5);
    model.AddLine(0, 50, 100, 50, 0);
    model.ZoomExtents();
    ExpectView(model.View(), 0, 1000, 1000, 0);
    model.DeleteLayerShapes(-1);
    model.SetView(5, 10, 10, 5);
    const int hidden = model.AddRectangle(0, 0, 10, 10, 0);
    model.FindShape(hidden)->Visible = false;
    model.ZoomExtents();
    ExpectView(model.View(), 0, 1000, 1000, 0);
}

TEST_F(ZoomExtentsTest, SinglePointIsCentredWithMarginAndAspect) {
    model.AddPoint(100, 200, 0);
    ASSERT_TRUE(model.ZoomExtents());
    // The box of 6 grows to 6.6 high; a 400 x 300 client widens it to 8.8.
    EXPECT_NEAR(model.GetViewHeight(), 6.6, 1e-9);
    EXPECT_NEAR(model.GetViewWidth(), 8.8, 1e-9);
    EXPECT_NEAR((model.ViewLeft + model.ViewRight) / 2, 100, 1e-9);
    EXPECT_NEAR((model.ViewTop + model.ViewBottom) / 2, 200, 1e-9);
}

TEST_F(ZoomExtentsTest, BrokenBoxesAreLeftOut) {
    model.AddRectangle(0, 0, 400, 300, 0);
    model.AddLine(0, 0, 2e15, 1, 0);
    const int poisoned = model.AddPoint(0, 0, 0);
    model.FindShape(poisoned)->MaxX = kNaN;
    const int inverted = model.AddPoint(0, 0, 0);
    model.FindShape(inverted)->MinX = 1e6;
    ASSERT_TRUE(model.ZoomExtents());
    EXPECT_NEAR(model.ViewLeft, -20, 1e-9);
    EXPECT_NEAR(model.ViewRight, 420, 1e-9);
    EXPECT_TRUE(std::isfinite(model.ViewTop));
}

// The picture follows the view by itself (MapPicture.h): a view change repaints without
// marking the drawing Dirty.
TEST(CanvasModelView, ChangesRepaintAndResizeKeepsTheWidth) {
    struct TCountingModel : TCanvasModel {
        void Invalidate() override { ++repaints; }
        int repaints = 0;
    } model;
    model.Dirty = false;
    EXPECT_FALSE(model.Pan(kNaN, 1));
    EXPECT_EQ(model.repaints, 0);
    EXPECT_TRUE(model.Pan(10, 20));
    EXPECT_EQ(model.repaints, 1);
    EXPECT_FALSE(model.Dirty);
    EXPECT_EQ(model.ViewLeft, 10);
    model.SetView(0, 300, 400, 0);
    model.ResizeClient(400, 600);
    EXPECT_NEAR(model.GetViewWidth(), 400, 1e-9);
    EXPECT_NEAR(model.GetViewHeight(), 600, 1e-9);
    EXPECT_NEAR((model.ViewTop + model.ViewBottom) / 2, 150, 1e-9);
}

}  // namespace
