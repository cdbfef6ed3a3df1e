#include "navigation/MapProjector.h"

#include "geodesy/Angles.h"
#include "geodesy/DatumText.h"
#include "geodesy/GeodesyText.h"
#include "geodesy/Lambert.h"
#include "geodesy/TMText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// WGS 84 with a zero Helmert set: the first half of the datum text, and the first ellipsoid.
const std::string kWgs84Datum = "6378137.0  0.0033528106647474  0.0  0.0  0.0  0.0  0.0  0.0  0.0";
const std::string kWgs84Ellipsoid = "6378137.0 0.0033528106647474";

std::string Joined(std::initializer_list<const std::string*> texts) {
    std::string joined;
    for (const std::string* text : texts) joined += (joined.empty() ? "" : " ") + *text;
    return joined;
}

std::string LocalDatum(const TGeodeticTexts& t) {
    return Joined({&t.semiMajorAxis, &t.flattening, &t.scalePpm, &t.rotationX, &t.rotationY,
                   &t.rotationZ, &t.shiftX, &t.shiftY, &t.shiftZ});
}

std::string LocalEllipsoid(const TGeodeticTexts& t) {
    return Joined({&t.semiMajorAxis, &t.flattening});
}

std::string TransverseMercatorText(const TGeodeticTexts& t) {
    return Joined({&t.tmCentralMeridian, &t.tmReferenceLatitude, &t.tmScaleFactor,
                   &t.tmFalseEasting, &t.tmFalseNorthing});
}

}  // namespace

TGeodesyParameterTexts GeodesyParameterTexts(const TGeodeticTexts& t) {
    return {kWgs84Datum + " " + LocalDatum(t), kWgs84Ellipsoid + " " + LocalEllipsoid(t),
            TransverseMercatorText(t)};
}

TGeodesyParameterTexts LocalFirstParameterTexts(const TGeodeticTexts& t) {
    return {LocalDatum(t) + " " + kWgs84Datum, LocalEllipsoid(t) + " " + kWgs84Ellipsoid,
            TransverseMercatorText(t)};
}

std::string TMapProjector::Load(TProjectionKind kind, const TGeodeticTexts& texts) {
    *this = TMapProjector();
    kind_ = kind;
    TDatum datum;
    TLambert degrees;  // the Lambert angles as typed, in degrees
    const std::vector<TField> fields = Fields(kind, texts, datum, degrees);
    TSettingNumberReader reader;
    bool read = true;
    for (const TField& field : fields)
        read &= reader.Read(field.caption, *field.text, *field.value);
    constexpr const char* kNotProjected = "; positions are not projected in this run";
    if (std::ranges::all_of(fields, [](const TField& f) { return f.text->empty(); })) {
        return std::string("Geodetic parameters are not set") + kNotProjected;
    }
    if (!read) return reader.TakeReport("Geodetic parameters", kNotProjected, kNotProjected);
    lambert_ = degrees;
    lambert_.parallel1 = Angles::DegToRad(degrees.parallel1);
    lambert_.parallel2 = Angles::DegToRad(degrees.parallel2);
    lambert_.originLatitude = Angles::DegToRad(degrees.originLatitude);
    lambert_.centralMeridian = Angles::DegToRad(degrees.centralMeridian);
    datum_ = datum;
    if (kind != TProjectionKind::TransverseMercator && SetLambertParameters() == 0) {
        datum_.reset();
        return std::string(
                   "Geodetic parameters: the Lambert conformal conic projection refuses "
                   "these parameters") +
               kNotProjected;
    }
    texts_ = GeodesyParameterTexts(texts);
    return {};
}

// The fields the kind uses, in the order they are told: the datum, then the projection's. One
// standard parallel uses the scale factor, two use the parallels instead.
std::vector<TMapProjector::TField> TMapProjector::Fields(TProjectionKind kind,
                                                         const TGeodeticTexts& t, TDatum& datum,
                                                         TLambert& lambert) {
    double* helmert = datum.helmert.data();
    std::vector<TField> fields = {{"Semi Major Axis", &t.semiMajorAxis, &datum.a},
                                  {"Flattening", &t.flattening, &datum.f},
                                  {"Scale Factor (ppm)", &t.scalePpm, &helmert[0]},
                                  {"X Rotation", &t.rotationX, &helmert[1]},
                                  {"Y Rotation", &t.rotationY, &helmert[2]},
                                  {"Z Rotation", &t.rotationZ, &helmert[3]},
                                  {"X Shift", &t.shiftX, &helmert[4]},
                                  {"Y Shift", &t.shiftY, &helmert[5]},
                                  {"Z Shift", &t.shiftZ, &helmert[6]}};
    TTransverseMercator& tm = transverseMercator_;
    if (kind == TProjectionKind::TransverseMercator) {
        fields.insert(fields.end(),
                      {{"TM Central Meridian", &t.tmCentralMeridian, &tm.centralMeridian},
                       {"TM Reference Latitude", &t.tmReferenceLatitude, &tm.referenceLatitude},
                       {"TM Scale Factor", &t.tmScaleFactor, &tm.scaleFactor},
                       {"TM False Easting", &t.tmFalseEasting, &tm.falseEasting},
                       {"TM False Northing", &t.tmFalseNorthing, &tm.falseNorthing}});
        return fields;
    }
    if (kind == TProjectionKind::Lambert2) {
        fields.insert(fields.end(),
                      {{"LCC Standard Parallel 1", &t.lccParallel1, &lambert.parallel1},
                       {"LCC Standard Parallel 2", &t.lccParallel2, &lambert.parallel2}});
    }
    fields.insert(fields.end(),
                  {{"LCC Central Parallel", &t.lccOriginLatitude, &lambert.originLatitude},
                   {"LCC Central Meridian", &t.lccCentralMeridian, &lambert.centralMeridian}});
    if (kind == TProjectionKind::Lambert1) {
        fields.push_back({"LCC Scale Factor", &t.lccScaleFactor, &lambert.scaleFactor});
    }
    fields.insert(fields.end(),
                  {{"LCC False Easting", &t.lccFalseEasting, &lambert.falseEasting},
                   {"LCC False Northing", &t.lccFalseNorthing, &lambert.falseNorthing}});
    return fields;
}

double TMapProjector::SetLambertParameters() const {
    const TLambert& l = lambert_;
    if (kind_ == TProjectionKind::Lambert1) {
        return Lcc1SPSetParameters(datum_->a, datum_->f, l.originLatitude, l.centralMeridian,
                                   l.falseEasting, l.falseNorthing, l.scaleFactor);
    }
    return Lcc2SPSetParameters(datum_->a, datum_->f, l.originLatitude, l.centralMeridian,
                               l.parallel1, l.parallel2, l.falseEasting, l.falseNorthing);
}

std::optional<TGridFix> TMapProjector::Project(double latitude, double longitude,
                                               double height) const {
    if (!datum_ || (latitude == 0 && longitude == 0)) return std::nullopt;
    if (kind_ == TProjectionKind::TransverseMercator) {
        return ProjectTransverseMercator(latitude, longitude);
    }
    return ProjectLambert(latitude, longitude, height);
}

std::optional<TGridFix> TMapProjector::ProjectTransverseMercator(double latitude,
                                                                 double longitude) const {
    const TTransverseMercator& tm = transverseMercator_;
    const std::string latLon =
        GeodesyText::FormatGeneral(latitude) + " " + GeodesyText::FormatGeneral(longitude);
    std::array<double, 2> grid{};
    if (!GeodesyText::ReadNumbers(
            GeodeticToGrid(latLon, texts_.datum, texts_.transverseMercator, texts_.ellipsoids),
            grid)) {
        return std::nullopt;
    }
    const double convergence =
        TMPointFactor("GrdConv", datum_->a, datum_->f, latitude, longitude, tm.centralMeridian,
                      tm.referenceLatitude, tm.scaleFactor, tm.falseEasting, tm.falseNorthing);
    return TGridFix{grid[0], grid[1], convergence};
}

// The cone turns the meridians by n (lambda - lambda0); east of the central meridian grid north
// lies east of true north where n > 0, so a true heading turns the other way on the grid.
std::optional<TGridFix> TMapProjector::ProjectLambert(double latitude, double longitude,
                                                      double height) const {
    const std::string point = GeodesyText::FormatGeneral(latitude) + " " +
                              GeodesyText::FormatGeneral(longitude) + " " +
                              GeodesyText::FormatGeneral(height);
    std::array<double, 3> local{};
    if (!GeodesyText::ReadNumbers(TransformDatum("BLH", point, texts_.datum), local)) {
        return std::nullopt;
    }
    // The module keeps one set for the whole program, so it is set again for every point.
    const double n = SetLambertParameters();
    if (n == 0) return std::nullopt;
    double easting = 0, northing = 0;
    const int error = kind_ == TProjectionKind::Lambert1
                          ? Lcc1SPForward(Angles::DegToRad(local[0]), Angles::DegToRad(local[1]),
                                          easting, northing)
                          : Lcc2SPForward(Angles::DegToRad(local[0]), Angles::DegToRad(local[1]),
                                          easting, northing);
    if (error != 0 || !std::isfinite(easting) || !std::isfinite(northing)) return std::nullopt;
    const double offsetDeg = Angles::WrapDeg(local[1] - Angles::RadToDeg(lambert_.centralMeridian));
    return TGridFix{easting, northing, -n * offsetDeg};
}
