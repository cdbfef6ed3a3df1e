#pragma once
// The store's cull boxes, position by position, with a second level over them: every run of
// kCullBlockSize consecutive positions has one block box, the union of its boxes. A frame tests
// the block boxes first and looks at the boxes of a block only when its box reaches the view,
// so a survey-scale view of a day's track, laid down in order along the vessel's path, costs
// what lies near the view rather than the whole drawing.
//
// A block box may overlap any view that a box of its block may overlap (MayOverlap), so
// skipping a block whose box does not never skips a shape that would have been drawn. Boxes
// that hold NaN overlap no view and are left out of the union; a block of none but those has
// the empty box, which overlaps no finite view.
//
// Beside each box the list keeps the kind of its shape (a point, a text or another), and beside
// each block whether it holds a text: texts reach further than their boxes (a text is drawn at
// its font's size in pixels), so a frame looks for them in a wider area, and only in the blocks
// that hold some; points are merged along their block, so a frame visits the points of a block
// even where their boxes lie off its area.
//
// Appending grows the last block box at once; every other change marks its blocks stale, and
// Blocks() brings the stale ones up to date first, so a run of edits costs one union per block
// touched. The drawing is used on one thread only.

#include "canvas/CullBox.h"

#include <cstddef>
#include <span>
#include <vector>

constexpr size_t kCullBlockSize = 256;

class TCullBoxList {
public:
    size_t size() const { return boxes_.size(); }
    bool empty() const { return boxes_.empty(); }
    const TCullBox& operator[](size_t position) const { return boxes_[position]; }
    // Block b holds positions b * kCullBlockSize up to the next block's first or the end.
    std::span<const TCullBox> Blocks() const;
    TCullKind Kind(size_t position) const { return kinds_[position]; }
    // Whether the block holds a text; as fresh as the last call of Blocks().
    bool BlockHoldsText(size_t block) const { return blockTexts_[block] != 0; }

    void Append(const TCullBox& box, TCullKind kind);
    // The box changes; the shape stays what it is.
    void Set(size_t position, const TCullBox& box);
    // The box and kind of position from go to position to.
    void MoveTo(size_t from, size_t to);
    // Drops every box from position count on.
    void Truncate(size_t count);
    // std::rotate over positions first to last (last excluded): middle comes to first.
    void Rotate(size_t first, size_t middle, size_t last);
    void Clear();
    void Reserve(size_t count);

private:
    void MarkStale(size_t firstPosition, size_t lastPosition);
    TCullBox UnionOfBlock(size_t block) const;
    bool AnyTextIn(size_t block) const;

    std::vector<TCullBox> boxes_;
    std::vector<TCullKind> kinds_;
    mutable std::vector<TCullBox> blocks_;
    mutable std::vector<char> blockTexts_;
    // One flag per block; anyStale_ spares the walk over them when none is set.
    mutable std::vector<char> stale_;
    mutable bool anyStale_ = false;
};
