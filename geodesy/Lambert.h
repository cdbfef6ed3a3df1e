#pragma once
// The Lambert conformal conic module the map timer uses: numeric (radians and metres), with
// one module-wide parameter set for one standard parallel and one for two, changed only by the
// set calls. Every conversion uses the set stored last (the initial values of
// LambertConformalConic.h before any set call). Error bits and formulas: LambertConformalConic.h.
// The states are unguarded; all callers run on the user-interface thread.

#include "geodesy/LambertConformalConic.h"

// Validates and stores the one-parallel set and returns its cone constant n = sin(phi0).
// A rejected set stores nothing and returns 0, which no valid set gives: the caller must stop
// projecting instead of going on with the parameters stored before.
double Lcc1SPSetParameters(double a, double f, double originLatitude, double centralMeridian,
                           double falseEasting, double falseNorthing, double scaleFactor);
void Lcc1SPGetParameters(double& a, double& f, double& originLatitude, double& centralMeridian,
                         double& falseEasting, double& falseNorthing, double& scaleFactor);
int Lcc1SPForward(double latitude, double longitude, double& easting, double& northing);
int Lcc1SPInverse(double easting, double northing, double& latitude, double& longitude);

// Validates and stores the two-parallel set, derives its equivalent one-parallel set and makes
// that the one-parallel state; returns n. A rejected set stores nothing and returns 0.
double Lcc2SPSetParameters(double a, double f, double originLatitude, double centralMeridian,
                           double standardParallel1, double standardParallel2, double falseEasting,
                           double falseNorthing);
// The stored input parameters, the false northing as passed (not the shifted one).
void Lcc2SPGetParameters(double& a, double& f, double& originLatitude, double& centralMeridian,
                         double& standardParallel1, double& standardParallel2, double& falseEasting,
                         double& falseNorthing);
// Each first makes the stored two-parallel set's equivalent the one-parallel state again, so
// one-parallel calls in between do not disturb them.
int Lcc2SPForward(double latitude, double longitude, double& easting, double& northing);
int Lcc2SPInverse(double easting, double northing, double& latitude, double& longitude);
