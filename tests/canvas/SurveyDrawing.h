#pragma once
// A drawing like a day's survey, for the crash test and the project-file benchmark: track
// points along a random walk, lines, polylines of 10 vertices, depth texts and circles, spread
// over a dozen layers, in grid coordinates near 500000 E, 4100000 N.

class TCanvasModel;

// Adds shapeCount shapes; the same seed gives the same drawing.
void BuildSurveyDrawing(TCanvasModel& model, int shapeCount, unsigned seed);
