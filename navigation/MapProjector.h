#pragma once
// The map's way from a WGS 84 position to local grid coordinates: the datum transformation
// into the local datum, then Transverse Mercator or the Lambert conformal conic projection
// with one or two standard parallels, and the grid convergence at the point.
//
// The parameters come from the settings window's edits as typed. They are taken once per
// program run, when first needed, so editing them while the survey runs changes nothing until
// the next start; only the fields of the projection in use are converted, so the empty
// fields of the other projection do not matter. A field that is not a number leaves that
// projection unloaded (the next tick tries again) and is reported once.
//
// The convergence is the angle to add to a true heading to get the grid heading, in degrees:
// negative east of the central meridian in the northern hemisphere, for both projections.

#include "navigation/SettingNumberReader.h"

#include <optional>
#include <string>

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
    // Converts the fields the kind uses, the datum's included while no kind is loaded yet.
    // Returns a report for the surveyor when a field is newly found not to be a number or
    // the Lambert parameters are refused; empty otherwise.
    std::string Load(TProjectionKind kind, const TGeodeticTexts& texts);
    bool IsLoaded(TProjectionKind kind) const;
    // The datum and the parameter texts are taken.
    bool HasDatum() const { return datum_.has_value(); }
    const TGeodesyParameterTexts& ParameterTexts() const { return texts_; }

    // The grid position of a WGS 84 latitude and longitude (degrees) and height (m), or
    // nothing: for a kind not loaded, for latitude 0 and longitude 0 together (what a receiver
    // without a position leaves), and when any step fails or gives a number that is not finite.
    std::optional<TGridFix> Project(TProjectionKind kind, double latitude, double longitude,
                                    double height) const;

private:
    struct TDatum {
        double a = 0, f = 0;  // the local ellipsoid: metres, the flattening itself
    };
    struct TTransverseMercator {
        double centralMeridian = 0, referenceLatitude = 0, scaleFactor = 0, falseEasting = 0,
               falseNorthing = 0;  // degrees, metres
    };
    struct TLambert {
        double parallel1 = 0, parallel2 = 0, originLatitude = 0, centralMeridian = 0;  // radians
        double scaleFactor = 0, falseEasting = 0, falseNorthing = 0;
    };

    std::optional<TDatum> ReadDatum(const TGeodeticTexts& texts);
    std::optional<TTransverseMercator> ReadTransverseMercator(const TGeodeticTexts& texts);
    std::optional<TLambert> ReadLambert(TProjectionKind kind, const TGeodeticTexts& texts);
    // The report of a refused Lambert set; empty when this set was reported already.
    std::string LambertRefusal(TProjectionKind kind, const TGeodeticTexts& texts);
    // Stores the Lambert set in the geodesy module and returns its cone constant, 0 when the
    // module refuses it.
    double SetLambertParameters(TProjectionKind kind, const TDatum& datum,
                                const TLambert& lambert) const;
    std::optional<TGridFix> ProjectTransverseMercator(double latitude, double longitude) const;
    std::optional<TGridFix> ProjectLambert(TProjectionKind kind, double latitude, double longitude,
                                           double height) const;

    TSettingNumberReader reader_;
    TGeodesyParameterTexts texts_;
    std::optional<TDatum> datum_;
    std::optional<TTransverseMercator> transverseMercator_;
    std::optional<TLambert> lambert1_, lambert2_;
    std::string refusedLambert_;  // the Lambert texts last reported as refused
};
