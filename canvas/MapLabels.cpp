#include "canvas/MapLabels.h"

#include "canvas/QPainterSurface.h"

#include <QFontMetrics>
#include <algorithm>
#include <queue>

namespace {

// Glyphs and their smoothing may reach this far beyond the text box.
constexpr int kInkMarginPixels = 3;

}  // namespace

std::vector<size_t> KeepNewestFirst(std::span<const TLabelBox> boxes) {
    TLabelCells kept;
    std::vector<size_t> positions;
    for (size_t i = boxes.size(); i-- > 0;) {
        bool hidden = false;
        kept.ForNear(boxes[i], [&](std::uint32_t k) { hidden |= boxes[k].Overlaps(boxes[i]); });
        if (hidden) continue;
        kept.Add(static_cast<std::uint32_t>(i), boxes[i]);
        positions.push_back(i);
    }
    std::reverse(positions.begin(), positions.end());
    return positions;
}

void TLabelLayout::SetLabels(std::vector<TLabelInput> labels) {
    labels_ = std::move(labels);
    laidOutCount_ = 0;
    laidOut_ = false;
}

void TLabelLayout::AppendLabels(std::vector<TLabelInput> labels) {
    labels_.insert(labels_.end(), std::make_move_iterator(labels.begin()),
                   std::make_move_iterator(labels.end()));
}

int TLabelLayout::WidthOf(const QString& text) {
    const auto known = widthOfText_.constFind(text);
    if (known != widthOfText_.constEnd()) return *known;
    const QFontMetrics metrics(ScreenFont(style_.FontName, style_.Size, style_.Bold, false));
    return widthOfText_[text] = metrics.horizontalAdvance(text);
}

// The text's box centred on the label's lattice pixel.
TLabelBox TLabelLayout::BoxOf(const TLabelInput& label) {
    const int width = WidthOf(label.Text);
    const int left = lattice_.Column(label.X) - width / 2;
    const int top = lattice_.Row(label.Y) - height_ / 2;
    return {left, top, left + width, top + height_};
}

TRasterRect TLabelLayout::InkOf(size_t i) const {
    const TLabelBox& b = boxes_[i];
    return TRasterRect{b.Left, b.Top, b.Right - b.Left, b.Bottom - b.Top}.Grown(kInkMarginPixels,
                                                                                kInkMarginPixels);
}

bool TLabelLayout::Hidden(size_t i) const {
    bool hidden = false;
    cells_.ForNear(boxes_[i], [&](std::uint32_t k) {
        hidden |= k > i && kept_[k] && boxes_[k].Overlaps(boxes_[i]);
    });
    return hidden;
}

void TLabelLayout::LayOutAll() {
    boxes_.clear();
    cells_.Clear();
    kept_.assign(labels_.size(), false);
    if (!style_.Visible) return;
    for (size_t i = 0; i < labels_.size(); ++i) {
        boxes_.push_back(BoxOf(labels_[i]));
        cells_.Add(static_cast<std::uint32_t>(i), boxes_[i]);
    }
    for (size_t i = labels_.size(); i-- > 0;) kept_[i] = !Hidden(i);
}

// The appended labels, newest first, then every older label whose newer neighbours changed,
// newest first again: a label's place depends on the newer labels it overlaps alone, so when
// one is taken up all that may change it are settled.
void TLabelLayout::LayOutAppended(std::vector<TRasterRect>& areas) {
    const size_t first = boxes_.size();
    kept_.resize(labels_.size(), false);
    std::vector<char> queued(labels_.size(), false);
    std::priority_queue<size_t> due;
    for (size_t i = first; i < labels_.size(); ++i) {
        boxes_.push_back(BoxOf(labels_[i]));
        cells_.Add(static_cast<std::uint32_t>(i), boxes_[i]);
        due.push(i);
        queued[i] = true;
    }
    while (!due.empty()) {
        const size_t i = due.top();
        due.pop();
        const bool keep = !Hidden(i);
        if (i < first && keep == static_cast<bool>(kept_[i])) continue;
        kept_[i] = keep;
        if (i < first || keep) areas.push_back(InkOf(i));
        if (i >= first && !keep) continue;  // a new label that stays hidden changes nothing
        cells_.ForNear(boxes_[i], [&](std::uint32_t k) {
            if (k < i && !queued[k] && boxes_[k].Overlaps(boxes_[i])) {
                queued[k] = true;
                due.push(k);
            }
        });
    }
}

bool TLabelLayout::Layout(const TRasterLattice& lattice, const TLabelStyle& style,
                          TChange* changed) {
    const bool everything = !laidOut_ || !lattice.SameLattice(lattice_) || !(style == style_);
    if (!everything && laidOutCount_ == labels_.size()) return false;
    if (style.FontName != style_.FontName || style.Size != style_.Size ||
        style.Bold != style_.Bold || widthOfText_.isEmpty()) {
        widthOfText_.clear();
        height_ = QFontMetrics(ScreenFont(style.FontName, style.Size, style.Bold, false)).height();
    }
    style_ = style;
    lattice_ = lattice;
    laidOut_ = true;
    changed->Everything = everything;
    changed->Areas.clear();
    if (everything) {
        LayOutAll();
    } else if (style_.Visible) {
        LayOutAppended(changed->Areas);
    }
    laidOutCount_ = labels_.size();
    return true;
}

void TLabelLayout::Draw(const TRasterRect& rect, TDrawSurface& surface) const {
    const TRasterRect near = rect.Grown(kInkMarginPixels, kInkMarginPixels);
    std::vector<std::uint32_t> drawn;
    cells_.ForNear({near.Left, near.Top, near.Right(), near.Bottom()}, [&](std::uint32_t k) {
        if (kept_[k] && InkOf(k).Intersects(rect)) drawn.push_back(k);
    });
    if (drawn.empty()) return;
    std::sort(drawn.begin(), drawn.end());
    drawn.erase(std::unique(drawn.begin(), drawn.end()), drawn.end());
    surface.SetFont(style_.FontName, style_.Size, style_.Bold, false);
    surface.SetFontColor(style_.Color);
    surface.SetFontOrientation(0);
    for (const std::uint32_t k : drawn) {
        surface.TextOut(boxes_[k].Left - rect.Left, boxes_[k].Top - rect.Top, labels_[k].Text);
    }
}
