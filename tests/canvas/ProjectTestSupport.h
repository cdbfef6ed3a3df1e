#pragma once
// Helpers of the project-file tests: zlib called directly, so the writer and the reader are each
// checked without the other, and a full description of a drawing to compare models with.

#include <string>
#include <string_view>
#include <vector>

class TCanvasModel;

// "SMK1" followed by the text deflated by zlib at the given level.
std::string CompressedProject(std::string_view text, int level);

// Inflates the zlib stream at the start of `bytes` with zlib alone. Returns false unless it is
// one complete stream; `trailing` receives the count of bytes after its end.
bool InflateOneStream(std::string_view bytes, std::string& text, size_t& trailing);

// Writes the drawing to path and returns the file's text, inflated by zlib alone.
std::string SaveAndInflate(const TCanvasModel& model, const std::string& path);

// Every line of the text, split at LF.
std::vector<std::string> LinesOf(const std::string& text);

// The drawing as text, one line per fact: view, current layer, next ids and selection, each
// layer (id, name, tag, and with layerPens its flags and pen where they are not a new layer's),
// each shape (id, kind, layer, pen, fill and its geometry), the DXF import layer when it is not
// 0, and each DXF block with its shapes.
std::string Describe(const TCanvasModel& model, bool layerPens = false);
// Only the shape lines of Describe, without ids.
std::string DescribeShapes(const TCanvasModel& model);

// Whether every shape's bounding box and the store's cull box agree with its geometry, as a
// reader that builds shapes itself must leave them. Recomputes the boxes to compare.
bool BoundsUpToDate(TCanvasModel& model);
