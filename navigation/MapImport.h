#pragma once
// What a KML, KMZ or XYZ import puts on the map, without windows. The file is read and
// converted completely first; only then does its layer (named after the file, tag 15) lose
// the shapes of an earlier import and take the new ones, so a failed re-import leaves the
// earlier one on the map.

#include "navigation/KmlReader.h"
#include "navigation/XyzPointReader.h"

#include <QString>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <vector>

class TShapeStore;

// The shapes of a read KML document, projected: the points, open polylines (polygons by their
// first ring) and one label per named geometry at its first coordinate, all without the
// positions that did not project.
struct TKmlImport {
    struct TLabel {
        QString text;
        TKMLGridPoint at;
    };
    std::vector<TKMLGridPoint> points;
    std::vector<std::vector<TKMLGridPoint>> lines;
    std::vector<TLabel> labels;

    // Nothing projected: the import would add nothing.
    bool Empty() const { return points.empty() && lines.empty() && labels.empty(); }
};

TKmlImport KmlImportOf(const TKMLReader& reader);

// The layer of a file's import: its name without folder and extension, with " (import)" added
// when that is the name of a layer the program keeps itself, so that "track_fix.kml" leaves the
// surveyed track alone.
QString ImportLayerName(const std::string& path);

// XYZ files by full path (compared exactly), with the modification time they had when they were
// last imported; kept for the program's run.
extern std::map<std::string, std::filesystem::file_time_type> LastXyzImportTimes;
// Notes the file's modification time for its path.
void NoteXyzImport(const std::string& path);
// The file has not changed since its last import and its layer still shows it. After New the
// layer is there but empty, and the file is imported again.
bool XyzImportUnchanged(const TShapeStore& map, const QString& layer, const std::string& path);

// Finds or creates the layer, empties it and tags it as user shapes (15); returns its id.
int ReplaceImportLayer(TShapeStore& map, const QString& name);

// Points first, then lines, then labels.
void AddKmlImport(TShapeStore& map, int layer, const TKmlImport& import);
// Each point with radius 1 and width 1, then its z with two decimals as a centred label.
void AddXyzImport(TShapeStore& map, int layer, std::span<const TXyzPoint> points);
