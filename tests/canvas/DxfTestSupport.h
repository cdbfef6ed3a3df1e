#pragma once
// Helpers of the DXF tests: DXF texts written compactly, imports from a fresh file, shapes
// described with rounded coordinates, and the peers (ezdxf, GDAL) run as child processes.

#include "canvas/PlaneGeometry.h"
#include "tests/support/PeerProcess.h"

#include <QJsonDocument>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

class TCanvasModel;
class TQShape;

// A DXF text from groups separated by "/": "0/SECTION/2/ENTITIES" gives the four lines
// "0", "SECTION", "2", "ENTITIES", each followed by LF.
std::string DxfGroups(std::string_view groups);
// A file of one ENTITIES section holding these groups (written as for DxfGroups).
std::string DxfEntitiesFile(std::string_view groups);

struct TDxfImportResult {
    bool added = false;
    std::string reason;
    std::string path;
};
// Writes the bytes to a fresh file of that name and imports it.
TDxfImportResult ImportDxfBytes(TCanvasModel& model, const std::string& bytes,
                                const std::string& name = "drawing.dxf");

// One line per shape: kind, pen and geometry with coordinates rounded to four decimals, so that
// computed vertices (arcs, ellipses, turned blocks) read briefly. A polyline of more than six
// vertices shows its count, its first, middle and last vertex.
std::string DxfShapes(const TCanvasModel& model);
std::string DxfShape(const TQShape& shape);
// The points of a shape as a DXF file gives them: line ends, a point, a text's anchor, a
// circle's centre, a polyline's vertices.
std::vector<TWorldPoint> DxfShapePoints(const TQShape& shape);

// Runs tests/canvas/dxf_peer.py with Debian's python3, which has ezdxf.
TPeerRun RunEzdxf(const QStringList& arguments);
// Parses a peer's JSON output; a test fails when it is not JSON.
QJsonDocument PeerJson(const TPeerRun& run);
