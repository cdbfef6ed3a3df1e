#include "canvas/MapLabels.h"

#include "canvas/QPainterSurface.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>

namespace {

// Glyphs and their smoothing may reach this far beyond the text box.
constexpr int kInkMarginPixels = 3;
// Side of the square cells in which kept boxes are looked up.
constexpr int kCellPixels = 64;

int CellOf(int pixel) {
    return pixel >= 0 ? pixel / kCellPixels : -((-pixel + kCellPixels - 1) / kCellPixels);
}

std::uint64_t CellKey(int column, int row) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(column)) << 32) |
           static_cast<std::uint32_t>(row);
}

// The kept boxes by the cells they cover.
class TKeptBoxes {
public:
    explicit TKeptBoxes(std::span<const TLabelBox> boxes) : boxes_(boxes) {}

    bool OverlapsAny(const TLabelBox& box) const {
        bool found = false;
        ForCells(box, [&](std::uint64_t key) {
            const auto cell = cells_.find(key);
            if (cell == cells_.end()) return;
            for (const size_t kept : cell->second) found |= boxes_[kept].Overlaps(box);
        });
        return found;
    }

    void Keep(size_t position) {
        ForCells(boxes_[position], [&](std::uint64_t key) { cells_[key].push_back(position); });
    }

private:
    template <class Visit>
    static void ForCells(const TLabelBox& box, Visit visit) {
        if (box.Right <= box.Left || box.Bottom <= box.Top) return;
        for (int column = CellOf(box.Left); column <= CellOf(box.Right - 1); ++column) {
            for (int row = CellOf(box.Top); row <= CellOf(box.Bottom - 1); ++row) {
                visit(CellKey(column, row));
            }
        }
    }

    std::span<const TLabelBox> boxes_;
    std::unordered_map<std::uint64_t, std::vector<size_t>> cells_;
};

struct TPlacedKey {
    int X, Y;
    const QString* Text;

    bool operator==(const TPlacedKey& other) const {
        return X == other.X && Y == other.Y && *Text == *other.Text;
    }
};

struct TPlacedKeyHash {
    size_t operator()(const TPlacedKey& key) const {
        return qHash(*key.Text) ^ (static_cast<size_t>(key.X) * 0x9E3779B97F4A7C15ull) ^
               (static_cast<size_t>(key.Y) * 0xC2B2AE3D27D4EB4Full);
    }
};

}  // namespace

std::vector<size_t> KeepNewestFirst(std::span<const TLabelBox> boxes) {
    TKeptBoxes kept(boxes);
    std::vector<size_t> positions;
    for (size_t i = boxes.size(); i-- > 0;) {
        if (kept.OverlapsAny(boxes[i])) continue;
        kept.Keep(i);
        positions.push_back(i);
    }
    std::reverse(positions.begin(), positions.end());
    return positions;
}

void TLabelLayout::SetLabels(std::vector<TLabelInput> labels) {
    labels_ = std::move(labels);
    labelsChanged_ = true;
}

void TLabelLayout::AppendLabels(std::vector<TLabelInput> labels) {
    labels_.insert(labels_.end(), std::make_move_iterator(labels.begin()),
                   std::make_move_iterator(labels.end()));
    labelsChanged_ = true;
}

int TLabelLayout::WidthOf(const QString& text) {
    const auto known = widthOfText_.constFind(text);
    if (known != widthOfText_.constEnd()) return *known;
    const QFontMetrics metrics(ScreenFont(style_.FontName, style_.Size, style_.Bold, false));
    return widthOfText_[text] = metrics.horizontalAdvance(text);
}

std::vector<TLabelLayout::TPlaced> TLabelLayout::Place(const TRasterLattice& lattice) {
    if (!style_.Visible) return {};
    std::vector<TLabelBox> boxes;
    boxes.reserve(labels_.size());
    for (const TLabelInput& label : labels_) {
        const int width = WidthOf(label.Text);
        const int left = lattice.Column(label.X) - width / 2;
        const int top = lattice.Row(label.Y) - height_ / 2;
        boxes.push_back({left, top, left + width, top + height_});
    }
    std::vector<TPlaced> placed;
    for (const size_t i : KeepNewestFirst(boxes)) {
        const TLabelBox& b = boxes[i];
        placed.push_back({{b.Left, b.Top},
                          labels_[i].Text,
                          TRasterRect{b.Left, b.Top, b.Right - b.Left, b.Bottom - b.Top}.Grown(
                              kInkMarginPixels, kInkMarginPixels)});
    }
    return placed;
}

bool TLabelLayout::Layout(const TRasterLattice& lattice, const TLabelStyle& style,
                          TChange* changed) {
    const bool everything = !laidOut_ || !lattice.SameLattice(lattice_) || !(style == style_);
    if (!everything && !labelsChanged_) return false;
    if (style.FontName != style_.FontName || style.Size != style_.Size ||
        style.Bold != style_.Bold || !laidOut_) {
        widthOfText_.clear();
        height_ = QFontMetrics(ScreenFont(style.FontName, style.Size, style.Bold, false)).height();
    }
    style_ = style;
    lattice_ = lattice;
    laidOut_ = true;
    labelsChanged_ = false;
    std::vector<TPlaced> placed = Place(lattice);
    changed->Everything = everything;
    changed->Areas.clear();
    if (!everything) {
        // The labels that came or went; those that stayed are drawn as they were.
        const auto keyOf = [](const TPlaced& p) { return TPlacedKey{p.At.X, p.At.Y, &p.Text}; };
        std::unordered_set<TPlacedKey, TPlacedKeyHash> before, after;
        for (const TPlaced& p : placed_) before.insert(keyOf(p));
        for (const TPlaced& p : placed) after.insert(keyOf(p));
        for (const TPlaced& p : placed_) {
            if (!after.count(keyOf(p))) changed->Areas.push_back(p.Ink);
        }
        for (const TPlaced& p : placed) {
            if (!before.count(keyOf(p))) changed->Areas.push_back(p.Ink);
        }
    }
    placed_ = std::move(placed);
    return true;
}

void TLabelLayout::Draw(const TRasterRect& rect, TDrawSurface& surface) const {
    bool styled = false;
    for (const TPlaced& p : placed_) {
        if (!p.Ink.Intersects(rect)) continue;
        if (!styled) {
            surface.SetFont(style_.FontName, style_.Size, style_.Bold, false);
            surface.SetFontColor(style_.Color);
            surface.SetFontOrientation(0);
            styled = true;
        }
        surface.TextOut(p.At.X - rect.Left, p.At.Y - rect.Top, p.Text);
    }
}
