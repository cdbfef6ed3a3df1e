#include "canvas/PlaneGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// The even-odd rule is half-open: a point on the lower or left boundary of a square lies
// inside, one on the upper or right boundary outside. Every row holds for both windings.
TEST(PointInPolygon, SquareAndTriangleInBothWindings) {
    const std::vector<TWorldPoint> square = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    const std::vector<TWorldPoint> triangle = {{0, 0}, {10, 5}, {0, 10}};
    struct TCase {
        const char* legend;
        const std::vector<TWorldPoint>* polygon;
        double x, y;
        bool inside;
    } cases[] = {
        {"square centre", &square, 5, 5, true},
        {"right of the square", &square, 15, 5, false},
        {"left of the square", &square, -1, 5, false},
        {"below the square", &square, 5, -1, false},
        {"on the bottom edge (horizontal, never crosses)", &square, 5, 0, true},
        {"on the top edge", &square, 5, 10, false},
        {"on the left edge", &square, 0, 5, true},
        {"on the right edge", &square, 10, 5, false},
        {"on the bottom-left vertex", &square, 0, 0, true},
        {"on the bottom-right vertex", &square, 10, 0, false},
        {"on the top-right vertex", &square, 10, 10, false},
        {"on the top-left vertex", &square, 0, 10, false},
        {"triangle inside", &triangle, 5, 5, true},
        {"ray through the apex from the left counts once", &triangle, -2, 5, false},
        {"beyond the apex", &triangle, 12, 5, false},
        {"on the apex", &triangle, 10, 5, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(PointInPolygon(c.x, c.y, *c.polygon), c.inside);
        std::vector<TWorldPoint> reversed(c.polygon->rbegin(), c.polygon->rend());
        EXPECT_EQ(PointInPolygon(c.x, c.y, reversed), c.inside) << "clockwise";
    }
}

TEST(PointInPolygon, TooFewVerticesHoldNothing) {
    EXPECT_FALSE(PointInPolygon(0, 0, std::vector<TWorldPoint>{}));
    EXPECT_FALSE(PointInPolygon(0, 0, std::vector<TWorldPoint>{{0, 0}}));
    EXPECT_FALSE(PointInPolygon(0.5, 0, std::vector<TWorldPoint>{{0, -1}, {1, 1}}));
}

}  // namespace
