#pragma once
// What the entity readers of DxfEntities.cpp and DxfCurves.cpp share.

#include "canvas/DxfDrawing.h"
#include "canvas/PlaneGeometry.h"

#include <vector>

class TDxfLines;

// The colour number through AciToColor, else the target layer's colour.
TColor DxfShapeColor(const TDxfDrawing& drawing, int aciNumber);

// Adds a polyline of the points (ShapeType 6 closed, else 5) in the colour; none for fewer
// than two points.
void AddDxfPolyline(TDxfDrawing& drawing, const std::vector<TWorldPoint>& points, bool closed,
                    TColor color);

bool ReadDxfArc(TDxfLines& lines, TDxfDrawing& drawing);
bool ReadDxfEllipse(TDxfLines& lines, TDxfDrawing& drawing);
bool ReadDxfSpline(TDxfLines& lines, TDxfDrawing& drawing);
bool ReadDxfLwPolyline(TDxfLines& lines, TDxfDrawing& drawing);
bool ReadDxfPolyline(TDxfLines& lines, TDxfDrawing& drawing);
