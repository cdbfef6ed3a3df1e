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
#include <span>
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
    // or went, or everything (Everything set) after a change of style or lattice.
    struct TChange {
        bool Everything = false;
        std::vector<TRasterRect> Areas;
    };
    bool Layout(const TRasterLattice& lattice, const TLabelStyle& style, TChange* changed);

    // Draws the kept labels that reach the rectangle onto a surface of its size.
    void Draw(const TRasterRect& rect, TDrawSurface& surface) const;

private:
    struct TPlaced {
        TPixel At;  // top-left of the text on the lattice
        QString Text;
        TRasterRect Ink;
    };
    int WidthOf(const QString& text);
    std::vector<TPlaced> Place(const TRasterLattice& lattice);

    std::vector<TLabelInput> labels_;
    bool labelsChanged_ = true;
    TLabelStyle style_;
    TRasterLattice lattice_;
    bool laidOut_ = false;
    int height_ = 0;
    QHash<QString, int> widthOfText_;
    std::vector<TPlaced> placed_;
};
