#include "canvas/MapRenderer.h"
#include "canvas/QPainterSurface.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapeRectangle.h"
#include "tests/canvas/RenderedImage.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <vector>

namespace {

constexpr TColor kGrey64 = 0x404040;
constexpr TColor kGrey205 = 0xCDCDCD;

int CountOf(const QImage& image, TColor color) { return CountIn(image, image.rect(), color); }

// A model whose view maps one world unit to one pixel, y up from the bottom edge.
class MapRendererTest : public ::testing::Test {
protected:
    MapRendererTest() {
        model.ResizeClient(200, 100);
        model.SetView(0, 100, 200, 0);
    }

    QImage Render(bool withOverlays = false) { return Rendered(model, withOverlays); }

    int AddLine(double x1, double y1, double x2, double y2, TColor color, int width = 1) {
        const int id = model.AddLine(x1, y1, x2, y2, 0);
        model.SetShapeColor(id, color);
        model.SetShapeLineWidth(id, width);
        return id;
    }

    TCanvasModel model;
};

TEST_F(MapRendererTest, FillsTheBackground) {
    model.SetBackgroundColor(0x336699);
    const QImage image = Render();
    EXPECT_EQ(CountOf(image, 0x336699), 200 * 100);
}

TEST_F(MapRendererTest, PointSizeCodes) {
    struct {
        int size;
        int pixels;  // painted pixels
        int side;    // width of the painted block
    } cases[] = {{0, 1, 1}, {1, 4, 2}, {2, 9, 3}, {3, 25, 5}, {4, 0, 4}, {5, 0, 6}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        model.DeleteLayerShapes(-1);
        const int id = model.AddPoint(100.5, 49.5, 0);
        model.SetShapeLineWidth(id, c.size);
        const QImage image = Render();
        if (c.pixels > 0) {
            EXPECT_EQ(CountOf(image, kBlack), c.pixels);
        }
        int left = image.width(), right = -1;
        for (int x = 0; x < image.width(); ++x) {
            for (int y = 0; y < image.height(); ++y) {
                if (ColorAt(image, x, y) == kBlack) left = std::min(left, x), right = x;
            }
        }
        EXPECT_EQ(right - left + 1, c.side);
        EXPECT_EQ(ColorAt(image, 100, 50), kBlack);
    }
}

TEST_F(MapRendererTest, ContrastRuleKeepsShapesVisible) {
    struct {
        const char* legend;
        TColor background, line, drawn;
    } cases[] = {
        {"black on black is drawn white", kBlack, kBlack, kWhite},
        {"dark grey on white stays", kWhite, kGrey64, kGrey64},
        {"light grey on white is drawn black", kWhite, kGrey205, kBlack},
        {"blue on white stays", kWhite, kBlue, kBlue},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        model.DeleteLayerShapes(-1);
        model.SetBackgroundColor(c.background);
        const int id = AddLine(10, 50, 190, 50, c.line);
        EXPECT_EQ(ColorAt(Render(), 100, 50), c.drawn);
        EXPECT_EQ(model.GetShapeColor(id), c.line);
    }
}

TEST_F(MapRendererTest, SelectedShapesAreRed) {
    const int id = AddLine(10, 50, 190, 50, kBlue);
    model.FindShape(id)->Selected = true;
    EXPECT_EQ(ColorAt(Render(), 100, 50), kRed);
}

TEST_F(MapRendererTest, SolidRectangleWithoutWidthIsFillOnly) {
    const int id = model.AddRectangle(20, 20, 80, 80, 0);
    auto* rectangle = static_cast<TQRectangle*>(model.FindShape(id));
    rectangle->LineWidth = 0;
    rectangle->BrushStyle = bsSolid;
    rectangle->FillColor = kBlue;
    QImage image = Render();
    EXPECT_EQ(ColorAt(image, 20, 50), kBlue);
    EXPECT_EQ(ColorAt(image, 79, 50), kBlue);
    EXPECT_EQ(ColorAt(image, 80, 50), kWhite);
    EXPECT_EQ(CountOf(image, kBlue), 60 * 60);
    rectangle->Selected = true;
    image = Render();
    EXPECT_EQ(ColorAt(image, 20, 50), kRed);
    EXPECT_EQ(ColorAt(image, 50, 50), kBlue);
}

TEST_F(MapRendererTest, FarAwayEndsDrawTheVisiblePart) {
    AddLine(-1e12, 50, 1e12, 50, kBlue, 3);
    const QImage image = Render();
    EXPECT_EQ(ColorAt(image, 5, 50), kBlue);
    EXPECT_EQ(ColorAt(image, 195, 50), kBlue);
    EXPECT_EQ(ColorAt(image, 100, 40), kWhite);
}

// With a 200-unit view the automatic grid lies every 50 units: columns 50, 100 and 150.
TEST_F(MapRendererTest, GridLinesAtTheSpacingUnderOrOverTheShapes) {
    constexpr TColor kGrid = 0x00C000;
    model.GridVisible = true;
    model.GridColor = kGrid;
    const int fill = model.AddRectangle(90, 0, 110, 100, 0);
    model.SetShapeBrushStyle(fill, bsSolid);
    model.SetShapeFillColor(fill, kBlue);
    model.SetShapeLineWidth(fill, 0);
    auto gridRows = [](const QImage& image, int column) {
        int rows = 0;
        // Rows 0 and 50 hold horizontal lines.
        for (int y = 1; y < 46; ++y) rows += ColorAt(image, column, y) == kGrid;
        return rows;
    };
    QImage image = Render();
    EXPECT_GT(gridRows(image, 50), 15);
    EXPECT_LT(gridRows(image, 50), 40);  // dotted
    EXPECT_EQ(gridRows(image, 49) + gridRows(image, 51), 0);
    EXPECT_EQ(gridRows(image, 100), 0);
    model.GridOnTop = 1;
    EXPECT_GT(gridRows(Render(), 100), 15);
    model.GridOnTop = 2;
    image = Render();
    EXPECT_EQ(gridRows(image, 50) + gridRows(image, 150), 0);
}

// One point per 3-pixel cell of the lattice.
TEST_F(MapRendererTest, DenseTrackPointsMergeUntilZoomedIn) {
    for (int i = 0; i < 10000; ++i) model.AddPoint(50 + i * 0.01, 50, 0);
    EXPECT_EQ(DrawnShapes(model), 34);
    // Ten pixels apart: every point on the screen is drawn, 50.0 to 50.19.
    model.SetView(50, 50.05, 50.2, 49.95);
    EXPECT_GE(DrawnShapes(model), 20);
    EXPECT_EQ(CountOf(Render(), kBlack), 20 * 4);
}

// The merge test measures both axes with the x scale; the point itself is drawn with each
// axis's own scale, also when the view does not have the client's shape.
TEST_F(MapRendererTest, PointsLandOnTheirPixelWhateverTheViewShape) {
    const int id = model.AddPoint(100.5, 30.5, 0);
    model.SetShapeColor(id, kBlue);
    const struct {
        const char* legend;
        double top;
        int px, py;
    } cases[] = {{"square pixels", 100, 100, 69}, {"pixels twice as high as wide", 50, 100, 39}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        model.SetView(0, c.top, 200, 0);
        const QImage image = Render();
        EXPECT_EQ(ColorAt(image, c.px, c.py), kBlue);
        EXPECT_EQ(ColorAt(image, c.px + 1, c.py + 1), kBlue);
        EXPECT_EQ(CountOf(image, kBlue), 4);
    }
}

TEST_F(MapRendererTest, OneTextPerCellAndHiddenLayersSkipped) {
    model.AddText(0, "first", 10, 90, 0);
    model.AddText(0, "second", 20, 80, 0);
    model.AddText(0, "elsewhere", 150, 20, 0);
    const int hidden = model.AddLayer("hidden");
    model.AddLine(0, 0, 100, 100, hidden);
    model.SetLayerVisible(hidden, false);
    EXPECT_EQ(DrawnShapes(model), 2);
}

// The renderer culls by the store's box array; every way of moving or reordering shapes must
// keep it in step with the shapes.
TEST_F(MapRendererTest, ShapesMovedIntoViewAreDrawn) {
    const int far = AddLine(1000, 50, 1100, 50, kBlue);
    const int other = AddLine(1000, 60, 1100, 60, kBlue);
    AddLine(2000, 0, 2001, 0, kBlue);
    model.BringToFront(far);
    model.SendToBack(other);
    model.DeleteShape(3);
    model.MoveShape(far, -990, 0);
    model.FindShape(other)->Move(-990, 0);
    model.ShapeChanged(other);
    const QImage image = Render();
    EXPECT_EQ(ColorAt(image, 50, 50), kBlue);
    EXPECT_EQ(ColorAt(image, 50, 40), kBlue);
}

// A survey drawing: lines of track points with a depth label on every tenth, cross lines, thin
// rectangles, circles, polylines, a hidden layer and a few selected shapes. With `edits`, every
// seventh shape starts far east and is moved into place, and decoys laid between the shapes
// are deleted at the end. With `spacers`, an invisible shape as wide as the world comes before
// every hundredth shape, so that no block of the drawing ever lies off the view.
void BuildSurvey(TCanvasModel& model, bool edits, bool spacers) {
    const int track = model.AddLayer("track");
    const int marks = model.AddLayer("marks");
    const int hidden = model.AddLayer("hidden");
    const int decoys = model.AddLayer("decoys");
    model.SetLayerColor(track, kBlue);
    model.SetLayerColor(marks, kGrey64);
    model.SetLayerVisible(hidden, false);
    constexpr double kFarEast = 4096;  // moves there and back are exact
    std::vector<int> moved;
    for (int k = 0; k < 6000; ++k) {
        if (spacers && k % 100 == 0) {
            model.FindShape(model.AddRectangle(-1e6, -1e6, 1e6, 1e6, 0))->Visible = false;
        }
        if (edits && k % 50 == 0) model.AddPoint(k % 1000, 0, decoys);
        const double shift = edits && k % 7 == 0 ? kFarEast : 0;
        const double x = (k % 400) * 2.5 + shift, y = (k / 400) * 20.0;
        int id;
        if (k % 97 == 0) {
            id = model.AddLine(x, y, x + 50, y + 50, hidden);
        } else if (k % 89 == 0) {
            id = model.AddPolyline({{x, y}, {x + 30, y + 15}, {x + 60, y}}, marks, false);
        } else if (k % 71 == 0) {
            id = model.AddCircle(x, y, 8, marks);
        } else if (k % 53 == 0) {
            id = model.AddRectangle(x, y, x + 200, y + 0.5, marks);
        } else if (k % 37 == 0) {
            id = model.AddLine(x, y, x + 500, y + 40, marks);
        } else if (k % 10 == 0) {
            id = model.AddText(marks, QString::number(k), x, y, 0);
        } else {
            id = model.AddPoint(x, y, track);
        }
        if (k % 61 == 0) model.SelectShape(id, true);
        if (shift != 0) moved.push_back(id);
    }
    for (const int id : moved) model.MoveShape(id, -kFarEast, 0);
    model.DeleteLayerShapes(decoys);
}

// Passing over the blocks off the view changes nothing in the picture: the same survey, once
// edited into place and once built with a shape in every block that reaches every view.
TEST(MapRendererBlocks, FramesEqualThoseDrawnWithoutBlockCulling) {
    TCanvasModel culled, unculled;
    BuildSurvey(culled, true, false);
    BuildSurvey(unculled, false, true);
    const struct {
        const char* legend;
        double left, bottom, width;
        bool empty;
    } views[] = {
        {"the whole survey, points merged", -50, -50, 1700, false},
        {"survey scale", 500, 100, 100, false},
        {"across the west edge", -40, 150, 100, false},
        {"one survey line from near", 300, 35, 25, false},
        {"off the survey", 5000, 5000, 100, true},
    };
    for (const auto& v : views) {
        SCOPED_TRACE(v.legend);
        for (TCanvasModel* model : {&culled, &unculled}) {
            model->ResizeClient(400, 250);
            model->SetView(v.left, v.bottom + v.width / 1.6, v.left + v.width, v.bottom);
        }
        const QImage picture = Rendered(culled, false);
        EXPECT_EQ(CountOf(picture, kWhite) == 400 * 250, v.empty);
        EXPECT_TRUE(picture == Rendered(unculled, false));
        EXPECT_EQ(DrawnShapes(culled), DrawnShapes(unculled));
    }
}

TEST(CullBox, RoundsOutward) {
    TQPoint point(0, 4000000.1, -0.1);
    const TCullBox box = CullBoxOf(point);
    EXPECT_LE(box.MinX, point.MinX);
    EXPECT_GE(box.MaxX, point.MaxX);
    EXPECT_LE(box.MinY, point.MinY);
    EXPECT_GE(box.MaxY, point.MaxY);
    point.MaxX = 1e300;
    point.MinX = -1e300;
    EXPECT_TRUE(CullBoxOf(point).MayOverlap(1e299, 2e299, -1, 1));
}

TEST_F(MapRendererTest, ScaleBarHalves) {
    model.ResizeClient(400, 300);
    model.SetView(0, 600, 800, 0);  // 2 units per pixel: a 100-pixel bar of 200 m
    const QImage image = Render(true);
    const int x0 = 400 - 100 - 20;
    EXPECT_EQ(ColorAt(image, x0 + 10, 300 - 39), kBlack);
    EXPECT_EQ(ColorAt(image, x0 + 90, 300 - 39), kWhite);
    EXPECT_EQ(ColorAt(image, x0 + 99, 300 - 43), kBlack);  // outline
    EXPECT_EQ(ColorAt(image, x0 + 100, 300 - 39), kWhite);
}

TEST_F(MapRendererTest, RubberBandInvertsWhatLiesBelow) {
    model.ToolActive = model.PointPending = true;
    model.DrawMode = 3;
    model.AnchorX = 10, model.AnchorY = 50;
    model.RubberX = 190, model.RubberY = 50;
    EXPECT_EQ(ColorAt(Render(true), 100, 50), kBlack);
    model.PointPending = false;
    EXPECT_EQ(ColorAt(Render(true), 100, 50), kWhite);
}

}  // namespace
