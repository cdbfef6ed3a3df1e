#pragma once
// A small reader of KML and KMZ files for the map import: the placemarks with their names,
// descriptions and point, line and polygon geometries (a polygon by its outer ring), found by
// position in the text, not by an XML parser. It reads what our export writes, the Windows
// program's files, and what other programs write (GDAL, Google Earth, OGC samples): opening tags
// may carry attributes and the "kml:" prefix, and names may hold entities and CDATA.
//
// A ".kmz" is read in memory (KmzArchive.h); one that is no ZIP archive is read as KML text, as
// the Windows program wrote it. A document larger than 256 MiB is refused.
//
// Each coordinate is projected once, as it is read, through the callback set before Load; a
// tuple at longitude 0 and latitude 0, or whose longitude or latitude is not a number, is
// dropped. A coordinate the callback cannot convert keeps x = y = 0.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TKMLCoordinate {
    double lat = 0, lon = 0, alt = 0;  // degrees, degrees, metres
    double x = 0, y = 0;               // grid metres from the projection; 0 until then
};

enum TKMLGeometryKind : std::int32_t { kgPoint = 0, kgLineString = 1, kgPolygon = 2 };

struct TKMLGeometry {
    std::int32_t kind = kgPoint;
    std::vector<TKMLCoordinate> coordinates;  // never empty once stored
};

struct TKMLPlacemark {
    std::string name, description;         // UTF-8, decoded and trimmed; "" when absent
    std::vector<TKMLGeometry> geometries;  // points first, then lines, then polygons
};

struct TKMLGridPoint {
    double x = 0, y = 0;
};

// The projection handed to the reader: WGS 84 latitude and longitude (degrees) to grid x and y
// (m); false when it cannot convert.
using TKMLProjectCallback = bool (*)(void* context, double lat, double lon, double& x, double& y);

class TKMLReader {
public:
    std::string LastError;  // why the last Load or ParsePlacemarks failed; "" after a success
    TKMLProjectCallback ProjectCallback = nullptr;
    void* ProjectContext = nullptr;

    // True when at least one placemark with a geometry was found; else LastError says why:
    // "File not found: " + path, "No KML file found in KMZ archive", "Failed to read extracted
    // KML file", "KML document larger than 256 MiB", "Empty KML content", "No placemark with
    // coordinates found", or "Failed to read file: " + path.
    bool Load(const std::string& path);
    // The same for a document's text (UTF-8).
    bool ParsePlacemarks(std::string_view text);
    // Projects every coordinate with the callback, unless they were projected with it already.
    void ProjectAll();

    // Every coordinate of every Point geometry, placemark by placemark.
    std::vector<TKMLCoordinate> GetPoints() const;
    // The coordinates of every LineString and Polygon geometry with two coordinates or more.
    std::vector<std::vector<TKMLCoordinate>> GetLines() const;
    // The same two selections as grid positions, keeping only those whose x or y is not 0, and
    // lines only while two positions or more remain.
    std::vector<TKMLGridPoint> GetProjectedPoints() const;
    std::vector<std::vector<TKMLGridPoint>> GetProjectedLines() const;

    const std::vector<TKMLPlacemark>& Placemarks() const { return placemarks_; }

private:
    struct TDocument;  // the bytes read and the text they hold
    bool ReadDocument(const std::string& path, TDocument& document);
    bool ExtractKMZ(TDocument& document);
    void ParseGeometry(std::string_view body, TKMLPlacemark& placemark);
    std::vector<TKMLCoordinate> ParseCoordinates(std::string_view text) const;
    void Project(TKMLCoordinate& coordinate) const;

    std::vector<TKMLPlacemark> placemarks_;
    // The callback and context the coordinates were last projected with.
    TKMLProjectCallback projectedWith_ = nullptr;
    void* projectedContext_ = nullptr;
};
