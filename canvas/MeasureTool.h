#pragma once
// The distance-and-bearing measure: a right press with no drawing under way starts it at the
// press point, every move stretches it to the cursor with the grid distance and bearing, the
// right release ends it. The overlay draws it (MapOverlays.h).

#include "canvas/CanvasTool.h"

class TMeasureTool final {
public:
    explicit TMeasureTool(TCanvasModel& model) : model_(model) {}
    void Begin(const TToolEvent& at);
    void Move(const TToolEvent& at);
    void End();

private:
    TCanvasModel& model_;
};

// Degrees clockwise from grid north, 0 up to 360, of the vector (dx east, dy north); 0 for no
// vector.
double GridBearing(double dx, double dy);
