#include "navigation/Wgs84Conversions.h"

#include "geodesy/GeodesyText.h"
#include "geodesy/TMText.h"
#include "platform/NumberFormat.h"

#include <array>

namespace {

// Reads "first second" into the two outputs only when both are there.
bool TakePair(const std::string& result, double& first, double& second) {
    std::array<double, 2> pair{};
    if (!GeodesyText::ReadNumbers(result, pair)) return false;
    first = pair[0];
    second = pair[1];
    return true;
}

}  // namespace

bool GridToWgs84(const TGeodesyParameterTexts& localFirst, double easting, double northing,
                 double& latitude, double& longitude) {
    const std::string grid = FloatToStr(easting) + " " + FloatToStr(northing);
    return TakePair(GridToGeodetic(grid, localFirst.datum, localFirst.transverseMercator,
                                   localFirst.ellipsoids),
                    latitude, longitude);
}

bool Wgs84ToGridCallback(void* context, double latitude, double longitude, double& x, double& y) {
    const auto& texts = *static_cast<const TGeodesyParameterTexts*>(context);
    const std::string position = FloatToStr(latitude) + " " + FloatToStr(longitude);
    return TakePair(
        GeodeticToGrid(position, texts.datum, texts.transverseMercator, texts.ellipsoids), x, y);
}

TKmlGeodesy KmlGeodesyState(TProjectionKind kind, const TGeodeticTexts& t) {
    if (kind != TProjectionKind::TransverseMercator) return TKmlGeodesy::Lambert;
    const std::string* texts[] = {&t.semiMajorAxis,
                                  &t.flattening,
                                  &t.scalePpm,
                                  &t.rotationX,
                                  &t.rotationY,
                                  &t.rotationZ,
                                  &t.shiftX,
                                  &t.shiftY,
                                  &t.shiftZ,
                                  &t.tmCentralMeridian,
                                  &t.tmReferenceLatitude,
                                  &t.tmScaleFactor,
                                  &t.tmFalseEasting,
                                  &t.tmFalseNorthing};
    double value = 0;
    for (const std::string* text : texts) {
        if (!TryStrToFloat(*text, value)) return TKmlGeodesy::DatumMissing;
    }
    return TKmlGeodesy::Usable;
}
