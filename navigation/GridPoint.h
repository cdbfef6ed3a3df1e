#pragma once

// A point of the local grid: metres east and north.
struct TGridPoint {
    double easting = 0, northing = 0;
};
