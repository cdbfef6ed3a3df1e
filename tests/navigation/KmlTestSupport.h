#pragma once
// What the KML, KMZ and XYZ tests share: the geodesy tests' ED50 set with a 3-degree
// Transverse Mercator zone around a chosen meridian, as texts, in the settings window and as
// PROJ's pipeline; Python's zipfile; and a snapshot of the map for refusals that must leave it
// as it was.

#include "navigation/MapProjector.h"
#include "tests/support/PeerProcess.h"

#include <string>

class TCanvasModel;
class TFGPS;

// ED50 on the international ellipsoid with a Turkish-style seven-parameter set (local to WGS 84,
// coordinate frame), and a zone at that central meridian (degrees) with false easting 500000.
TGeodeticTexts Ed50Texts(const std::string& centralMeridian);
void SetEd50Settings(TFGPS& settings, const std::string& centralMeridian);
// PROJ's way from WGS 84 longitude and latitude (radians) to that grid.
std::string Ed50GridPipeline(const std::string& centralMeridian);

// tests/navigation/zip_peer.py with Debian's python3.
TPeerRun RunZipPeer(const QStringList& arguments);

// Layers (id, name, tag, visibility), shapes (id, layer, kind, bounds) and the view, one line
// each.
std::string MapSnapshot(const TCanvasModel& map);

// Real third-party KML file of that name, or "" when the folder is absent.
std::string RealKml(const std::string& name);
