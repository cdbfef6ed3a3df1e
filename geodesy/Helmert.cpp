#include "geodesy/Helmert.h"

#include "geodesy/Angles.h"

namespace {

double ArcSecondsToRad(double arcSeconds) {
    return Angles::DegToRad(arcSeconds / Angles::kArcSecondsPerDegree);
}

}  // namespace

THelmert::THelmert(double ppm, double rxArcSec, double ryArcSec, double rzArcSec, double txM,
                   double tyM, double tzM)
    : scale_(1 + ppm * 1e-6), shift_{txM, tyM, tzM} {
    const double rx = ArcSecondsToRad(rxArcSec);
    const double ry = ArcSecondsToRad(ryArcSec);
    const double rz = ArcSecondsToRad(rzArcSec);
    const double sx = std::sin(rx), cx = std::cos(rx);
    const double sy = std::sin(ry), cy = std::cos(ry);
    const double sz = std::sin(rz), cz = std::cos(rz);
    r_[0][0] = cy * cz;
    r_[0][1] = cx * sz + sx * sy * cz;
    r_[0][2] = sx * sz - cx * sy * cz;
    r_[1][0] = -cy * sz;
    r_[1][1] = cx * cz - sx * sy * sz;
    r_[1][2] = sx * cz + cx * sy * sz;
    r_[2][0] = sy;
    r_[2][1] = -sx * cy;
    r_[2][2] = cx * cy;
    valid_ = scale_ > 0 && std::isfinite(scale_) && std::isfinite(rx) && std::isfinite(ry) &&
             std::isfinite(rz) && std::isfinite(txM) && std::isfinite(tyM) && std::isfinite(tzM);
}

TCartesian THelmert::Forward(const TCartesian& p) const {
    return {shift_.X + scale_ * (r_[0][0] * p.X + r_[0][1] * p.Y + r_[0][2] * p.Z),
            shift_.Y + scale_ * (r_[1][0] * p.X + r_[1][1] * p.Y + r_[1][2] * p.Z),
            shift_.Z + scale_ * (r_[2][0] * p.X + r_[2][1] * p.Y + r_[2][2] * p.Z)};
}

TCartesian THelmert::Backward(const TCartesian& p) const {
    const double x = p.X - shift_.X;
    const double y = p.Y - shift_.Y;
    const double z = p.Z - shift_.Z;
    return {(r_[0][0] * x + r_[1][0] * y + r_[2][0] * z) / scale_,
            (r_[0][1] * x + r_[1][1] * y + r_[2][1] * z) / scale_,
            (r_[0][2] * x + r_[1][2] * y + r_[2][2] * z) / scale_};
}
