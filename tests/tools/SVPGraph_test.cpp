// The sound-velocity graph: the plot's arithmetic at its edges, views that must stay finite and
// bounded, and the window's grid, buttons and mouse as the surveyor uses them.

#include "tools/USVPGraph.h"

#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

namespace {

using TLines = std::vector<std::string>;

bool Finite(const TSVPView& view) {
    return std::isfinite(view.svLeft) && std::isfinite(view.svRight) &&
           std::isfinite(view.depthTop) && std::isfinite(view.depthBottom);
}

TEST(SVPGraph, PlotEdges) {
    TSVPPlot plot;
    plot.ReadPointLines(TLines{"0,1495.00,2", "", "5", "1,1497", "2,1500.00,0", "x,1,1"});
    ASSERT_EQ(plot.Points.size(), 3u) << "empty lines and single numbers are not plotted";
    EXPECT_EQ(plot.Points[1].Hits, 1) << "two numbers give one hit";
    EXPECT_DOUBLE_EQ(plot.View.svLeft, 1494.5) << "a span of 5 is raised to 10, then 5 % each side";
    EXPECT_DOUBLE_EQ(plot.View.svRight, 1500.5);
    EXPECT_EQ(plot.View.depthTop, 0);
    EXPECT_EQ(plot.View.depthBottom, 2);

    const struct {
        double span;
        double step;
    } grids[] = {{600, 100}, {300, 50}, {150, 10}};
    for (const auto& g : grids) {
        SCOPED_TRACE(g.span);
        plot.View.depthTop = 0;
        plot.View.depthBottom = g.span;
        EXPECT_EQ(plot.DepthGridLines().step, g.step);
    }

    plot.ResetView();
    const int x = plot.SVToX(plot.Points[0].SV), y = plot.DepthToY(plot.Points[0].Depth);
    EXPECT_EQ(plot.HitTest(x + 7, y - 7), 0) << "7 pixels away starts a drag";
    EXPECT_EQ(plot.HitTest(x + 8, y), -1) << "8 pixels away starts a lasso";

    plot.Lasso = {{0, 0}, {1000, 1000}};
    EXPECT_EQ(plot.SelectInLasso(), 0) << "two vertices hold nothing";
    plot.Lasso = {{x - 20, y - 20}, {x + 20, y - 20}, {x + 20, y + 20}, {x - 20, y + 20}};
    EXPECT_TRUE(plot.PointInLasso(x, y));
    EXPECT_FALSE(plot.PointInLasso(x + 21, y));

    for (int wheel = 0; wheel < 200; ++wheel) plot.ZoomAt(300, 200, 120);
    EXPECT_NEAR(plot.View.svRight - plot.View.svLeft, 5, 1e-9) << "zooming in stops at 5 m/s";
    EXPECT_NEAR(plot.View.depthBottom - plot.View.depthTop, 5, 1e-9) << "and at 5 m";
}

// One point, or points at one depth, give an axis of zero span.
TEST(SVPGraph, ViewsStayFinite) {
    TSVPPlot plot;
    plot.ReadPointLines(TLines{"12,1500.00,1"});
    ASSERT_EQ(plot.View.depthTop, plot.View.depthBottom);
    EXPECT_EQ(plot.DepthToY(12), plot.PlotTop());
    plot.ZoomAt(300, 200, 120);
    ASSERT_TRUE(Finite(plot.View));
    EXPECT_DOUBLE_EQ(plot.View.depthTop, 12 - 2.5) << "centred on the cursor's depth";
    EXPECT_DOUBLE_EQ(plot.View.depthBottom, 12 + 2.5);

    for (int wheel = 0; wheel < 20000; ++wheel) plot.ZoomAt(300, 200, -120);
    EXPECT_TRUE(Finite(plot.View)) << "a long zoom-out stops short of infinity";
    EXPECT_GT(plot.View.svRight - plot.View.svLeft, 1e300);
    EXPECT_LE(plot.SVGridLines().count, plot.PlotRight() - plot.PlotLeft());
    EXPECT_LE(plot.DepthGridLines().count, plot.PlotBottom() - plot.PlotTop());

    plot.ReadPointLines(TLines{"0,1.7e308,1", "1,-1.7e308,1"});
    EXPECT_TRUE(Finite(plot.View)) << "a view that would overflow is not taken";
    EXPECT_LE(std::abs(plot.SVToX(1.7e308)), TSVPPlot::kPixelLimit + plot.PlotLeft());
}

class SVPGraphWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        graph_.PaintBox1->resize(700, 500);
        graph_.LoadPoints(TLines{"0,1500.00,1", "1,1501.00,2", "2,1502.00,1"});
    }
    void Edit(int row, int column, const char* text) {
        graph_.StringGrid1->item(row, column)->setText(text);  // a committed edit
    }
    TLines Stored() const {
        TLines lines;
        graph_.StorePoints(lines);
        return lines;
    }
    // Paints into an image the size of the paint box.
    void Paint() {
        QImage image(graph_.PlotWidth, graph_.PlotHeight, QImage::Format_RGB32);
        QPainter painter(&image);
        graph_.PaintBox1Paint(painter);
    }

    TScriptedDialogs dialogs_;
    TfSVPGraph graph_;
};

TEST_F(SVPGraphWindowTest, ABadCellKeepsEveryRow) {
    ASSERT_EQ(graph_.StringGrid1->rowCount(), 3);
    EXPECT_EQ(graph_.StringGrid1->horizontalHeaderItem(1)->text(), "SV (m/s)");
    Edit(1, 1, "15o1");
    EXPECT_EQ(dialogs_.exceptions.back(), "'15o1' is not a valid floating point value");
    EXPECT_EQ(graph_.Points.size(), 3u);
    EXPECT_FALSE(graph_.Modified);
    graph_.bSaveAndCloseClick();
    EXPECT_EQ(graph_.result(), QDialog::Rejected) << "no OK over a bad cell";

    // A drag refills the grid from the points, the bad cell among them.
    const int x = graph_.SVToX(1502), y = graph_.DepthToY(2);
    graph_.PaintBox1MouseDown(Qt::LeftButton, x, y);
    graph_.PaintBox1MouseMove(x - 30, y);
    graph_.PaintBox1MouseUp(Qt::LeftButton, x - 30, y);
    EXPECT_TRUE(graph_.Modified);
    EXPECT_EQ(graph_.StringGrid1->item(1, 1)->text(), "1501.00");
    graph_.bSaveAndCloseClick();
    EXPECT_EQ(graph_.result(), QDialog::Accepted);
    const TLines stored = Stored();
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[1], "1,1501.00,2");
    EXPECT_LT(std::stod(stored[2].substr(2)), 1502);
}

TEST_F(SVPGraphWindowTest, RowsAndDeletion) {
    graph_.bAddRowClick();
    EXPECT_EQ(Stored().back(), "3,1502.00,0") << "the last point's depth + 1 and its SV";
    for (int i = 0; i < 5; ++i) {
        graph_.StringGrid1->setCurrentCell(0, 0);
        graph_.bDeleteRowClick();
    }
    EXPECT_EQ(Stored(), TLines{"3,1502.00,0"}) << "one data row always stays";

    graph_.LoadPoints(TLines{"0,1500.00,1", "1,1600.00,1", "2,1502.00,1"});
    const int x = graph_.SVToX(1600), y = graph_.DepthToY(1);
    graph_.PaintBox1MouseDown(Qt::LeftButton, x - 15, y - 15);
    for (const auto& [dx, dy] : {std::pair{15, -15}, {15, 15}, {-15, 15}}) {
        graph_.PaintBox1MouseMove(x + dx, y + dy);
    }
    graph_.PaintBox1MouseUp(Qt::LeftButton, x - 15, y + 15);
    EXPECT_EQ(graph_.bDeleteSelected->text(), "Delete Selected (1)");
    EXPECT_TRUE(graph_.bDeleteSelected->isEnabled());
    graph_.bDeleteSelected->click();
    EXPECT_EQ(Stored(), (TLines{"0,1500.00,1", "2,1502.00,1"}));
    EXPECT_FALSE(graph_.bDeleteSelected->isEnabled());
    EXPECT_EQ(graph_.StringGrid1->rowCount(), 2);
}

// A typed SV of 150,000,000 m/s spans the view over millions of grid steps.
TEST_F(SVPGraphWindowTest, AHugeSVPaintsABoundedGrid) {
    Edit(2, 1, "150000000");
    ASSERT_EQ(graph_.Points[2].SV, 1.5e8);
    EXPECT_GT(graph_.View.svRight, 1.5e8);
    EXPECT_LE(graph_.SVGridLines().count, graph_.PlotRight() - graph_.PlotLeft());
    Paint();
    graph_.PaintBox1DblClick();
    Paint();
}

}  // namespace
