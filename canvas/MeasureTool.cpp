#include "canvas/MeasureTool.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr double kFullCircle = 360.0;

}  // namespace

double GridBearing(double dx, double dy) {
    if (dx == 0 && dy == 0) return 0;
    const double bearing = std::atan2(dx, dy) * kDegreesPerRadian;
    return bearing < 0 ? bearing + kFullCircle : bearing;
}

void TMeasureTool::Begin(const TToolEvent& at) { model_.BeginMeasure(at.World.X, at.World.Y); }

void TMeasureTool::Move(const TToolEvent& at) {
    const double dx = at.World.X - model_.MeasureStartX;
    const double dy = at.World.Y - model_.MeasureStartY;
    model_.UpdateMeasure(at.World.X, at.World.Y, std::hypot(dx, dy), GridBearing(dx, dy));
}

void TMeasureTool::End() { model_.EndMeasure(); }
