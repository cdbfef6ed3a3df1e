#include "geodesy/TMText.h"

#include "geodesy/Angles.h"
#include "geodesy/DatumText.h"
#include "geodesy/DatumTransformation.h"
#include "geodesy/GeodesyText.h"
#include "geodesy/TransverseMercator.h"

#include <array>
#include <optional>

namespace {

constexpr int kAngleDecimals = 8;  // as TransformDatum writes latitude and longitude

// The value derived from the texts seen last, rebuilt only when one of them changes.
template <class T, size_t Keys>
class TLastParsed {
public:
    template <class Parse>
    const T* Get(const std::array<std::string_view, Keys>& texts, Parse parse) {
        bool same = filled_;
        for (size_t i = 0; same && i < Keys; ++i) same = texts[i] == texts_[i];
        if (!same) {
            for (size_t i = 0; i < Keys; ++i) texts_[i].assign(texts[i]);
            value_ = parse();
            filled_ = true;
        }
        return value_ ? &*value_ : nullptr;
    }

private:
    std::array<std::string, Keys> texts_;
    std::optional<T> value_;
    bool filled_ = false;
};

enum class TEllipsoidPair { First, Second };

// The projection of a TMParameterString on one of the two ellipsoids of an EllipsoidString.
const TTransverseMercator* Projection(std::string_view tmParameters, std::string_view ellipsoids,
                                      TEllipsoidPair pair) {
    thread_local TLastParsed<TTransverseMercator, 2> forward, inverse;
    auto& cache = pair == TEllipsoidPair::First ? inverse : forward;
    return cache.Get({tmParameters, ellipsoids}, [&]() -> std::optional<TTransverseMercator> {
        std::array<double, 5> tm{};
        std::array<double, 4> af{};
        if (!GeodesyText::ReadNumbers(tmParameters, tm) ||
            !GeodesyText::ReadNumbers(ellipsoids, af)) {
            return std::nullopt;
        }
        const size_t at = pair == TEllipsoidPair::First ? 0 : 2;
        const TTransverseMercator projection(TEllipsoid(af[at], af[at + 1]), tm[0], tm[1], tm[2],
                                             tm[3], tm[4]);
        if (!projection.IsValid()) return std::nullopt;
        return projection;
    });
}

const TDatumTransformation* Datum(std::string_view datumParameters) {
    thread_local TLastParsed<TDatumTransformation, 1> cache;
    return cache.Get({datumParameters}, [&]() -> std::optional<TDatumTransformation> {
        std::array<double, TDatumTransformation::kParameterCount> set{};
        if (!GeodesyText::ReadNumbers(datumParameters, set)) return std::nullopt;
        const TDatumTransformation datum(set);
        if (!datum.IsValid()) return std::nullopt;
        return datum;
    });
}

// Reads two numbers, lets `convert` turn them into two others in place and writes those; the
// failure result when reading or converting fails.
template <class Convert>
std::string ConvertPair(std::string_view text, Convert convert) {
    std::array<double, 2> pair{};
    if (!GeodesyText::ReadNumbers(text, pair) || !convert(pair[0], pair[1])) {
        return ErrorCodeString(0);
    }
    std::string out;
    out.reserve(48);  // two numbers of up to 22 characters: one allocation
    GeodesyText::AppendGeneral(out, pair[0]);
    out += ' ';
    GeodesyText::AppendGeneral(out, pair[1]);
    return out;
}

// The datum transformation at height 0, as TransformDatum writes latitude and longitude.
bool TransformLatLon(const TDatumTransformation& datum, double& latitude, double& longitude) {
    TGeodetic geodetic;
    if (!datum.ToGeodetic(latitude, longitude, 0, geodetic)) return false;
    latitude = GeodesyText::RoundToDecimals(Angles::RadToDeg(geodetic.LatitudeRad), kAngleDecimals);
    longitude =
        GeodesyText::RoundToDecimals(Angles::RadToDeg(geodetic.LongitudeRad), kAngleDecimals);
    return true;
}

}  // namespace

std::string TMForward(std::string_view latLon, std::string_view tmParameters,
                      std::string_view ellipsoids) {
    const auto* projection = Projection(tmParameters, ellipsoids, TEllipsoidPair::Second);
    return ConvertPair(latLon, [&](double& latitude, double& longitude) {
        return projection && projection->Forward(latitude, longitude, latitude, longitude);
    });
}

std::string TMInverse(std::string_view eastingNorthing, std::string_view tmParameters,
                      std::string_view ellipsoids) {
    const auto* projection = Projection(tmParameters, ellipsoids, TEllipsoidPair::First);
    return ConvertPair(eastingNorthing, [&](double& easting, double& northing) {
        return projection && projection->Inverse(easting, northing, easting, northing);
    });
}

std::string GeodeticToGrid(std::string_view latLon, std::string_view datumParameters,
                           std::string_view tmParameters, std::string_view ellipsoids) {
    const auto* datum = Datum(datumParameters);
    const auto* projection = Projection(tmParameters, ellipsoids, TEllipsoidPair::Second);
    return ConvertPair(latLon, [&](double& latitude, double& longitude) {
        return datum && projection && TransformLatLon(*datum, latitude, longitude) &&
               projection->Forward(latitude, longitude, latitude, longitude);
    });
}

std::string GridToGeodetic(std::string_view eastingNorthing, std::string_view datumParameters,
                           std::string_view tmParameters, std::string_view ellipsoids) {
    const auto* datum = Datum(datumParameters);
    const auto* projection = Projection(tmParameters, ellipsoids, TEllipsoidPair::First);
    return ConvertPair(eastingNorthing, [&](double& easting, double& northing) {
        return datum && projection && projection->Inverse(easting, northing, easting, northing) &&
               TransformLatLon(*datum, easting, northing);
    });
}

double TMPointFactor(std::string_view kind, double a, double f, double lat, double lon, double cm,
                     double /*rl*/, double k0, double /*fe*/, double /*fn*/) {
    const bool convergence = kind == "GrdConv";
    if (!convergence && kind != "PtScFac") return 0;
    const TTransverseMercator projection(TEllipsoid(a, f), cm, 0, k0, 0, 0);
    if (!projection.IsValid() || !(std::fabs(lat) <= Angles::kQuarterTurnDeg) ||
        !std::isfinite(lon))
        return 0;
    const double factor = convergence ? projection.GridConvergenceDeg(lat, lon)
                                      : projection.PointScaleFactor(lat, lon);
    return std::isfinite(factor) ? factor : 0;
}
