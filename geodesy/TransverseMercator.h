#pragma once
// The ellipsoidal Transverse Mercator projection in the series of the USGS manual (Snyder,
// Map Projections: A Working Manual, Professional Paper 1395, formulas 8-9 to 8-25), with
// Redfearn's series for grid convergence and point scale factor.
//
// Accuracy against the exact projection (PROJ's tmerc), on the international ellipsoid: within
// 1 mm up to 3 degrees from the central meridian (most of that millimetre is the meridian-arc
// series at latitude 70) and 15 mm up to 6 degrees; the inverse within 1e-8 degrees up to 3
// degrees. Beyond that the series diverge quickly: the projection is meant for 3- and
// 6-degree zones. The constructor derives every constant once; Forward and Inverse only
// evaluate.

#include "geodesy/Ellipsoid.h"

class TTransverseMercator {
public:
    // Central meridian and reference latitude (latitude of origin) in degrees, scale factor k0
    // on the central meridian, false easting and northing in metres. Usable when the ellipsoid
    // is, k0 > 0, |reference latitude| <= 90 and all are finite.
    TTransverseMercator(const TEllipsoid& ellipsoid, double centralMeridianDeg,
                        double referenceLatitudeDeg, double scaleFactor, double falseEastingM,
                        double falseNorthingM);

    bool IsValid() const { return valid_; }
    const TEllipsoid& Ellipsoid() const { return ellipsoid_; }

    // Latitude within +-90 degrees; the longitude is taken relative to the central meridian
    // within +-180 degrees, so a zone across the antimeridian works. False outside the domain.
    bool Forward(double latitudeDeg, double longitudeDeg, double& eastingM,
                 double& northingM) const;
    // Longitude within [-180, 180]; false for a northing beyond the poles.
    bool Inverse(double eastingM, double northingM, double& latitudeDeg,
                 double& longitudeDeg) const;

    // Grid convergence in degrees, negative east of the central meridian in the northern
    // hemisphere (the opposite sign of PROJ's meridian convergence): the angle the caller adds to
    // a true bearing to get a grid bearing. Latitude within +-90 degrees.
    double GridConvergenceDeg(double latitudeDeg, double longitudeDeg) const;
    // Point scale factor, k0 on the central meridian.
    double PointScaleFactor(double latitudeDeg, double longitudeDeg) const;

private:
    double MeridianDistance(double latitudeRad, double sinLat, double cosLat) const;

    TEllipsoid ellipsoid_;
    double centralMeridianDeg_;
    double k0_;
    double falseEasting_;
    double falseNorthing_;
    bool valid_;
    double ep2_;        // second eccentricity squared e'² = e² / (1 - e²)
    double arc_[4]{};   // meridian-arc coefficients, times a
    double m0_ = 0;     // meridian arc from the equator to the reference latitude
    double foot_[4]{};  // footpoint-latitude coefficients in e1
};
