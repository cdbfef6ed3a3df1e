#pragma once
// What one DXF file adds to the canvas, read apart from it: the shapes in drawing order, the
// block references, whose lines are made only when the drawing goes in, and the file's own
// blocks. The canvas changes only once the whole file has been read (MoveInto), so a refused
// file changes nothing.
//
// A shape with a coordinate that is not finite (grown out of range by a scale or a radius) is
// left out: it could be neither fitted into the view nor saved. Shapes and block lines are
// counted as they come, so a file that would hold more than kMaxDxfShapes is refused before
// it takes the memory; a block reference costs nothing until the count is known to fit.

#include "canvas/AciColor.h"
#include "canvas/QBlock.h"

#include <QHash>
#include <cstddef>
#include <memory>
#include <vector>

class TCanvasModel;
class TQLine;

inline constexpr std::size_t kMaxDxfShapes = 5'000'000;

// The canvas layer a file goes to, as the reader needs it: its id and the pen of shapes that
// carry no colour or width of their own.
struct TDxfTarget {
    int LayerId = 0;
    TColor Color = kBlack;
    int LineWidth = 1;
};

// A block reference: the block's lines, each end p becoming (p - base) x scale, rotated and
// moved to (X, Y).
struct TDxfInsert {
    const TQBlock* Block = nullptr;
    double X = 0, Y = 0;
    double ScaleX = 1, ScaleY = 1;
    double RotationDeg = 0;
    // The colour of the lines made; kNoAciColor keeps each block line's own.
    TColor Color = kNoAciColor;
};

class TDxfDrawing {
public:
    // The canvas's blocks are those of earlier imports, which references may still name.
    TDxfDrawing(const TDxfTarget& target, const TCanvasModel& canvas);
    ~TDxfDrawing();
    TDxfDrawing(const TDxfDrawing&) = delete;
    TDxfDrawing& operator=(const TDxfDrawing&) = delete;

    const TDxfTarget& Target() const { return target_; }

    void AddShape(std::unique_ptr<TQShape> shape);
    // Adds the lines the reference makes; nothing without a block.
    void AddInsert(const TDxfInsert& insert);
    // Appends a line to a block still being read; the block is not the drawing's yet.
    void AddBlockLine(TQBlock& block, std::unique_ptr<TQLine> line);
    void AddBlock(std::unique_ptr<TQBlock> block);
    // This file's first block of that name, else the canvas's; nullptr when neither has one.
    const TQBlock* FindBlock(const QString& name) const;

    // The shapes the drawing adds, each line of a reference counted.
    std::size_t Count() const { return count_; }
    // More shapes and block lines were read than kMaxDxfShapes.
    bool TooLarge() const { return count_ + blockLines_ > kMaxDxfShapes; }

    // Appends the shapes to the canvas, each with the next shape id, and puts the file's blocks
    // before the canvas's, so that they are found first from now on.
    void MoveInto(TCanvasModel& canvas);

private:
    // A shape, or (shape empty) the reference inserts_[insert].
    struct TItem {
        std::unique_ptr<TQShape> shape;
        std::size_t insert = 0;
    };

    TDxfTarget target_;
    std::vector<TItem> items_;
    std::vector<TDxfInsert> inserts_;
    std::vector<std::unique_ptr<TQBlock>> blocks_;
    QHash<QString, const TQBlock*> blockOfName_;
    QHash<QString, const TQBlock*> earlierBlockOfName_;
    std::size_t count_ = 0;
    std::size_t blockLines_ = 0;
};
