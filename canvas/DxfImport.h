#pragma once
// Background drawings from ASCII DXF files. Everything of one file goes to one canvas layer,
// "_dxf_" followed by the file's name with its extension (harbour.dxf in any folder goes to
// "_dxf_harbour.dxf"), which an import of a file of the same name replaces. The layer is made
// visible, locked and current; arcs and ellipses become polylines, block references made of
// lines are expanded, and the view is fitted to the drawing afterwards. The reader is a
// tolerant scanner of the groups it knows (DxfLines.h, DxfEntities.h); a binary DXF is
// refused rather than scanned as text.
//
// The file is read once and its sections found (DxfSections.h); then three passes over those
// bytes read the colour of the layer table, the blocks and the entities (DxfPasses.h) into a
// drawing apart from the canvas (DxfDrawing.h). Only when all of them succeed does the canvas
// change: a refused file leaves every layer, shape, block and the view as they were.

#include <cstddef>
#include <string>

class TCanvasModel;

// Returns true when the file added at least one shape. A false with a reason is a refusal
// ("DXF load failed: ..."), which changes nothing; a false without one is a readable file
// whose ENTITIES section holds nothing drawable: its layer is emptied and the view fitted.
bool ReadDxfFile(TCanvasModel& canvas, const std::string& path, std::string& reason);

// The layer a file of this path goes to.
std::string DxfImportLayerName(const std::string& path);
