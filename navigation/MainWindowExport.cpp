// File > Export: the map as KML or KMZ in WGS 84 for other programs, or as a DXF drawing in
// grid coordinates.
//
// Nothing is written unless every coordinate converted; the file is replaced whole (a
// temporary file renamed over it), so a failed export leaves the old file, and no other file
// beside it is touched.

#include "canvas/OrvaltCanvas.h"
#include "navigation/GeodeticControls.h"
#include "navigation/KmlExport.h"
#include "navigation/KmzArchive.h"
#include "navigation/NavigationState.h"
#include "navigation/Wgs84Conversions.h"
#include "navigation/unavigation.h"
#include "platform/AtomicFile.h"
#include "platform/Dialogs.h"
#include "platform/EventLog.h"
#include "platform/FileNames.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

const QString kExportFilter =
    "Google Earth KML (*.kml);;Google Earth KMZ (*.kmz);;AutoCAD R12 DXF (*.dxf);;All Files (*)";
// The extensions a name typed without one gets under the first three filters.
const char* const kFilterExtensions[] = {".kml", ".kmz", ".dxf"};
const char kDatumMessage[] =
    "Please configure datum parameters in GPS Settings before exporting to KML/KMZ.";

void Log(const std::string& text) { AppendEventLog(text, EventLogFilePath()); }

void Show(const std::string& text) { ShowMessage(QString::fromStdString(text)); }

// A name without an extension gets the one of the chosen filter; "All Files" adds none.
void AddFilterExtension(std::string& path, std::string& extension, const QString& filter) {
    if (!extension.empty()) return;
    const int index = kExportFilter.split(";;").indexOf(filter);
    if (index < 0 || index >= static_cast<int>(std::size(kFilterExtensions))) return;
    extension = kFilterExtensions[index];
    path += extension;
}

// A KML document goes to the file as it is built; a KMZ archive is built in memory first.
class TExportFile {
public:
    explicit TExportFile(const std::string& path)
        : archived_(LowerCaseFileExt(path) == ".kmz"), file_(path) {}
    TKmlSink Sink() {
        if (archived_) {
            return [this](std::string_view bytes) {
                document_ += bytes;
                return true;
            };
        }
        return [this](std::string_view bytes) { return file_.Write(bytes); };
    }
    // Writes the archive, if any, and puts the file in place; false with the reason.
    bool Commit(std::string& reason) {
        std::string archive;
        const bool written =
            (!archived_ || (BuildKmzArchive(document_, archive, reason) && file_.Write(archive))) &&
            file_.Commit();
        if (!written && reason.empty()) reason = file_.Error();
        return written;
    }
    const std::string& Error() const { return file_.Error(); }

private:
    bool archived_;
    TAtomicFile file_;
    std::string document_;
};

void OpenFolderOf(const std::string& path) {
    const std::string folder = ExtractFilePath(path);
    if (!folder.empty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder)));
}

}  // namespace

void TFNav::Export1Click() {
    QString filter;
    const QString chosen = SaveFileName({"Dialog Save", kExportFilter, {}, {}, true}, &filter);
    if (chosen.isEmpty()) return;
    std::string path = chosen.toStdString();
    std::string extension = LowerCaseFileExt(path);
    AddFilterExtension(path, extension, filter);
    if (extension == ".dxf") return ExportDxf(path);
    if (extension == ".kml" || extension == ".kmz") ExportKml(path);
}

void TFNav::ExportKml(const std::string& path) {
    const std::string refusal = KmlGeodesyRefusal(kDatumMessage);
    if (!refusal.empty()) return Show(refusal);
    const TGeodesyParameterTexts texts = LocalFirstParameterTexts(GeodeticTexts());
    TExportFile file(path);
    const TKmlExport kml = BuildKmlExport(
        *fcad, CurrentEasting, CurrentNorthing, ExtractFileName(path),
        [&texts](double easting, double northing, TLonLat& at) {
            return GridToWgs84(texts, easting, northing, at.latitude, at.longitude);
        },
        file.Sink());
    if (!kml.converted) return Show(kDatumMessage);
    std::string reason;
    if (!kml.written || !file.Commit(reason)) {
        if (reason.empty()) reason = file.Error();
        return Show("KML/KMZ export failed: " + path + " (" + reason + ")");
    }
    const std::string message = "Exported: " + std::to_string(kml.tracks) + " tracks, " +
                                std::to_string(kml.soundings) + " depth points";
    Log(message + " to " + path);
    Show(message);
    OpenFolderOf(path);
}

// A DXF drawing is in grid coordinates and needs no geodetic parameters.
void TFNav::ExportDxf(const std::string& path) {
    std::string reason;
    if (!fcad->ExportDXF(QString::fromStdString(path), &reason)) {
        return Show("DXF export failed: " + path + " (" + reason + ")");
    }
    Log("Exported DXF: " + path);
}
