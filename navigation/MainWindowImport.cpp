// File > Import: background data on the map, each file on a layer named after it. KML and KMZ
// placemarks come in projected from WGS 84 to the grid, XYZ files as labelled points, anything
// else goes to the DXF reader.
//
// Each file is read and converted before the map changes: a refusal (settings that cannot
// convert, a file that cannot be read or holds nothing to import) leaves the map and any
// earlier import of the same file as they were, and logs nothing.

#include "canvas/OrvaltCanvas.h"
#include "navigation/GeodeticControls.h"
#include "navigation/MapImport.h"
#include "navigation/Wgs84Conversions.h"
#include "navigation/unavigation.h"
#include "platform/Dialogs.h"
#include "platform/EventLog.h"
#include "platform/FileNames.h"

namespace {

const QString kImportFilter =
    "KML/KMZ Files (*.kml *.kmz);;XYZ Files (*.xyz *.txt *.csv);;AutoCAD 2018 DXF (*.dxf);;"
    "All Files (*)";
const char kDatumMessage[] =
    "Please configure datum parameters in GPS Settings before importing KML/KMZ files.";

void Log(const std::string& text) { AppendEventLog(text, EventLogFilePath()); }

void Show(const std::string& text) { ShowMessage(QString::fromStdString(text)); }

bool IsXyz(const std::string& extension) {
    return extension == ".xyz" || extension == ".txt" || extension == ".csv";
}

}  // namespace

void TFNav::Import1Click() {
    const QString chosen = OpenFileName({"Dialog Open", kImportFilter, {}, {}, false});
    if (!chosen.isEmpty()) {
        const std::string path = chosen.toStdString();
        const std::string extension = LowerCaseFileExt(path);
        if (extension == ".kml" || extension == ".kmz") {
            const std::string refusal = KmlGeodesyRefusal(kDatumMessage);
            if (!refusal.empty()) return Show(refusal);
            ImportKml(path);
        } else if (IsXyz(extension)) {
            ImportXyz(path);
        } else {
            ImportDxf(path);
        }
    }
    CreateStandardLayers(fcad);
}

void TFNav::ImportKml(const std::string& path) {
    TGeodesyParameterTexts texts = GeodesyParameterTexts(GeodeticTexts());
    TKMLReader reader;
    reader.ProjectCallback = Wgs84ToGridCallback;
    reader.ProjectContext = &texts;
    if (!reader.Load(path)) return Show("Failed to load KML/KMZ file: " + reader.LastError);
    reader.ProjectAll();
    const TKmlImport import = KmlImportOf(reader);
    if (import.Empty()) return Show(kDatumMessage);
    const QString layerName = ImportLayerName(path);
    AddKmlImport(*fcad, ReplaceImportLayer(*fcad, layerName), import);
    Log("Imported KML/KMZ: " + path + " to layer: " + layerName.toStdString());
    ShowProjectFolder(path);
    fcad->ZoomExtents();
}

void TFNav::ImportXyz(const std::string& path) {
    const QString layerName = ImportLayerName(path);
    if (XyzImportUnchanged(*fcad, layerName, path)) {
        return ShowMessage("File unchanged since last import. Skipping.");
    }
    std::vector<TXyzPoint> points;
    if (!ReadXyzPoints(path, points)) return Show("Failed to open XYZ file: " + path);
    if (points.empty()) return Show("No point found in XYZ file: " + path);
    NoteXyzImport(path);
    AddXyzImport(*fcad, ReplaceImportLayer(*fcad, layerName), points);
    Log("Imported XYZ: " + path + " (" + std::to_string(points.size()) +
        " points) to layer: " + layerName.toStdString());
    ShowProjectFolder(path);
    fcad->ZoomExtents();
}

// The DXF reader keeps the drawing on its own layer and shows its own refusals.
void TFNav::ImportDxf(const std::string& path) {
    if (!fcad->ImportDXF(QString::fromStdString(path))) return;
    ShowProjectFolder(path);
    Log("Imported DXF: " + path);
}
