#pragma once
// The outline of the shape being drawn, from the last placed point (anchor) to the cursor
// (rubber point), drawn in XOR over the map while a point is placed.

#include "canvas/CanvasModel.h"
#include "canvas/DrawSurface.h"

void DrawRubberBand(const TCanvasModel& model, TDrawSurface& surface);
