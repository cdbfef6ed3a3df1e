#pragma once
// A project text read into records. The reader checks the whole text into these before any
// of it reaches the drawing, so a refused file changes nothing; applying them cannot fail.
//
// Every shape record is read into the shape it describes, with the file's layer id. Lines,
// circles and texts then go into the drawing by the rules of the store's add operations, which
// give them their layer's pen and the font table's font; the other kinds go in as they were
// read. Either way the shape read is the shape kept: a million records cost a million shapes.

#include "canvas/QShape.h"

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

class TCanvasModel;

// Lines and circles take their layer's pen unless their record gives a colour.
enum class TRecordKind : std::uint8_t { World, Layer, LayerPen, Text, Shape };

struct TProjectRecord {
    TRecordKind kind = TRecordKind::Shape;
    int layer = 0;                  // the file's layer id, for "LAYER" its own
    int index = -1;                 // "WORLD": its view in views; "LAYER": its name in names
    std::uint32_t vertexCount = 0;  // polylines: the vertex lines that follow the record
    // The shape read. A line's or circle's Color 0 stands for its layer's pen, a text's Color 0
    // for its layer's colour, and a text's FontName "" or "0" for the font table's name.
    std::unique_ptr<TQShape> shape;
};

// Deques grow without moving what they hold: a day's survey has a million records.
struct TProjectRecords {
    std::deque<TProjectRecord> records;
    std::vector<std::array<double, 4>> views;  // left, right, bottom, top
    std::deque<QString> names;
};

// Applies the records in order, moving their shapes into the drawing: mode 0 first replaces
// the drawing (cancelling a drawing under way), any other mode merges into it. The file's layer
// ids go through a layer table that starts with 0 -> 0; loaded shapes get new ids in file
// order. Marks the drawing Dirty and asks for a repaint; the view changes only through a
// "WORLD" record.
void ApplyProjectRecords(TCanvasModel& model, TProjectRecords& project, int mode);
