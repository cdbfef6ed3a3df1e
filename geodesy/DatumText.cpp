#include "geodesy/DatumText.h"

#include "geodesy/Angles.h"
#include "geodesy/DatumTransformation.h"
#include "geodesy/GeodesyText.h"

#include <array>

namespace {

constexpr int kAngleDecimals = 8;
constexpr int kHeightDecimals = 2;

std::string CartesianText(const TCartesian& point) {
    std::string text;
    GeodesyText::AppendGeneral(text, point.X);
    text += '\t';
    GeodesyText::AppendGeneral(text, point.Y);
    text += '\t';
    GeodesyText::AppendGeneral(text, point.Z);
    return text;
}

std::string GeodeticText(const TGeodetic& point) {
    std::string text;
    GeodesyText::AppendFixed(text, Angles::RadToDeg(point.LatitudeRad), kAngleDecimals);
    text += '\t';
    GeodesyText::AppendFixed(text, Angles::RadToDeg(point.LongitudeRad), kAngleDecimals);
    text += '\t';
    GeodesyText::AppendFixed(text, point.HeightM, kHeightDecimals);
    return text;
}

bool IsFinite(const TCartesian& point) {
    return std::isfinite(point.X) && std::isfinite(point.Y) && std::isfinite(point.Z);
}

}  // namespace

std::string TransformDatum(std::string_view kind, std::string_view point,
                           std::string_view parameters) {
    std::array<double, 3> blh{};
    std::array<double, TDatumTransformation::kParameterCount> set{};
    if (!GeodesyText::ReadNumbers(point, blh) || !GeodesyText::ReadNumbers(parameters, set)) {
        return ErrorCodeString(0);
    }
    const TDatumTransformation transformation(set);
    TCartesian cartesian;
    if (!transformation.IsValid() ||
        !transformation.ToCartesian(blh[0], blh[1], blh[2], cartesian) || !IsFinite(cartesian)) {
        return ErrorCodeString(0);
    }
    if (kind == "XYZ") return CartesianText(cartesian);
    TGeodetic geodetic;
    if (!CartesianToGeodetic(transformation.Target(), cartesian, geodetic)) {
        return ErrorCodeString(0);
    }
    return GeodeticText(geodetic);
}

std::string GeodeticToECEF(double latitude, double longitude, double height, double a, double f) {
    const TEllipsoid ellipsoid(a, f);
    if (!ellipsoid.IsValid() || !(std::fabs(latitude) <= Angles::kQuarterTurnDeg)) {
        return ErrorCodeString(0);
    }
    const TCartesian point = GeodeticToCartesian(ellipsoid, Angles::DegToRad(latitude),
                                                 Angles::DegToRad(longitude), height);
    return IsFinite(point) ? CartesianText(point) : ErrorCodeString(0);
}

std::string Helmert7(std::string_view direction, std::string_view text) {
    std::array<double, 10> n{};
    if (!GeodesyText::ReadNumbers(text, n)) return ErrorCodeString(0);
    const THelmert helmert(n[3], n[4], n[5], n[6], n[7], n[8], n[9]);
    if (!helmert.IsValid()) return ErrorCodeString(0);
    const TCartesian point{n[0], n[1], n[2]};
    const TCartesian result = direction == "WGS" ? helmert.Forward(point) : helmert.Backward(point);
    return IsFinite(result) ? CartesianText(result) : ErrorCodeString(0);
}

std::string ECEFToGeodetic(double x, double y, double z, double a, double f) {
    const TEllipsoid ellipsoid(a, f);
    TGeodetic point;
    if (!ellipsoid.IsValid() || !CartesianToGeodetic(ellipsoid, {x, y, z}, point)) {
        return ErrorCodeString(0);
    }
    return GeodeticText(point);
}

double ConvertAngle(double value, std::string_view unit) {
    if (unit == "r" || unit == "R") return Angles::DegToRad(value);
    if (unit == "d" || unit == "D") return Angles::RadToDeg(value);
    return 0;
}

std::string ErrorCodeString(int code) { return std::to_string(code); }
