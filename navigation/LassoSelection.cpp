#include "navigation/LassoSelection.h"

#include "canvas/MapLayerNames.h"
#include "canvas/ShapeStore.h"

namespace {

// The vertices of the last polyline on the lasso layer; none when there is no such polyline.
std::vector<TWorldPoint> LassoPolygon(const TShapeStore& map, int lassoLayer) {
    std::vector<TWorldPoint> polygon;
    const std::vector<int> ids = map.GetLayerShapeIds(lassoLayer);
    for (auto id = ids.rbegin(); id != ids.rend() && polygon.empty(); ++id) {
        for (int i = 0; i < map.GetVertexCount(*id); ++i) {
            polygon.push_back({map.GetVertexX(*id, i), map.GetVertexY(*id, i)});
        }
    }
    return polygon;
}

std::vector<int> ExistingTrackLayers(const TShapeStore& map) {
    std::vector<int> layers;
    for (const char* name : kTrackLayerNames) {
        const int id = map.FindLayerByName(name);
        if (id != -1) layers.push_back(id);
    }
    return layers;
}

}  // namespace

int SelectWithLasso(TShapeStore& map, TLassoKind kind) {
    std::vector<TWorldPoint> polygon;
    const int lassoLayer = map.FindLayerByName(kLassoLayerName);
    if (lassoLayer != -1) {
        polygon = LassoPolygon(map, lassoLayer);
        map.DeleteLayerShapes(lassoLayer);
    }
    if (kind == TLassoKind::Tracks) {
        map.SelectInPolygonOnLayers(polygon, ExistingTrackLayers(map));
    } else {
        map.SelectInPolygon(polygon);
    }
    return map.GetSelectedCount();
}
