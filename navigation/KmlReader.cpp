#include "navigation/KmlReader.h"

#include "navigation/KmlMarkup.h"
#include "navigation/KmzArchive.h"
#include "platform/FileBytes.h"
#include "platform/FileNames.h"
#include "platform/NumberFormat.h"
#include "platform/Paths.h"

#include <filesystem>

namespace {

constexpr const char* kTooLarge = "KML document larger than 256 MiB";

struct TGeometryTag {
    std::string_view element;
    std::int32_t kind;
};
// The passes over a placemark, in this order.
constexpr TGeometryTag kGeometryTags[] = {
    {"Point", kgPoint}, {"LineString", kgLineString}, {"Polygon", kgPolygon}};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The text of the first element of that name in the body, decoded; "" when there is none.
std::string ElementText(std::string_view body, std::string_view name) {
    const auto element = FindKmlElement(body, 0, name);
    if (!element) return {};
    return DecodeKmlText(
        body.substr(element->contentBegin, element->contentEnd - element->contentBegin));
}

// "lon,lat[,alt]": false when it has no "," or its longitude or latitude is not a number. An
// altitude that is not a number reads as 0.
bool ReadTuple(std::string_view tuple, TKMLCoordinate& coordinate) {
    const std::size_t first = tuple.find(',');
    if (first == std::string_view::npos) return false;
    const std::string_view rest = tuple.substr(first + 1);
    const std::size_t second = rest.find(',');
    coordinate = {};
    if (!TryStrToFloat(tuple.substr(0, first), coordinate.lon) ||
        !TryStrToFloat(rest.substr(0, second), coordinate.lat)) {
        return false;
    }
    if (second != std::string_view::npos) {
        coordinate.alt = StrToFloatDef(rest.substr(second + 1), 0);
    }
    return true;
}

}  // namespace

// A plain document is parsed where the file was read into, an archive's where its entry was
// inflated into: a document of tens of megabytes is not copied on its way.
struct TKMLReader::TDocument {
    TFileBytes file;
    std::string inflated, converted;
    std::string_view text;
};

bool TKMLReader::Load(const std::string& path) {
    placemarks_.clear();
    LastError.clear();
    TDocument document;
    return ReadDocument(path, document) && ParsePlacemarks(document.text);
}

bool TKMLReader::ReadDocument(const std::string& path, TDocument& document) {
    if (!FileExists(path)) {
        LastError = "File not found: " + path;
        return false;
    }
    const bool kmz = LowerCaseFileExt(path) == ".kmz";
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!kmz && !error && size > kMaxKmlDocumentBytes) {
        LastError = kTooLarge;
        return false;
    }
    std::string reason;
    if (!document.file.Read(path, reason)) {
        LastError = "Failed to read file: " + path;
        return false;
    }
    const std::string_view bytes = document.file.Bytes();
    if (kmz && IsZipArchive(bytes)) return ExtractKMZ(document);
    if (bytes.size() > kMaxKmlDocumentBytes) {
        LastError = kTooLarge;
        return false;
    }
    document.text = KmlTextOf(bytes, document.converted);
    return true;
}

bool TKMLReader::ExtractKMZ(TDocument& document) {
    const TKmzRead read = ReadKmzDocument(document.file.Bytes(), document.inflated);
    document.file.Release();
    switch (read) {
        case TKmzRead::Read:
            document.text = KmlTextOf(document.inflated, document.converted);
            return true;
        case TKmzRead::NoDocument:
            LastError = "No KML file found in KMZ archive";
            break;
        case TKmzRead::Unreadable:
            LastError = "Failed to read extracted KML file";
            break;
        case TKmzRead::TooLarge:
            LastError = kTooLarge;
            break;
    }
    return false;
}

bool TKMLReader::ParsePlacemarks(std::string_view text) {
    placemarks_.clear();
    LastError.clear();
    projectedWith_ = ProjectCallback;
    projectedContext_ = ProjectContext;
    if (text.empty()) {
        LastError = "Empty KML content";
        return false;
    }
    for (std::size_t at = 0;;) {
        const auto element = FindKmlElement(text, at, "Placemark");
        if (!element) break;
        at = element->end;
        const std::string_view body =
            text.substr(element->contentBegin, element->contentEnd - element->contentBegin);
        TKMLPlacemark placemark;
        ParseGeometry(body, placemark);
        if (placemark.geometries.empty()) continue;
        placemark.name = ElementText(body, "name");
        placemark.description = ElementText(body, "description");
        placemarks_.push_back(std::move(placemark));
    }
    if (placemarks_.empty()) LastError = "No placemark with coordinates found";
    return !placemarks_.empty();
}

// Only the first coordinates of each element count: a polygon's outer ring comes first.
void TKMLReader::ParseGeometry(std::string_view body, TKMLPlacemark& placemark) {
    for (const auto& [tag, kind] : kGeometryTags) {
        for (std::size_t at = 0;;) {
            const auto element = FindKmlElement(body, at, tag);
            if (!element) break;
            at = element->end;
            const std::string_view content =
                body.substr(element->contentBegin, element->contentEnd - element->contentBegin);
            const auto coordinates = FindKmlElement(content, 0, "coordinates");
            if (!coordinates) continue;
            TKMLGeometry geometry{kind, ParseCoordinates(content.substr(
                                            coordinates->contentBegin,
                                            coordinates->contentEnd - coordinates->contentBegin))};
            if (!geometry.coordinates.empty()) placemark.geometries.push_back(std::move(geometry));
        }
    }
}

std::vector<TKMLCoordinate> TKMLReader::ParseCoordinates(std::string_view text) const {
    std::vector<TKMLCoordinate> coordinates;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && IsBlank(text[at])) ++at;
        std::size_t end = at;
        while (end < text.size() && !IsBlank(text[end])) ++end;
        TKMLCoordinate coordinate;
        if (end > at && ReadTuple(text.substr(at, end - at), coordinate) &&
            (coordinate.lon != 0 || coordinate.lat != 0)) {
            Project(coordinate);
            coordinates.push_back(coordinate);
        }
        at = end;
    }
    return coordinates;
}

void TKMLReader::Project(TKMLCoordinate& c) const {
    if (ProjectCallback) ProjectCallback(ProjectContext, c.lat, c.lon, c.x, c.y);
}

void TKMLReader::ProjectAll() {
    if (!ProjectCallback ||
        (ProjectCallback == projectedWith_ && ProjectContext == projectedContext_)) {
        return;
    }
    for (TKMLPlacemark& placemark : placemarks_) {
        for (TKMLGeometry& geometry : placemark.geometries) {
            for (TKMLCoordinate& coordinate : geometry.coordinates) {
                coordinate.x = coordinate.y = 0;
                Project(coordinate);
            }
        }
    }
    projectedWith_ = ProjectCallback;
    projectedContext_ = ProjectContext;
}

std::vector<TKMLCoordinate> TKMLReader::GetPoints() const {
    std::vector<TKMLCoordinate> points;
    for (const TKMLPlacemark& placemark : placemarks_) {
        for (const TKMLGeometry& geometry : placemark.geometries) {
            if (geometry.kind != kgPoint) continue;
            points.insert(points.end(), geometry.coordinates.begin(), geometry.coordinates.end());
        }
    }
    return points;
}

std::vector<std::vector<TKMLCoordinate>> TKMLReader::GetLines() const {
    std::vector<std::vector<TKMLCoordinate>> lines;
    for (const TKMLPlacemark& placemark : placemarks_) {
        for (const TKMLGeometry& geometry : placemark.geometries) {
            if (geometry.kind != kgPoint && geometry.coordinates.size() >= 2) {
                lines.push_back(geometry.coordinates);
            }
        }
    }
    return lines;
}

std::vector<TKMLGridPoint> TKMLReader::GetProjectedPoints() const {
    std::vector<TKMLGridPoint> points;
    for (const TKMLCoordinate& c : GetPoints()) {
        if (c.x != 0 || c.y != 0) points.push_back({c.x, c.y});
    }
    return points;
}

std::vector<std::vector<TKMLGridPoint>> TKMLReader::GetProjectedLines() const {
    std::vector<std::vector<TKMLGridPoint>> lines;
    for (const auto& line : GetLines()) {
        std::vector<TKMLGridPoint> projected;
        for (const TKMLCoordinate& c : line) {
            if (c.x != 0 || c.y != 0) projected.push_back({c.x, c.y});
        }
        if (projected.size() >= 2) lines.push_back(std::move(projected));
    }
    return lines;
}
