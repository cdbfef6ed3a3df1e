#pragma once
// Text interface of the datum transformation, the form in which the main window passes the
// settings window's texts straight through.
//
// Texts hold numbers separated by white space ("." as decimal point); angles are degrees,
// Helmert rotations arc-seconds, scale parts per million, lengths metres. Every required number
// must be a whole, finite number. The failure result is the text "0" (ErrorCodeString(0)),
// never an exception and never a NaN; callers test how many numbers come back.
//
// DatumParameterString, 18 numbers: a1 f1 ppm1 rx1 ry1 rz1 tx1 ty1 tz1 a2 f2 ppm2 rx2 ry2 rz2
// tx2 ty2 tz2, where a is the semi-major axis, f the flattening itself (not its inverse) and
// each set of seven describes the way from its local datum into WGS 84 (see
// DatumTransformation.h). Helmert text, 10 numbers: X Y Z ppm rx ry rz tx ty tz.

#include <string>
#include <string_view>

// point: latitude, longitude and height; parameters: a DatumParameterString. Kind "XYZ"
// (exactly) gives the transformed Cartesian X, Y and Z, any other kind ("BLH") latitude,
// longitude and height on ellipsoid 2, each tab-separated as by ECEFToGeodetic. "0" when
// point does not start with three numbers, parameters with 18, a latitude lies beyond +-90
// degrees, an ellipsoid is unusable (a <= 0, f outside [0, 1)) or a scale is not positive.
std::string TransformDatum(std::string_view kind, std::string_view point,
                           std::string_view parameters);

// Degrees, degrees, metres on the ellipsoid (a in metres, f the flattening) to X, Y and Z,
// tab-separated in general format. "0" for an unusable ellipsoid or latitude.
std::string GeodeticToECEF(double latitude, double longitude, double height, double a, double f);

// Direction "WGS" applies the Helmert text's transformation forward, any other direction
// ("Local") backward, exactly. Returns X, Y and Z tab-separated in general format, or "0" when
// text does not start with ten numbers or the scale 1 + ppm 1e-6 is not positive.
std::string Helmert7(std::string_view direction, std::string_view text);

// X, Y, Z in metres to latitude and longitude in degrees with 8 decimals and the height with 2,
// tab-separated. On the polar axis the latitude is +-90 and the height |Z| - b. "0" for an
// unusable ellipsoid, a non-finite point, or one deep inside the earth with no latitude.
std::string ECEFToGeodetic(double x, double y, double z, double a, double f);

// Unit "r" or "R": degrees to radians; "d" or "D": radians to degrees; any other unit gives 0.
double ConvertAngle(double value, std::string_view unit);

// The code as a decimal integer; the library's failure result is ErrorCodeString(0).
std::string ErrorCodeString(int code);
