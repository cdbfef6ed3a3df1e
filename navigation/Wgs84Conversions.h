#pragma once
// The main window's two conversions between local grid coordinates and WGS 84 latitude and
// longitude, for the KML export and the map import: the geodesy library's text interface with
// the settings window's parameter texts, always through the Transverse Mercator projection.
//
// Both return whether the library gave back two numbers; on false the outputs keep what they
// held. The library returns "0" for a text it cannot read or a point outside the projection's
// domain, so a caller that went on with that would place everything on the equator.

#include "navigation/MapProjector.h"

// Grid easting and northing (m) to WGS 84 latitude and longitude (degrees), with the texts of
// LocalFirstParameterTexts.
bool GridToWgs84(const TGeodesyParameterTexts& localFirst, double easting, double northing,
                 double& latitude, double& longitude);

// WGS 84 latitude and longitude (degrees) to grid easting x and northing y (m). The context is
// the TGeodesyParameterTexts of GeodesyParameterTexts (WGS 84 first); the shape fits the KML
// reader's projection callback.
bool Wgs84ToGridCallback(void* context, double latitude, double longitude, double& x, double& y);

// Whether KML can be exported or imported with these settings: the map must be in Transverse
// Mercator coordinates (a Lambert map's coordinates would be read as TM ones, kilometres off),
// and all fourteen texts of the datum and the projection (edSMA to edSZ, edCM to edFN) must
// read as finite numbers.
enum class TKmlGeodesy { Usable, Lambert, DatumMissing };
TKmlGeodesy KmlGeodesyState(TProjectionKind kind, const TGeodeticTexts& texts);
