#pragma once
// The way of one real-time run from a WGS 84 position to local grid coordinates: the datum
// transformation into the local datum, then Transverse Mercator or the Lambert conformal conic
// projection with one or two standard parallels, and the grid convergence at the point.
//
// The start of real time loads it from the parameters it stored, as texts, and the map, the
// survey records and the exports all project through it until the next start: one kind, one
// set of parameters, one code path. Only the fields of the projection in use are converted,
// so the empty fields of the other projection do not matter. A field that is not a number, or a
// Lambert set the geodesy module refuses, leaves the run without a projection; Load says why.
//
// The convergence is the angle to add to a true heading to get the grid heading, in degrees:
// negative east of the central meridian in the northern hemisphere, for both projections.

#include "navigation/SettingNumberReader.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The settings window's geodetic edits: edSMA, edIF, edPPM, edRX ... edSZ; edCM ... edFN;
// eLCCSP1, eLCCSP2, eLCCCP, eLCCM, eLCCSF, eLCCFE, eLCCFN.
struct TGeodeticTexts {
    std::string semiMajorAxis, flattening, scalePpm, rotationX, rotationY, rotationZ, shiftX,
        shiftY, shiftZ;
    std::string tmCentralMeridian, tmReferenceLatitude, tmScaleFactor, tmFalseEasting,
        tmFalseNorthing;
    std::string lccParallel1, lccParallel2, lccOriginLatitude, lccCentralMeridian, lccScaleFactor,
        lccFalseEasting, lccFalseNorthing;
};

// The geodesy library's parameter texts, WGS 84 first: the datum set (18 numbers), the two
// ellipsoids (4) and the Transverse Mercator set (5), the local values as typed.
struct TGeodesyParameterTexts {
    std::string datum, ellipsoids, transverseMercator;
};
TGeodesyParameterTexts GeodesyParameterTexts(const TGeodeticTexts& texts);
// The same texts the other way round, the local set first, for the way from the grid back to
// WGS 84: the Helmert step carries local coordinates to WGS 84, the inverse projection reads
// the local ellipsoid.
TGeodesyParameterTexts LocalFirstParameterTexts(const TGeodeticTexts& texts);

enum class TProjectionKind { TransverseMercator, Lambert1, Lambert2 };

struct TGridFix {
    double easting = 0, northing = 0;  // m
    double convergenceDeg = 0;
};

class TMapProjector {
public:
    // Replaces the projection by the kind with these texts. Returns what the surveyor must be
    // told when it cannot be used (the fields that are not numbers, or a refused Lambert set);
    // empty when it is loaded.
    std::string Load(TProjectionKind kind, const TGeodeticTexts& texts);
    bool IsLoaded() const { return datum_.has_value(); }
    TProjectionKind Kind() const { return kind_; }
    // The parameter texts of the loaded projection; empty while none is loaded.
    const TGeodesyParameterTexts& ParameterTexts() const { return texts_; }

    // The grid position of a WGS 84 latitude and longitude (degrees) and height (m), or
    // nothing: while no projection is loaded, for latitude 0 and longitude 0 together (what a
    // receiver without a position leaves), and when any step fails or gives a number that is
    // not finite.
    std::optional<TGridFix> Project(double latitude, double longitude, double height) const;

private:
    struct TDatum {
        double a = 0, f = 0;  // the local ellipsoid: metres, the flattening itself
        // ppm, rotations, shifts: only checked here, the library reads them from the datum text
        std::array<double, 7> helmert{};
    };
    struct TTransverseMercator {
        double centralMeridian = 0, referenceLatitude = 0, scaleFactor = 0, falseEasting = 0,
               falseNorthing = 0;  // degrees, metres
    };
    struct TLambert {
        double parallel1 = 0, parallel2 = 0, originLatitude = 0, centralMeridian = 0;  // radians
        double scaleFactor = 0, falseEasting = 0, falseNorthing = 0;
    };

    // A text the kind uses, with its caption and where its number goes.
    struct TField {
        const char* caption;
        const std::string* text;
        double* value;
    };
    // The fields the kind uses; the Transverse Mercator numbers go into this projector.
    std::vector<TField> Fields(TProjectionKind kind, const TGeodeticTexts& texts, TDatum& datum,
                               TLambert& lambert);
    // Stores the Lambert set in the geodesy module and returns its cone constant, 0 when the
    // module refuses it.
    double SetLambertParameters() const;
    std::optional<TGridFix> ProjectTransverseMercator(double latitude, double longitude) const;
    std::optional<TGridFix> ProjectLambert(double latitude, double longitude, double height) const;

    TProjectionKind kind_ = TProjectionKind::TransverseMercator;
    TGeodesyParameterTexts texts_;
    std::optional<TDatum> datum_;  // set only once the whole projection is loaded
    TTransverseMercator transverseMercator_;
    TLambert lambert_;
};
