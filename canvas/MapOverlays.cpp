#include "canvas/MapOverlays.h"

#include "canvas/RubberBand.h"
#include "canvas/ScaleBar.h"

void DrawOverlays(const TCanvasModel& model, TDrawSurface& surface) {
    DrawRubberBand(model, surface);
    // The measure, soundings, event numbers, big numbers and position text come here.
    DrawScaleBar(model.View(), surface);
}
