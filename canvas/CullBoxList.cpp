#include "canvas/CullBoxList.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();
constexpr TCullBox kEmptyBox{kInfinity, kInfinity, -kInfinity, -kInfinity};

size_t BlockOf(size_t position) { return position / kCullBlockSize; }

size_t BlockCount(size_t positions) { return (positions + kCullBlockSize - 1) / kCullBlockSize; }

bool HoldsNaN(const TCullBox& box) {
    return std::isnan(box.MinX) || std::isnan(box.MinY) || std::isnan(box.MaxX) ||
           std::isnan(box.MaxY);
}

// The union of two boxes, per edge, so that it overlaps whatever either overlaps, inverted
// boxes too.
void Unite(TCullBox& united, const TCullBox& box) {
    if (HoldsNaN(box)) return;
    united.MinX = std::min(united.MinX, box.MinX);
    united.MinY = std::min(united.MinY, box.MinY);
    united.MaxX = std::max(united.MaxX, box.MaxX);
    united.MaxY = std::max(united.MaxY, box.MaxY);
}

}  // namespace

std::span<const TCullBox> TCullBoxList::Blocks() const {
    if (anyStale_) {
        for (size_t block = 0; block < blocks_.size(); ++block) {
            if (!stale_[block]) continue;
            blocks_[block] = UnionOfBlock(block);
            blockTexts_[block] = AnyTextIn(block);
        }
        std::fill(stale_.begin(), stale_.end(), false);
        anyStale_ = false;
    }
    return blocks_;
}

void TCullBoxList::Append(const TCullBox& box, TCullKind kind) {
    const size_t block = BlockOf(boxes_.size());
    boxes_.push_back(box);
    kinds_.push_back(kind);
    if (block == blocks_.size()) {
        blocks_.push_back(kEmptyBox);
        blockTexts_.push_back(false);
        stale_.push_back(false);
    }
    Unite(blocks_[block], box);
    if (kind == TCullKind::Text) blockTexts_[block] = true;
}

void TCullBoxList::Set(size_t position, const TCullBox& box) {
    boxes_[position] = box;
    MarkStale(position, position + 1);
}

void TCullBoxList::MoveTo(size_t from, size_t to) {
    boxes_[to] = boxes_[from];
    kinds_[to] = kinds_[from];
    MarkStale(to, to + 1);
}

void TCullBoxList::Truncate(size_t count) {
    if (count >= boxes_.size()) return;
    boxes_.resize(count);
    kinds_.resize(count);
    blocks_.resize(BlockCount(count));
    blockTexts_.resize(blocks_.size());
    stale_.resize(blocks_.size());
    if (count % kCullBlockSize != 0) MarkStale(count - 1, count);
}

void TCullBoxList::Rotate(size_t first, size_t middle, size_t last) {
    const auto begin = boxes_.begin();
    std::rotate(begin + static_cast<std::ptrdiff_t>(first),
                begin + static_cast<std::ptrdiff_t>(middle),
                begin + static_cast<std::ptrdiff_t>(last));
    const auto kinds = kinds_.begin();
    std::rotate(kinds + static_cast<std::ptrdiff_t>(first),
                kinds + static_cast<std::ptrdiff_t>(middle),
                kinds + static_cast<std::ptrdiff_t>(last));
    MarkStale(first, last);
}

void TCullBoxList::Clear() {
    boxes_.clear();
    kinds_.clear();
    blocks_.clear();
    blockTexts_.clear();
    stale_.clear();
    anyStale_ = false;
}

void TCullBoxList::Reserve(size_t count) {
    boxes_.reserve(count);
    kinds_.reserve(count);
    blocks_.reserve(BlockCount(count));
    blockTexts_.reserve(BlockCount(count));
    stale_.reserve(BlockCount(count));
}

void TCullBoxList::MarkStale(size_t firstPosition, size_t lastPosition) {
    if (firstPosition >= lastPosition) return;
    const size_t lastBlock = BlockOf(lastPosition - 1);
    for (size_t block = BlockOf(firstPosition); block <= lastBlock; ++block) stale_[block] = true;
    anyStale_ = true;
}

TCullBox TCullBoxList::UnionOfBlock(size_t block) const {
    const size_t first = block * kCullBlockSize;
    const size_t last = std::min(boxes_.size(), first + kCullBlockSize);
    TCullBox united = kEmptyBox;
    for (size_t position = first; position < last; ++position) Unite(united, boxes_[position]);
    return united;
}

bool TCullBoxList::AnyTextIn(size_t block) const {
    const size_t first = block * kCullBlockSize;
    const size_t last = std::min(boxes_.size(), first + kCullBlockSize);
    return std::any_of(kinds_.begin() + static_cast<std::ptrdiff_t>(first),
                       kinds_.begin() + static_cast<std::ptrdiff_t>(last),
                       [](TCullKind kind) { return kind == TCullKind::Text; });
}
