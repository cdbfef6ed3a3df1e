#include "navigation/MapProjector.h"

#include "geodesy/Angles.h"
#include "geodesy/DatumText.h"
#include "geodesy/GeodesyText.h"
#include "geodesy/Lambert.h"
#include "geodesy/TMText.h"

#include <array>
#include <cmath>

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

bool TMapProjector::IsLoaded(TProjectionKind kind) const {
    switch (kind) {
        case TProjectionKind::TransverseMercator:
            return transverseMercator_.has_value();
        case TProjectionKind::Lambert1:
            return lambert1_.has_value();
        case TProjectionKind::Lambert2:
            return lambert2_.has_value();
    }
    return false;
}

std::string TMapProjector::Load(TProjectionKind kind, const TGeodeticTexts& texts) {
    if (IsLoaded(kind)) return {};
    const std::optional<TDatum> datum = datum_ ? datum_ : ReadDatum(texts);
    bool refused = false;
    if (kind == TProjectionKind::TransverseMercator) {
        const std::optional<TTransverseMercator> tm = ReadTransverseMercator(texts);
        if (datum && tm) transverseMercator_ = tm;
    } else {
        const std::optional<TLambert> lambert = ReadLambert(kind, texts);
        if (datum && lambert) {
            refused = SetLambertParameters(kind, *datum, *lambert) == 0;
            if (!refused) (kind == TProjectionKind::Lambert1 ? lambert1_ : lambert2_) = lambert;
        }
    }
    if (IsLoaded(kind) && !datum_) {
        datum_ = datum;
        texts_ = GeodesyParameterTexts(texts);
    }
    if (refused) return LambertRefusal(kind, texts);
    return reader_.TakeReport("Geodetic parameters", "; the map is not projected until it is",
                              "; the map is not projected until they are");
}

std::string TMapProjector::LambertRefusal(TProjectionKind kind, const TGeodeticTexts& t) {
    const std::string refused =
        Joined({&t.semiMajorAxis, &t.flattening, &t.lccParallel1, &t.lccParallel2,
                &t.lccOriginLatitude, &t.lccCentralMeridian, &t.lccScaleFactor, &t.lccFalseEasting,
                &t.lccFalseNorthing}) +
        (kind == TProjectionKind::Lambert1 ? " 1" : " 2");
    if (refused == refusedLambert_) return {};
    refusedLambert_ = refused;
    return "Geodetic parameters: the Lambert conformal conic projection refuses these "
           "parameters; the map is not projected until they change";
}

std::optional<TMapProjector::TDatum> TMapProjector::ReadDatum(const TGeodeticTexts& t) {
    TDatum datum;
    double unused = 0;
    bool read = reader_.Read("Semi Major Axis", t.semiMajorAxis, datum.a);
    read &= reader_.Read("Flattening", t.flattening, datum.f);
    const std::pair<const char*, const std::string*> helmert[] = {
        {"Scale Factor (ppm)", &t.scalePpm},
        {"X Rotation", &t.rotationX},
        {"Y Rotation", &t.rotationY},
        {"Z Rotation", &t.rotationZ},
        {"X Shift", &t.shiftX},
        {"Y Shift", &t.shiftY},
        {"Z Shift", &t.shiftZ}};
    for (const auto& [caption, text] : helmert) read &= reader_.Read(caption, *text, unused);
    if (!read) return std::nullopt;
    return datum;
}

std::optional<TMapProjector::TTransverseMercator> TMapProjector::ReadTransverseMercator(
    const TGeodeticTexts& t) {
    TTransverseMercator tm;
    bool read = reader_.Read("TM Central Meridian", t.tmCentralMeridian, tm.centralMeridian);
    read &= reader_.Read("TM Reference Latitude", t.tmReferenceLatitude, tm.referenceLatitude);
    read &= reader_.Read("TM Scale Factor", t.tmScaleFactor, tm.scaleFactor);
    read &= reader_.Read("TM False Easting", t.tmFalseEasting, tm.falseEasting);
    read &= reader_.Read("TM False Northing", t.tmFalseNorthing, tm.falseNorthing);
    if (!read) return std::nullopt;
    return tm;
}

// One standard parallel uses the scale factor, two use the parallels instead.
std::optional<TMapProjector::TLambert> TMapProjector::ReadLambert(TProjectionKind kind,
                                                                  const TGeodeticTexts& t) {
    TLambert lambert;
    double parallel1 = 0, parallel2 = 0, origin = 0, meridian = 0;
    bool read = true;
    if (kind == TProjectionKind::Lambert2) {
        read &= reader_.Read("LCC Standard Parallel 1", t.lccParallel1, parallel1);
        read &= reader_.Read("LCC Standard Parallel 2", t.lccParallel2, parallel2);
    }
    read &= reader_.Read("LCC Central Parallel", t.lccOriginLatitude, origin);
    read &= reader_.Read("LCC Central Meridian", t.lccCentralMeridian, meridian);
    if (kind == TProjectionKind::Lambert1) {
        read &= reader_.Read("LCC Scale Factor", t.lccScaleFactor, lambert.scaleFactor);
    }
    read &= reader_.Read("LCC False Easting", t.lccFalseEasting, lambert.falseEasting);
    read &= reader_.Read("LCC False Northing", t.lccFalseNorthing, lambert.falseNorthing);
    if (!read) return std::nullopt;
    lambert.parallel1 = Angles::DegToRad(parallel1);
    lambert.parallel2 = Angles::DegToRad(parallel2);
    lambert.originLatitude = Angles::DegToRad(origin);
    lambert.centralMeridian = Angles::DegToRad(meridian);
    return lambert;
}

double TMapProjector::SetLambertParameters(TProjectionKind kind, const TDatum& datum,
                                           const TLambert& l) const {
    if (kind == TProjectionKind::Lambert1) {
        return Lcc1SPSetParameters(datum.a, datum.f, l.originLatitude, l.centralMeridian,
                                   l.falseEasting, l.falseNorthing, l.scaleFactor);
    }
    return Lcc2SPSetParameters(datum.a, datum.f, l.originLatitude, l.centralMeridian, l.parallel1,
                               l.parallel2, l.falseEasting, l.falseNorthing);
}

std::optional<TGridFix> TMapProjector::Project(TProjectionKind kind, double latitude,
                                               double longitude, double height) const {
    if (!IsLoaded(kind) || !datum_ || (latitude == 0 && longitude == 0)) return std::nullopt;
    if (kind == TProjectionKind::TransverseMercator) {
        return ProjectTransverseMercator(latitude, longitude);
    }
    return ProjectLambert(kind, latitude, longitude, height);
}

std::optional<TGridFix> TMapProjector::ProjectTransverseMercator(double latitude,
                                                                 double longitude) const {
    const TTransverseMercator& tm = *transverseMercator_;
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
std::optional<TGridFix> TMapProjector::ProjectLambert(TProjectionKind kind, double latitude,
                                                      double longitude, double height) const {
    const TLambert& lambert = kind == TProjectionKind::Lambert1 ? *lambert1_ : *lambert2_;
    const std::string point = GeodesyText::FormatGeneral(latitude) + " " +
                              GeodesyText::FormatGeneral(longitude) + " " +
                              GeodesyText::FormatGeneral(height);
    std::array<double, 3> local{};
    if (!GeodesyText::ReadNumbers(TransformDatum("BLH", point, texts_.datum), local)) {
        return std::nullopt;
    }
    const double n = SetLambertParameters(kind, *datum_, lambert);
    if (n == 0) return std::nullopt;
    double easting = 0, northing = 0;
    const int error = kind == TProjectionKind::Lambert1
                          ? Lcc1SPForward(Angles::DegToRad(local[0]), Angles::DegToRad(local[1]),
                                          easting, northing)
                          : Lcc2SPForward(Angles::DegToRad(local[0]), Angles::DegToRad(local[1]),
                                          easting, northing);
    if (error != 0 || !std::isfinite(easting) || !std::isfinite(northing)) return std::nullopt;
    const double offsetDeg = Angles::WrapDeg(local[1] - Angles::RadToDeg(lambert.centralMeridian));
    return TGridFix{easting, northing, -n * offsetDeg};
}
