#include "navigation/MapImport.h"

#include "canvas/MapLayerNames.h"
#include "canvas/ShapeStore.h"
#include "platform/FileNames.h"
#include "platform/NumberFormat.h"

#include <optional>

namespace {

constexpr int kXyzPointRadius = 1;
constexpr int kXyzPointWidth = 1;
constexpr int kCentred = 1;
constexpr int kLabelDecimals = 2;
constexpr int kDefaultFont = 0;

bool Projected(const TKMLCoordinate& c) { return c.x != 0 || c.y != 0; }

std::optional<std::filesystem::file_time_type> ModificationTime(const std::string& path) {
    std::error_code error;
    const auto time = std::filesystem::last_write_time(path, error);
    if (error) return std::nullopt;
    return time;
}

}  // namespace

std::map<std::string, std::filesystem::file_time_type> LastXyzImportTimes;

TKmlImport KmlImportOf(const TKMLReader& reader) {
    TKmlImport import{reader.GetProjectedPoints(), reader.GetProjectedLines(), {}};
    for (const TKMLPlacemark& placemark : reader.Placemarks()) {
        if (placemark.name.empty()) continue;
        const QString name = QString::fromStdString(placemark.name);
        for (const TKMLGeometry& geometry : placemark.geometries) {
            const TKMLCoordinate& first = geometry.coordinates.front();
            if (Projected(first)) import.labels.push_back({name, { first.x, first.y }});
        }
    }
    return import;
}

int ReplaceImportLayer(TShapeStore& map, const QString& name) {
    int layer = map.FindLayerByName(name);
    if (layer == -1) {
        layer = map.AddLayer(name);
    } else {
        map.DeleteLayerShapes(layer);
    }
    map.SetLayerTag(layer, kUserShapeTag);
    return layer;
}

void AddKmlImport(TShapeStore& map, int layer, const TKmlImport& import) {
    map.ReserveShapes(map.Shapes().size() + import.points.size() + import.lines.size() +
                      import.labels.size());
    for (const TKMLGridPoint& point : import.points) map.AddPoint(point.x, point.y, layer);
    std::vector<TWorldPoint> vertices;
    for (const auto& line : import.lines) {
        vertices.clear();
        for (const TKMLGridPoint& point : line) vertices.push_back({point.x, point.y});
        map.AddPolyline(vertices, layer, false);
    }
    for (const TKmlImport::TLabel& label : import.labels) {
        map.AddText(layer, label.text, label.at.x, label.at.y, kDefaultFont);
    }
}

void AddXyzImport(TShapeStore& map, int layer, std::span<const TXyzPoint> points) {
    map.ReserveShapes(map.Shapes().size() + 2 * points.size());
    for (const TXyzPoint& point : points) {
        const int id = map.AddPoint(point.x, point.y, layer);
        map.SetPointRadius(id, kXyzPointRadius);
        map.SetShapeLineWidth(id, kXyzPointWidth);
        const int label =
            map.AddText(layer, QString::fromStdString(FormatFixed(point.z, kLabelDecimals)),
                        point.x, point.y, kDefaultFont);
        map.SetTextHAlign(label, kCentred);
        map.SetTextVAlign(label, kCentred);
    }
}

QString ImportLayerName(const std::string& path) {
    const std::string name = ExtractFileBaseName(path);
    for (const char* kept : kProgramLayerNames) {
        if (name == kept) return QString::fromStdString(name + " (import)");
    }
    return QString::fromStdString(name);
}

void NoteXyzImport(const std::string& path) {
    if (const auto time = ModificationTime(path)) LastXyzImportTimes[path] = *time;
}

bool XyzImportUnchanged(const TShapeStore& map, const QString& layer, const std::string& path) {
    const int id = map.FindLayerByName(layer);
    if (id == -1 || map.GetLayerShapeIds(id).empty()) return false;
    const auto noted = LastXyzImportTimes.find(path);
    return noted != LastXyzImportTimes.end() && ModificationTime(path) == noted->second;
}
