#pragma once
// What is drawn over the map picture on every paint, in this order: the rubber band, the
// measure, the big numbers, the position text and the scale bar. These change often and never
// touch the picture. (The depth labels and event numbers lie in the picture: MapLabels.h.)

#include "canvas/CanvasModel.h"
#include "canvas/DrawSurface.h"

class TMapPicture;
class QPainter;

void DrawOverlays(const TCanvasModel& model, TDrawSurface& surface);

// The frame the canvas paints: the picture (brought up to date before), the grid's labels, the
// live layer's shapes, then the overlays.
void PaintMapFrame(const TCanvasModel& model, const TMapPicture& picture, QPainter& painter);
