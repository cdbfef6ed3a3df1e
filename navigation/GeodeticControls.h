#pragma once
// The settings window's geodetic edits and projection choice, as the map timer, the KML export
// and the map import read them. Both need the settings window (FGPS).

#include "navigation/MapProjector.h"

#include <string>

// The edits' texts as they stand.
TGeodeticTexts GeodeticTexts();
// Transverse Mercator unless cbUseLCCProjection is ticked; then Lambert with one standard
// parallel when cLambert1 is checked, else with two.
TProjectionKind ProjectionKind();

// What stops a KML export or import with the settings as they stand: the Lambert refusal, the
// datum message given (also without a settings window), or "" when nothing does.
std::string KmlGeodesyRefusal(const std::string& datumMessage);
