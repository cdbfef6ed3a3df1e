#pragma once
// What is drawn over the back buffer on every paint, in this order: the rubber band, the
// measure, the soundings, the event numbers, the big numbers, the position text and the scale
// bar. These change often and never rebuild the back buffer.

#include "canvas/CanvasModel.h"
#include "canvas/DrawSurface.h"

void DrawOverlays(const TCanvasModel& model, TDrawSurface& surface);
