#pragma once
// Text interface of the Transverse Mercator projection and of the two combined conversions
// between geodetic and local grid coordinates (text conventions in DatumText.h).
//
// TMParameterString, 5 numbers: central meridian (degrees), reference latitude (degrees),
// scale factor on the central meridian, false easting and false northing (m).
// EllipsoidString, 4 numbers: two ellipsoids as semi-major axis and flattening. The forward
// direction projects on the second pair, the inverse on the first, so callers pass WGS 84
// first and the local ellipsoid second forwards, and the local ellipsoid first backwards.
// Grid and geodetic texts are two numbers separated by a blank, in general format.
//
// Every text must hold its full count of numbers; a short or unreadable text, an unusable
// ellipsoid (a <= 0, f outside [0, 1)), a scale factor <= 0 or a latitude beyond +-90 degrees
// gives "0". The parameters parsed last are kept per thread, so a caller that passes the same
// texts point after point pays for reading them once.

#include <string>
#include <string_view>

// Latitude and longitude in degrees to "easting northing".
std::string TMForward(std::string_view latLon, std::string_view tmParameters,
                      std::string_view ellipsoids);

// "easting northing" to latitude and longitude in degrees, the longitude within [-180, 180].
std::string TMInverse(std::string_view eastingNorthing, std::string_view tmParameters,
                      std::string_view ellipsoids);

// Latitude and longitude in the source datum of the DatumParameterString (height taken as 0)
// to local grid easting and northing: the datum transformation, its latitude and longitude
// rounded to 8 decimals as TransformDatum writes them, then TMForward.
std::string GeodeticToGrid(std::string_view latLon, std::string_view datumParameters,
                           std::string_view tmParameters, std::string_view ellipsoids);

// Grid easting and northing to latitude and longitude in the target datum of the
// DatumParameterString (callers pass the local set first): TMInverse, then the datum
// transformation, the result rounded to 8 decimals of a degree.
std::string GridToGeodetic(std::string_view eastingNorthing, std::string_view datumParameters,
                           std::string_view tmParameters, std::string_view ellipsoids);

// Kind "GrdConv": grid convergence in degrees (negative east of the central meridian in the
// northern hemisphere); "PtScFac": point scale factor; any other kind (compared exactly): 0.
// a in metres, f the flattening, lat, lon and cm in degrees, k0 the central scale factor;
// rl, fe and fn are not used. 0 as well for an unusable ellipsoid, k0 <= 0 or a latitude beyond
// +-90 degrees.
double TMPointFactor(std::string_view kind, double a, double f, double lat, double lon, double cm,
                     double rl, double k0, double fe, double fn);
