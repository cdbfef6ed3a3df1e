#pragma once
// The datum transformation of a DatumParameterString: geodetic coordinates on ellipsoid 1 to
// Cartesian coordinates, Helmert set 1 towards WGS 84, Helmert set 2 back from WGS 84, and
// geodetic coordinates on ellipsoid 2.
//
// Each set describes the transformation from its local datum into WGS 84, so WGS 84 to a local
// datum takes WGS 84 with a zero set as ellipsoid and set 1, and the local ellipsoid and set as
// ellipsoid and set 2; the way back swaps the two halves.

#include "geodesy/Ellipsoid.h"
#include "geodesy/Geocentric.h"
#include "geodesy/Helmert.h"

#include <span>

class TDatumTransformation {
public:
    static constexpr size_t kParameterCount = 18;

    // The 18 numbers in text order: a1, f1, ppm1, rx1, ry1, rz1 (arc-seconds), tx1, ty1, tz1 (m),
    // then a2, f2, ppm2, rx2, ry2, rz2, tx2, ty2, tz2.
    explicit TDatumTransformation(std::span<const double, kParameterCount> p);

    bool IsValid() const;
    const TEllipsoid& Target() const { return target_; }

    // Latitude and longitude in degrees, height in metres on ellipsoid 1, to the Cartesian frame
    // of ellipsoid 2. False for a latitude beyond +-90 degrees or a non-finite value.
    bool ToCartesian(double latitudeDeg, double longitudeDeg, double heightM,
                     TCartesian& out) const;
    // The same point as geodetic coordinates on ellipsoid 2.
    bool ToGeodetic(double latitudeDeg, double longitudeDeg, double heightM, TGeodetic& out) const;

private:
    TEllipsoid source_;
    THelmert toWgs84_;
    TEllipsoid target_;
    THelmert fromWgs84_;
};
