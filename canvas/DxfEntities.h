#pragma once
// The readers of the entities of a DXF file's ENTITIES section, one per entity type. Each
// reads its entity's groups up to the closing code "0", adds what it makes to the drawing and
// leaves the type of the next entity as the next line to read. The groups an entity reader
// does not know are passed over; a value that is not a number reads 0.
//
// | type | groups read (default) | shape |
// | LINE | 8 layer (diagnostics only), 10 20 11 21 ends (0), 62 | line, colour rule, layer width |
// | CIRCLE | 10 20 centre, 40 radius (0), 62 | circle, colour rule, layer width |
// | ARC | 10 20 centre, 40 radius, 50 51 start and end (0, 360 degrees), 62 | 21 vertices |
// | ELLIPSE | 10 20 centre, 11 21 major axis, 40 ratio (1), 41 42 parameters (0, 2 pi), 62 |
// |   | 37 vertices, closed for a full turn |
// | SOLID, TRACE | 10..13 and 20..23 corners (0), 62 | closed: corners 1, 2, 4, then 3 |
// | POINT | 10 20 | point in the layer's pen |
// | SPLINE | each 10 an x, each 20 a y (control points), 62, 70 (bit 1 closed) | polyline |
// | LWPOLYLINE | 10 then 20 one vertex, 62, 70 | polyline |
// | POLYLINE | 62, 70; then each VERTEX's 10 20 up to SEQEND | polyline; meshes skipped |
// | TEXT, MTEXT | 1 text, 10 20 anchor, 40 height (2.5), 50 rotation (0) | text, layer colour |
// | INSERT | 2 block, 10 20 point, 41 42 scale (1), 50 rotation, 62 | the block's lines |
//
// The colour rule: group 62 through AciToColor, else (none, by block, by layer) the target
// layer's colour. Shapes other than lines and circles keep width 1. Polylines with fewer than
// two vertices and texts that end up empty are left out.

#include <string_view>

class TDxfDrawing;
class TDxfLines;

using TDxfEntityReader = bool (*)(TDxfLines& lines, TDxfDrawing& drawing);

// The reader of an entity type (exact, case-sensitive); nullptr for a type that is skipped.
// A reader returns false when the text ends inside its entity.
TDxfEntityReader FindDxfEntityReader(std::string_view type);
