#pragma once
// The depth labels and the event numbers of the map picture, drawn so that they can be read: a
// label whose text box would overlap one already kept is skipped, the newest kept first, so
// the current coverage reads where an old line and a new one cross. Nothing leaves the lists:
// a zoom in brings the skipped labels back.
//
// The layout is taken on the lattice, over every label wherever the view lies, so every tile
// of the picture draws the same labels and a pan changes none. It is taken again when the
// labels, their style or the lattice change; labels appended since cost their own text only.

#include "canvas/DrawSurface.h"
#include "canvas/RasterLattice.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

// A label's text box on the lattice; the right column and the bottom row are left out.
struct TLabelBox {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;

    bool Overlaps(const TLabelBox& other) const {
        return Left < other.Right && other.Left < Right && Top < other.Bottom && other.Top < Bottom;
    }
};

// The positions of the boxes kept, in the order given (oldest first): the newest box is kept,
// then every older one that overlaps none kept so far. Boxes that only touch do not overlap.
std::vector<size_t> KeepNewestFirst(std::span<const TLabelBox> boxes);

// Boxes by the square cells of the lattice they cover, to find those near a box.
class TLabelCells {
public:
    void Clear() { cells_.clear(); }
    void Add(std::uint32_t index, const TLabelBox& box) {
        ForCells(box, [&](std::uint64_t key) { cells_[key].push_back(index); });
    }
    // Calls visit(index) for every box added that shares a cell with this one (some more than
    // once).
    template <class Visit>
    void ForNear(const TLabelBox& box, Visit visit) const {
        ForCells(box, [&](std::uint64_t key) {
            const auto cell = cells_.find(key);
            if (cell == cells_.end()) return;
            for (const std::uint32_t index : cell->second) visit(index);
        });
    }

private:
    static constexpr int kCellPixels = 64;
    static int CellOf(int pixel) {
        return pixel >= 0 ? pixel / kCellPixels : -((-pixel + kCellPixels - 1) / kCellPixels);
    }
    template <class Visit>
    static void ForCells(const TLabelBox& box, Visit visit) {
        if (box.Right <= box.Left || box.Bottom <= box.Top) return;
        for (int column = CellOf(box.Left); column <= CellOf(box.Right - 1); ++column) {
            for (int row = CellOf(box.Top); row <= CellOf(box.Bottom - 1); ++row) {
                visit((static_cast<std::uint64_t>(static_cast<std::uint32_t>(column)) << 32) |
                      static_cast<std::uint32_t>(row));
            }
        }
    }

    std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> cells_;
};

// One label: its grid position and its text.
struct TLabelInput {
    double X = 0, Y = 0;
    QString Text;
};

struct TLabelStyle {
    bool Visible = true;
    QString FontName;
    int Size = 10;
    bool Bold = false;
    TColor Color = 0;

    bool operator==(const TLabelStyle&) const = default;
};

class TLabelLayout {
public:
    // The labels, oldest first; or more of them, newer than those held.
    void SetLabels(std::vector<TLabelInput> labels);
    void AppendLabels(std::vector<TLabelInput> labels);
    size_t LabelCount() const { return labels_.size(); }
    // Lays the labels out for the lattice and the style. Returns false when nothing changed;
    // otherwise *changed receives where pixels may have changed: the ink of the labels that came
    // or went, or everything (Everything set) after a change of style or lattice or of labels
    // other than appended ones. Labels appended cost what lies near them: a newer label takes
    // its place from the older ones it overlaps, and those it hides may give room back to
    // older ones again.
    struct TChange {
        bool Everything = false;
        std::vector<TRasterRect> Areas;
    };
    bool Layout(const TRasterLattice& lattice, const TLabelStyle& style, TChange* changed);

    // Draws the kept labels that reach the rectangle onto a surface of its size, oldest first.
    void Draw(const TRasterRect& rect, TDrawSurface& surface) const;

private:
    TLabelBox BoxOf(const TLabelInput& label);
    int WidthOf(const QString& text);
    // Whether label i overlaps a kept label newer than itself.
    bool Hidden(size_t i) const;
    void LayOutAll();
    void LayOutAppended(std::vector<TRasterRect>& areas);
    TRasterRect InkOf(size_t i) const;

    std::vector<TLabelInput> labels_;
    // Labels laid out so far (those after came by AppendLabels), or none after SetLabels.
    size_t laidOutCount_ = 0;
    TLabelStyle style_;
    TRasterLattice lattice_;
    bool laidOut_ = false;
    int height_ = 0;
    QHash<QString, int> widthOfText_;
    std::vector<TLabelBox> boxes_;
    std::vector<char> kept_;
    TLabelCells cells_;
};
