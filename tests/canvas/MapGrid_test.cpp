#include "canvas/MapGrid.h"
#include "canvas/ScaleBar.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(NiceStep, OneTwoFiveSteps) {
    struct {
        double target, step;
    } cases[] = {{100, 100},  {149, 100}, {150, 200},
                 {349, 200},  {350, 500}, {749, 500},
                 {750, 1000}, {0.1, 0.1}, {0.00025, 0.0002},
                 {0, 0},      {-5, 0},    {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        EXPECT_NEAR(NiceStep(c.target), c.step, c.step * 1e-12);
    }
}

TEST(GridLinePositions, WholeMultiplesAcrossTheView) {
    EXPECT_EQ(GridLinePositions(-150, 250, 100), (std::vector<double>{-200, -100, 0, 100, 200}));
    EXPECT_EQ(GridLinePositions(0, 400, 100), (std::vector<double>{0, 100, 200, 300, 400}));
    EXPECT_TRUE(GridLinePositions(0, 400, 0).empty());
    EXPECT_TRUE(GridLinePositions(0, 400, -1).empty());
}

TEST(GridLinePositions, DenseOrDeepGridsEndInsteadOfHanging) {
    // A spacing far below the resolution of the coordinates once stopped x += sx from moving.
    EXPECT_LE(GridLinePositions(4.5e6, 4.5e6 + 1e-9, 2.5e-10).size(), 6u);
    EXPECT_TRUE(GridLinePositions(0, 1e6, 0.01).empty());
    EXPECT_EQ(GridLinePositions(0, kMaxGridLines - 1, 1).size(), size_t{kMaxGridLines});
    EXPECT_TRUE(GridLinePositions(0, std::numeric_limits<double>::infinity(), 1).empty());
}

TEST(GridLabel, DecimalsFollowTheSpacing) {
    EXPECT_EQ(GridLabel(500100, 100), "500100");
    EXPECT_EQ(GridLabel(12.26, 2.5), "12.3");
    EXPECT_EQ(GridLabel(0.1, 0.1), "0.1");
    EXPECT_EQ(GridLabel(0.125, 0.005), "0.125");
    EXPECT_EQ(GridLabel(-0.0001, 0.1), "0");
    EXPECT_EQ(GridLabel(-300, 100), "-300");
}

TEST(ChooseGridSpacing, AutomaticFromAQuarterOfTheView) {
    TCanvasModel model;
    model.ResizeClient(400, 400);
    model.SetView(0, 400, 400, 0);
    EXPECT_EQ(ChooseGridSpacing(model).X, 100);
    model.SetView(0, 0.4, 0.4, 0);
    EXPECT_NEAR(ChooseGridSpacing(model).Y, 0.1, 1e-15);
    model.GridAutoSpacing = false;
    model.GridSpacingX = 25;
    model.GridSpacingY = 50;
    EXPECT_EQ(ChooseGridSpacing(model).X, 25);
    model.GridSpacingY = 0;
    EXPECT_NEAR(ChooseGridSpacing(model).X, 0.1, 1e-15);
}

TEST(ScaleBar, LengthPixelsAndLabel) {
    struct {
        const char* legend;
        double unitsPerPixel;
        int pixels;
        const char* label;
    } cases[] = {
        {"2 units per pixel", 2, 100, "200 m"},
        // The round 200 would need 200 pixels; the bar stops at 150 and says so.
        {"1 unit per pixel, cut to 150 pixels", 1, 150, "150 m"},
        {"centimetres", 0.001, 100, "10 cm"},
        {"kilometres", 20, 100, "2.0 km"},
        {"1.3 units per pixel, cut", 1.3, 150, "195 m"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        TViewTransform view;
        view.Width = 400;
        view.Right = 400 * c.unitsPerPixel;
        const TScaleBarLayout bar = LayoutScaleBar(view);
        EXPECT_EQ(bar.Pixels, c.pixels);
        EXPECT_EQ(bar.Label, c.label);
    }
    TViewTransform flat;
    flat.Right = flat.Left;
    EXPECT_EQ(LayoutScaleBar(flat).Pixels, 0);
}

}  // namespace
