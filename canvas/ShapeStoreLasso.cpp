// Selection by a polygon drawn on the map (the lasso), and reading back the last route or
// lasso polygon.
#include "canvas/QShapeArc.h"
#include "canvas/QShapeCircle.h"
#include "canvas/QShapeEllipse.h"
#include "canvas/QShapeLine.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapePolyline.h"
#include "canvas/QShapeRectangle.h"
#include "canvas/QShapeText.h"
#include "canvas/ShapeStore.h"

#include <algorithm>
#include <optional>

namespace {

// A selection polygon with its vertical extent. A point below the lowest or at or above the
// highest vertex is outside without a look at the edges: every edge then has both ends on one
// side of it, so none crosses. The answer is PointInPolygon's in every case.
class TLasso {
public:
    explicit TLasso(std::span<const TWorldPoint> polygon) : polygon_(polygon) {
        const auto [low, high] = std::minmax_element(
            polygon.begin(), polygon.end(), [](TWorldPoint a, TWorldPoint b) { return a.Y < b.Y; });
        minY_ = low->Y;
        maxY_ = high->Y;
    }

    bool Contains(double x, double y) const {
        return y >= minY_ && y < maxY_ && PointInPolygon(x, y, polygon_);
    }

private:
    std::span<const TWorldPoint> polygon_;
    double minY_, maxY_;
};

bool AnyVertexInside(const TQPolyline& polyline, const TLasso& lasso) {
    return std::any_of(polyline.Vertices.begin(), polyline.Vertices.end(),
                       [&lasso](TWorldPoint v) { return lasso.Contains(v.X, v.Y); });
}

// Points, lines and polylines have the same test points under both selections; none for the
// other kinds.
std::optional<bool> VertexTest(const TQShape& shape, const TLasso& lasso) {
    if (const auto* point = dynamic_cast<const TQPoint*>(&shape)) {
        return lasso.Contains(point->X, point->Y);
    }
    if (const auto* line = dynamic_cast<const TQLine*>(&shape)) {
        return lasso.Contains(line->X1, line->Y1) || lasso.Contains(line->X2, line->Y2);
    }
    if (const auto* polyline = dynamic_cast<const TQPolyline*>(&shape)) {
        return AnyVertexInside(*polyline, lasso);
    }
    return std::nullopt;
}

bool CornerCentreInside(const TQCornerShape& shape, const TLasso& lasso) {
    return lasso.Contains((shape.X1 + shape.X2) / 2, (shape.Y1 + shape.Y2) / 2);
}

bool TestPointInside(const TQShape& shape, const TLasso& lasso) {
    if (const std::optional<bool> inside = VertexTest(shape, lasso)) return *inside;
    if (const auto* r = dynamic_cast<const TQRectangle*>(&shape)) {
        return lasso.Contains(r->X1, r->Y1) || lasso.Contains(r->X2, r->Y2) ||
               lasso.Contains(r->X1, r->Y2) || lasso.Contains(r->X2, r->Y1) ||
               CornerCentreInside(*r, lasso);
    }
    if (const auto* circle = dynamic_cast<const TQCircle*>(&shape)) {
        return lasso.Contains(circle->CX, circle->CY);
    }
    if (const auto* ellipse = dynamic_cast<const TQEllipse*>(&shape)) {
        return CornerCentreInside(*ellipse, lasso);
    }
    if (const auto* text = dynamic_cast<const TQText*>(&shape)) {
        return lasso.Contains(text->X, text->Y);
    }
    if (const auto* arc = dynamic_cast<const TQArc*>(&shape)) {
        return lasso.Contains(arc->X1, arc->Y1) || lasso.Contains(arc->X3, arc->Y3) ||
               lasso.Contains(arc->X2, arc->Y2);
    }
    return false;
}

bool LayerTestPointInside(const TQShape& shape, const TLasso& lasso) {
    if (const std::optional<bool> inside = VertexTest(shape, lasso)) return *inside;
    return lasso.Contains((shape.MinX + shape.MaxX) / 2, (shape.MinY + shape.MaxY) / 2);
}

constexpr size_t kMinPolygonVertices = 3;

}  // namespace

void TShapeStore::SelectInPolygon(std::span<const TWorldPoint> polygon) {
    ClearSelectionWithoutDirty();
    // A refused polygon repaints too, so no shape stays red after its selection was cleared.
    if (polygon.size() >= kMinPolygonVertices) {
        const TLasso lasso(polygon);
        const int lassoLayer = FindLayerByName(kLassoLayerName);
        SelectWhere([&lasso, lassoLayer](const TQShape& shape) {
            return !(lassoLayer >= 0 && shape.LayerId == lassoLayer) &&
                   TestPointInside(shape, lasso);
        });
    }
    Redraw();
}

void TShapeStore::SelectInPolygonOnLayers(std::span<const TWorldPoint> polygon,
                                          const std::vector<int>& layers) {
    ClearSelectionWithoutDirty();
    if (polygon.size() >= kMinPolygonVertices) {
        const TLasso lasso(polygon);
        SelectWhere([&lasso, &layers](const TQShape& shape) {
            return std::find(layers.begin(), layers.end(), shape.LayerId) != layers.end() &&
                   LayerTestPointInside(shape, lasso);
        });
    }
    Redraw();
}

std::vector<TWorldPoint> TShapeStore::GetRoutePolyline() const {
    const int route = FindLayerByName(kRouteLayerName);
    const int lasso = FindLayerByName(kLassoLayerName);
    const auto onRouteLayer = [route, lasso](int layer) {
        if (route < 0 && lasso < 0) return true;
        return (route >= 0 && layer == route) || (lasso >= 0 && layer == lasso);
    };
    for (auto it = shapes_.rbegin(); it != shapes_.rend(); ++it) {
        const auto* polyline = dynamic_cast<const TQPolyline*>(it->get());
        if (!polyline || polyline->VertexCount() < 2 || !onRouteLayer(polyline->LayerId)) continue;
        std::vector<TWorldPoint> points;
        for (const TWorldPoint& v : polyline->Vertices) points.push_back({v.X, v.Y});
        return points;
    }
    return {};
}
