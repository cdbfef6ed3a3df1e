#pragma once
// The back buffer's picture: background, grid (under or over the shapes, as GridOnTop says)
// and the shapes, drawn for the current view with the contrast rule.
//
// Culling keeps a frame cheap with hundreds of thousands of shapes: runs of shapes whose block
// box lies off the view are passed over whole, shapes of hidden layers and off-view boxes are
// skipped, sub-pixel shapes too, points within 2 pixels of the last point drawn, every text
// but the first in each 60-pixel cell, and everything after 500,000 drawn shapes.

#include "canvas/CanvasModel.h"
#include "canvas/DrawSurface.h"

constexpr int kMaxDrawnShapes = 500000;

// Fills the surface (the client size of the model) with the background and draws grid and
// shapes.
void RenderBackBuffer(const TCanvasModel& model, TDrawSurface& surface);

// Draws the shapes in two passes, texts last; returns how many were drawn.
int DrawShapes(const TCanvasModel& model, TDrawSurface& surface);
