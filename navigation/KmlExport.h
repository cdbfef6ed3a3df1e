#pragma once
// What the map shows, as the KML document of the export: every point, text, line and polyline
// in drawing order (none from the vessel and grid layers, no polyline under two vertices, no
// circle, rectangle or ellipse), then the depth labels in stored order, then the vessel when it
// has a grid position.
//
// Points and lines share one running number (Point_N, Track_N); a text is named by its text and
// leaves the number alone. A track's style follows its layer: "#trackFix", "#trackFloat",
// "#trackNofix" for the three track layers, "#trackOther" for any other. A depth is named with
// two decimals after rounding to five significant digits, plus "m".
//
// Every coordinate must convert: one that does not ends the export, since a document with some
// placemarks missing or misplaced would be trusted as the map. The sink has then taken part of
// the document, which the caller throws away.

#include "navigation/KmlDocument.h"

#include <cstddef>
#include <functional>
#include <string_view>

class TCanvasModel;

// Grid easting and northing (m) to WGS 84; false when the conversion fails.
using TGridToLonLat = std::function<bool(double easting, double northing, TLonLat& at)>;

struct TKmlExport {
    bool converted = false;  // every coordinate converted
    bool written = false;    // and the sink took the whole document
    int tracks = 0;          // the running number after the last shape
    std::size_t soundings = 0;
};

TKmlExport BuildKmlExport(const TCanvasModel& map, double vesselEasting, double vesselNorthing,
                          std::string_view documentName, const TGridToLonLat& convert,
                          TKmlSink sink);
