#include "canvas/QShapeArc.h"
#include "canvas/QShapeCircle.h"
#include "canvas/QShapeEllipse.h"
#include "canvas/QShapeLine.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapePolyline.h"
#include "canvas/QShapeRectangle.h"
#include "canvas/QShapeText.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using TShapeFactory = std::function<std::unique_ptr<TQShape>()>;

std::unique_ptr<TQShape> Polyline(std::initializer_list<TWorldPoint> points, bool closed) {
    auto shape = std::make_unique<TQPolyline>(0, closed ? stPolygon : stPolyline, closed);
    for (const TWorldPoint& p : points) shape->AddVertex(p.X, p.Y);
    return shape;
}

TEST(QShapeHitTest, TableAcrossTheKinds) {
    const TShapeFactory point = [] { return std::make_unique<TQPoint>(0, 10, 10); };
    const TShapeFactory line = [] { return std::make_unique<TQLine>(0, 0, 0, 10, 0); };
    const TShapeFactory circle = [] { return std::make_unique<TQCircle>(0, 0, 0, 100); };
    const TShapeFactory rectangle = [] {
        return std::make_unique<TQRectangle>(0, 10, 10, 0, 0, 0.0, 0);
    };
    const TShapeFactory ellipse = [] { return std::make_unique<TQEllipse>(0, -10, -5, 10, 5); };
    const TShapeFactory flatEllipse = [] { return std::make_unique<TQEllipse>(0, -10, 0, 10, 0); };
    const TShapeFactory text = [] { return std::make_unique<TQText>(0, 0, 0, "ABCDE", 0); };
    const TShapeFactory square = [] {
        return Polyline({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);
    };
    const TShapeFactory arc = [] { return std::make_unique<TQArc>(0, 0, 0, 5, 5, 10, 0); };
    struct {
        const char* legend;
        TShapeFactory make;
        double x, y, tolerance;
        bool hit;
    } cases[] = {
        {"point, on the tolerance circle", point, 13, 10, 3, true},
        {"point, just outside", point, 13.01, 10, 3, false},
        {"line, beside the middle", line, 5, 2, 2, true},
        {"line, beyond its end", line, 12.5, 0, 2, false},
        {"line, diagonal off its end", line, 11.5, 1.5, 2, false},
        {"circle, near the circumference", circle, 0, 101, 2, true},
        {"circle, inside far from the outline", circle, 0, 0, 2, false},
        {"rectangle, deep inside", rectangle, 5, 5, 0.1, true},
        {"rectangle, grown by the tolerance", rectangle, 11, -1, 1, true},
        {"rectangle, beyond the tolerance", rectangle, 11.5, 5, 1, false},
        {"ellipse, on the outline", ellipse, 10, 0, 0.5, true},
        {"ellipse, at its centre", ellipse, 0, 0, 0.5, false},
        {"ellipse without height", flatEllipse, 0, 0, 100, false},
        {"text, over its characters", text, 5, 0, 1, true},
        {"text, past its characters", text, 6.5, 0, 1, false},
        {"text, below its line", text, 1, -3.5, 1, false},
        {"polygon, on an edge", square, 10, 5, 0.5, true},
        {"polygon, on the closing edge", square, 0, 5, 0.5, false},
        {"polygon, inside", square, 5, 5, 0.5, false},
        {"arc, inside its box", arc, 5, 1, 0, true},
        {"arc, outside its box", arc, 5, 6, 0.5, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(c.make()->HitTest(c.x, c.y, c.tolerance), c.hit);
    }
}

TEST(QShapeHitTest, PolylineSkipsRepeatedVerticesAndNeedsTwo) {
    EXPECT_TRUE(Polyline({{0, 0}, {0, 0}, {10, 0}}, false)->HitTest(5, 0, 0.1));
    EXPECT_FALSE(Polyline({{0, 0}}, false)->HitTest(0, 0, 1));
}

struct TBoxCase {
    const char* legend;
    TShapeFactory make;
    double minX, minY, maxX, maxY;
};

TEST(QShapeBounds, PerKind) {
    const TBoxCase cases[] = {
        {"point is its radius around it", [] { return std::make_unique<TQPoint>(0, 1, 2); }, -2, -1,
         4, 5},
        {"line in any direction", [] { return std::make_unique<TQLine>(0, 5, 1, -5, 3); }, -5, 1, 5,
         3},
        {"circle", [] { return std::make_unique<TQCircle>(0, 1, 1, 2); }, -1, -1, 3, 3},
        {"rectangle corners in any order",
         [] { return std::make_unique<TQRectangle>(0, 4, 0, 0, 3, 0.0, 0); }, 0, 0, 4, 3},
        {"text grows with its length and size",
         [] { return std::make_unique<TQText>(0, 0, 0, "ab", 0); }, -10, -10, 22, 10},
        {"polyline",
         [] {
             return Polyline({{1, 5}, {-2, 0}, {3, 1}}, false);
         },
         -2, 0, 3, 5},
        {"arc", [] { return std::make_unique<TQArc>(0, 0, 0, 5, 5, 10, -1); }, 0, -1, 10, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        const auto shape = c.make();
        EXPECT_DOUBLE_EQ(shape->MinX, c.minX);
        EXPECT_DOUBLE_EQ(shape->MinY, c.minY);
        EXPECT_DOUBLE_EQ(shape->MaxX, c.maxX);
        EXPECT_DOUBLE_EQ(shape->MaxY, c.maxY);
    }
}

TEST(QShapeTransform, MoveScaleAndRotateUpdateTheBounds) {
    TQLine line(0, 0, 0, 10, 0);
    line.Move(5, 5);
    EXPECT_DOUBLE_EQ(line.MinX, 5);
    EXPECT_DOUBLE_EQ(line.MaxY, 5);
    line.Scale(2, 1, 5, 5);
    EXPECT_DOUBLE_EQ(line.X2, 25);
    line.Rotate(90, 5, 5);
    EXPECT_NEAR(line.X2, 5, 1e-12);
    EXPECT_NEAR(line.Y2, 25, 1e-12);
    EXPECT_NEAR(line.MaxY, 25, 1e-12);
}

TEST(QShapeTransform, CircleRadiusFollowsTheMeanAbsoluteFactor) {
    TQCircle circle(0, 0, 0, 1);
    circle.Scale(2, 4, 0, 0);
    EXPECT_DOUBLE_EQ(circle.R, 3);
    // Mirroring used to give (-1 + 1) / 2 = 0: a vanished circle.
    TQCircle mirrored(0, 5, 0, 2);
    mirrored.Scale(-1, 1, 0, 0);
    EXPECT_DOUBLE_EQ(mirrored.R, 2);
    EXPECT_DOUBLE_EQ(mirrored.CX, -5);
    EXPECT_DOUBLE_EQ(mirrored.MinX, -7);
}

TEST(QShapeTransform, AxisAlignedKindsIgnoreRotationAndTextsTurn) {
    TQRectangle rectangle(0, 0, 0, 4, 2, 0.0, 0);
    rectangle.Rotate(30, 0, 0);
    EXPECT_EQ(rectangle.X2, 4);
    EXPECT_EQ(rectangle.Y2, 2);
    TQEllipse ellipse(0, 0, 0, 4, 2);
    ellipse.Rotate(30, 0, 0);
    EXPECT_EQ(ellipse.X2, 4);
    TQText text(0, 3, 4, "x", 0);
    text.Rotate(30, 0, 0);
    EXPECT_EQ(text.X, 3);
    EXPECT_EQ(text.Y, 4);
    EXPECT_EQ(text.Angle, 30);
    text.Scale(2, 2, 0, 0);
    EXPECT_EQ(text.X, 6);
    EXPECT_EQ(text.Size, 10);
}

// Single precision would put a vertex at a northing of 9e6 up to 0.5 m off.
TEST(QShapePolyline, VerticesKeepFullPrecisionAndTheBounds) {
    TQPolyline polyline(0, stPolyline, false);
    polyline.AddVertex(500000.123456789, 9000000.987654321);
    EXPECT_EQ(polyline.VertexX(0), 500000.123456789);
    EXPECT_EQ(polyline.VertexY(0), 9000000.987654321);
    polyline.Move(0.001, -0.002);
    EXPECT_EQ(polyline.VertexX(0), 500000.123456789 + 0.001);
    EXPECT_EQ(polyline.MaxY, 9000000.987654321 - 0.002);
    polyline.SetVertex(0, 500000.123456789, 9000000.987654321);
    polyline.AddVertex(0, 0);
    polyline.InsertVertex(1, -10, 50);
    EXPECT_EQ(polyline.VertexCount(), 3);
    EXPECT_EQ(polyline.MinX, -10);
    polyline.DeleteVertex(1);
    EXPECT_EQ(polyline.MinX, 0);
    polyline.SetVertex(1, 1, 1);
    EXPECT_EQ(polyline.MinY, 1);
    polyline.SetVertex(7, -99, -99);
    polyline.InsertVertex(-1, -99, -99);
    polyline.DeleteVertex(2);
    EXPECT_EQ(polyline.VertexCount(), 2);
    EXPECT_EQ(polyline.VertexX(5), 0);
}

TEST(QShapeText, PointSizeIsClamped) {
    struct {
        double size;
        int points;
    } cases[] = {{0, 10}, {-1, 10}, {3.7, 4}, {5.9, 5}, {71.9, 71}, {100, 72}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        EXPECT_EQ(TextPointSize(c.size), c.points);
    }
}

}  // namespace
