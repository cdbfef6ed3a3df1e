#include "geodesy/DatumTransformation.h"

#include "geodesy/Angles.h"

TDatumTransformation::TDatumTransformation(std::span<const double, kParameterCount> p)
    : source_(p[0], p[1]),
      toWgs84_(p[2], p[3], p[4], p[5], p[6], p[7], p[8]),
      target_(p[9], p[10]),
      fromWgs84_(p[11], p[12], p[13], p[14], p[15], p[16], p[17]) {}

bool TDatumTransformation::IsValid() const {
    return source_.IsValid() && toWgs84_.IsValid() && target_.IsValid() && fromWgs84_.IsValid();
}

bool TDatumTransformation::ToCartesian(double latitudeDeg, double longitudeDeg, double heightM,
                                       TCartesian& out) const {
    if (!(std::fabs(latitudeDeg) <= Angles::kQuarterTurnDeg) || !std::isfinite(longitudeDeg) ||
        !std::isfinite(heightM)) {
        return false;
    }
    const TCartesian source = GeodeticToCartesian(source_, Angles::DegToRad(latitudeDeg),
                                                  Angles::DegToRad(longitudeDeg), heightM);
    out = fromWgs84_.Backward(toWgs84_.Forward(source));
    return true;
}

bool TDatumTransformation::ToGeodetic(double latitudeDeg, double longitudeDeg, double heightM,
                                      TGeodetic& out) const {
    TCartesian cartesian;
    return ToCartesian(latitudeDeg, longitudeDeg, heightM, cartesian) &&
           CartesianToGeodetic(target_, cartesian, out);
}
