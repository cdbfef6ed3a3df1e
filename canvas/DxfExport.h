#pragma once
// The drawing as a minimal ASCII DXF file of release 12 ("AC1009"), for other drawing programs:
// a header with the code page and the current view as the extents, a layer table of the
// layers the shapes use (in order of first use, each colour 7 and line type CONTINUOUS), and
// one entity per visible shape on the DXF layer named after its canvas layer ("0" when the
// layer id has no record):
//
// | shape | entity |
// | rectangle | closed POLYLINE of its four corners |
// | line | LINE |
// | polyline, polygon (one vertex or more) | POLYLINE, closed flag from Closed |
// | text | TEXT, height Size (2.5 when not above 0), rotation only when not 0 |
// | point | POINT |
// | circle | CIRCLE |
// | ellipse | CIRCLE at its centre, radius the mean of its half-axes |
//
// Rounded rectangles, splines, three-point arcs and other kinds are not written, nor are
// invisible shapes. No entity carries a colour, width, handle or alignment. Every z is "0.0".
// The file is replaced only once the new one is whole on disk.

#include <string>

class TCanvasModel;

// Returns false with the reason when any step fails; a file of that name is then untouched.
bool WriteDxfFile(const TCanvasModel& canvas, const std::string& path, std::string& reason);
