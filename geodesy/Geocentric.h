#pragma once
// Geodetic coordinates (latitude, longitude, ellipsoidal height) and earth-centred, earth-fixed
// Cartesian coordinates on one ellipsoid.

#include "geodesy/Ellipsoid.h"

struct TCartesian {
    double X = 0;  // m
    double Y = 0;
    double Z = 0;
};

struct TGeodetic {
    double LatitudeRad = 0;
    double LongitudeRad = 0;  // within [-pi, pi]
    double HeightM = 0;
};

// Closed form: with N = a / sqrt(1 - e² sin²phi), X = (N + h) cos phi cos lambda,
// Y = (N + h) cos phi sin lambda, Z = (N (1 - e²) + h) sin phi. The ellipsoid must be valid.
TCartesian GeodeticToCartesian(const TEllipsoid& ellipsoid, double latitudeRad, double longitudeRad,
                               double heightM);

// Fixed-point iteration on the latitude, tan phi = (Z / p) / (1 - e² N / (N + h)) with
// p = sqrt(X² + Y²), started at phi = 0, h = 0 and stopped when phi moves by at most 1e-12 rad;
// near the earth's surface that takes three or four rounds. The height comes from
// h = p cos phi + Z sin phi - a sqrt(1 - e² sin²phi), which stays exact towards the poles
// where p / cos phi - N loses its digits. On the polar axis (p = 0, the centre included) the
// latitude is +90 degrees for Z >= 0 and -90 below, the longitude 0 and h = |Z| - b.
// Returns false for a non-finite point and for one deep inside the earth where the iteration
// does not settle within its bound of rounds.
bool CartesianToGeodetic(const TEllipsoid& ellipsoid, const TCartesian& point, TGeodetic& out);
