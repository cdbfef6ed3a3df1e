#pragma once
// The datum and projection of a real-time run as the settings file holds them (section
// GEODETIC_PARAMETERS, the keys of the settings window's geodetic tab). The start of real time
// stores the window's fields there first, then logs this section and loads the run's
// projection from it, so the geodesy log, the settings file and the records always agree.

#include "navigation/MapProjector.h"

class TIniFile;

struct TStoredGeodesy {
    // Lambert when "cbUseLCCProjection" is set (one standard parallel with "cLambert1"), else
    // Transverse Mercator; a missing switch reads as not set.
    TProjectionKind kind = TProjectionKind::TransverseMercator;
    TGeodeticTexts texts;  // the stored texts as they stand, empty when missing
};

TStoredGeodesy ReadStoredGeodesy(const TIniFile& ini);
