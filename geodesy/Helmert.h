#pragma once
// The 7-parameter similarity (Helmert) transformation between two datums' Cartesian frames.
//
// Forward: X' = T + s R X with s = 1 + ppm 1e-6 and R = R3(rz) R2(ry) R1(rx) in the
// coordinate-frame sign convention, R1(a) = [[1, 0, 0], [0, cos a, sin a], [0, -sin a, cos a]],
// R2(b) = [[cos b, 0, -sin b], [0, 1, 0], [sin b, 0, cos b]],
// R3(c) = [[cos c, sin c, 0], [-sin c, cos c, 0], [0, 0, 1]]. The rotations are used exactly,
// not in their small-angle form, so large rotations are right too. R is orthogonal, so the
// backward step is X = R^T (X' - T) / s, the exact inverse. This matches PROJ's
// "+proj=helmert +convention=coordinate_frame +exact".

#include "geodesy/Geocentric.h"

class THelmert {
public:
    // ppm: scale change in parts per million; rx, ry, rz: rotations in arc-seconds;
    // tx, ty, tz: translations in metres. Usable when all are finite and the scale s > 0.
    THelmert(double ppm, double rxArcSec, double ryArcSec, double rzArcSec, double txM, double tyM,
             double tzM);

    bool IsValid() const { return valid_; }
    TCartesian Forward(const TCartesian& point) const;
    TCartesian Backward(const TCartesian& point) const;

private:
    double r_[3][3] = {};
    double scale_ = 1;
    TCartesian shift_;
    bool valid_ = false;
};
