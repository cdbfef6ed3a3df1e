#include "canvas/MapRenderer.h"

#include "canvas/MapGrid.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapeText.h"
#include "canvas/ShapePrefetch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <span>
#include <vector>

namespace {

// A dense track's points that fall in a cell of this many pixels (both axes) that an earlier
// point took add nothing to the picture.
constexpr int kPointCellPixels = 3;
constexpr int kTextCellPixels = 60;
// Texts whose anchor lies this far off a tile cannot reach into it (as QShapeText.cpp has it).
constexpr int kTextReachX = 500;
constexpr int kTextReachY = 100;

int FloorDiv(int value, int divisor) {
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

std::vector<char> VisibleLayerSet(const TShapeStore& store) {
    std::vector<char> visible(store.NextLayerId() + 1, false);
    for (const auto& layer : store.Layers()) {
        if (layer->Visible && layer->Id >= 0 && layer->Id <= store.NextLayerId()) {
            visible[layer->Id] = true;
        }
    }
    return visible;
}

struct TTileFrame {
    TTileFrame(const TCanvasModel& model, const TRasterLattice& lattice, const TRasterRect& rect,
               TDrawSurface& surface)
        : Model(model),
          Surface(surface),
          Lattice(lattice),
          Rect(rect),
          Mapper(lattice.MapperFor(rect)),
          Reach(lattice.WorldOf(rect.Grown(kInkMarginPixels, kInkMarginPixels))),
          PixelSize(1 / lattice.ScaleX),
          SquarePixels(lattice.ScaleX == lattice.ScaleY),
          VisibleLayers(VisibleLayerSet(model)) {
        // The live layer is drawn over the picture, not in it.
        if (model.LiveLayer >= 0 && model.LiveLayer < static_cast<int>(VisibleLayers.size())) {
            VisibleLayers[model.LiveLayer] = false;
        }
    }

    const TCanvasModel& Model;
    TDrawSurface& Surface;
    const TRasterLattice& Lattice;
    TRasterRect Rect;
    TPixelMapper Mapper;
    // The tile's world rectangle, grown by the ink margin.
    TWorldRect Reach;
    // World size of one pixel of the x scale.
    double PixelSize;
    bool SquarePixels;
    // One byte per layer id: a plain load per shape, where std::vector<bool> shifts and masks.
    std::vector<char> VisibleLayers;
    int Drawn = 0;

    bool LayerVisible(int id) const {
        return id >= 0 && id < static_cast<int>(VisibleLayers.size()) && VisibleLayers[id];
    }

    bool MayReach(const TCullBox& box) const {
        return box.MayOverlap(Reach.Left, Reach.Right, Reach.Bottom, Reach.Top);
    }

    bool Reaches(const TQShape& shape) const {
        return shape.MaxX >= Reach.Left && shape.MinX <= Reach.Right &&
               shape.MaxY >= Reach.Bottom && shape.MinY <= Reach.Top;
    }

    bool Shown(const TQShape& shape) const { return shape.Visible && LayerVisible(shape.LayerId); }

    void Draw(const TQShape& shape) {
        shape.DrawInColor(Surface, Mapper, Contrast(shape.Color));
        ++Drawn;
    }

    // A point at the lattice pixel the merge worked out. With square pixels that is the pixel
    // the drawing would compute again, less the tile's corner; a track is mostly points.
    void DrawPoint(const TQPoint& point, TPixel lattice) {
        if (!SquarePixels) return Draw(point);
        point.DrawAtPixel(Surface, {lattice.X - Rect.Left, lattice.Y - Rect.Top},
                          point.DrawnColor(Contrast(point.Color)));
        ++Drawn;
    }

    // Shapes come in runs of a few colours (the track layers); the rule is worked out once
    // for each colour held in a small round-robin cache.
    TColor Contrast(TColor color) {
        for (const auto& [known, contrast] : ContrastCache) {
            if (known == color) return contrast;
        }
        const TColor contrast = Model.ContrastColor(color);
        ContrastCache[NextCacheSlot] = {color, contrast};
        NextCacheSlot = (NextCacheSlot + 1) % ContrastCache.size();
        return contrast;
    }

    // Colours and what the contrast rule made of them; -1 is no colour.
    std::array<std::pair<TColor, TColor>, 8> ContrastCache{
        {{-1, 0}, {-1, 0}, {-1, 0}, {-1, 0}, {-1, 0}, {-1, 0}, {-1, 0}, {-1, 0}}};
    size_t NextCacheSlot = 0;
};

// The 3-pixel cells of the lattice (both axes at the x scale) that points may take in a tile:
// those within a few pixels of it, whole, so every point that falls in one of them reaches the
// tile and every tile finds the same first point in a cell.
struct TPointCells {
    int FirstColumn = 0, FirstRow = 0, Columns = 0, Rows = 0;

    TPointCells(const TRasterLattice& lattice, const TRasterRect& rect) {
        // Cells that reach this far lie within the ink margin.
        const TWorldRect area = lattice.WorldOf(
            rect.Grown(kInkMarginPixels - kPointCellPixels, kInkMarginPixels - kPointCellPixels));
        FirstColumn = FloorDiv(lattice.Column(area.Left), kPointCellPixels);
        FirstRow = FloorDiv(lattice.RowAtColumnScale(area.Top), kPointCellPixels);
        Columns = FloorDiv(lattice.Column(area.Right), kPointCellPixels) - FirstColumn + 1;
        Rows = FloorDiv(lattice.RowAtColumnScale(area.Bottom), kPointCellPixels) - FirstRow + 1;
    }

    // The cell's place in a table of the cells, or -1 when it is not one of them.
    long IndexOf(TPixel p) const {
        const int c = FloorDiv(p.X, kPointCellPixels) - FirstColumn;
        const int r = FloorDiv(p.Y, kPointCellPixels) - FirstRow;
        if (c < 0 || c >= Columns || r < 0 || r >= Rows) return -1;
        return static_cast<long>(r) * Columns + c;
    }
    size_t Count() const { return static_cast<size_t>(Columns) * static_cast<size_t>(Rows); }
};

bool BelowHalfPixel(const TTileFrame& frame, const TQShape& shape) {
    const double half = 0.5 * frame.PixelSize;
    return shape.MaxX - shape.MinX < half && shape.MaxY - shape.MinY < half;
}

// The first shown point to fall in a cell takes it and is drawn; later ones add nothing.
void DrawPointOnce(TTileFrame& frame, const TQPoint& point, const TPointCells& cells,
                   std::vector<bool>& taken) {
    if (!frame.Shown(point) || !frame.Reaches(point)) return;
    const TPixel p{frame.Lattice.Column(point.X), frame.Lattice.RowAtColumnScale(point.Y)};
    const long cell = cells.IndexOf(p);
    if (cell < 0 || taken[cell]) return;
    taken[cell] = true;
    frame.DrawPoint(point, p);
}

void DrawOther(TTileFrame& frame, const TQShape& shape) {
    if (!frame.Shown(shape) || !frame.Reaches(shape)) return;
    const int type = shape.ShapeType;
    // Rectangles and lines are always drawn: a thin long line has a box that is thin too.
    if (type != stRectangle && type != stLine && type != stPoint && BelowHalfPixel(frame, shape))
        return;
    frame.Draw(shape);
}

// Every shape but the texts, in drawing order from position `first` on.
void DrawNonTexts(TTileFrame& frame, size_t first, std::vector<bool>& takenCells) {
    const TPointCells cells(frame.Lattice, frame.Rect);
    takenCells.resize(cells.Count());
    const auto& shapes = frame.Model.Shapes();
    const TCullBoxList& boxes = frame.Model.CullBoxes();
    const std::span<const TCullBox> blocks = boxes.Blocks();
    for (size_t block = first / kCullBlockSize; block < blocks.size(); ++block) {
        if (!frame.MayReach(blocks[block])) continue;
        const size_t end = std::min(shapes.size(), (block + 1) * kCullBlockSize);
        for (size_t i = std::max(first, block * kCullBlockSize); i < end; ++i) {
            if (frame.Drawn >= kMaxDrawnShapes) return;
            const TCullKind kind = boxes.Kind(i);
            if (kind == TCullKind::Text || !frame.MayReach(boxes[i])) continue;
            PrefetchAfter(shapes, i);  // pays off when most shapes are in view
            const TQShape& shape = *shapes[i];
            if (kind == TCullKind::Point) {
                DrawPointOnce(frame, static_cast<const TQPoint&>(shape), cells, takenCells);
            } else {
                DrawOther(frame, shape);
            }
        }
    }
}

// The 60-pixel cells of the lattice whose texts may reach the tile, whole cells only, so that
// every tile finds the same first text in a cell.
struct TTextCells {
    int FirstColumn, FirstRow, Columns, Rows;
    TWorldRect World;

    TTextCells(const TRasterLattice& lattice, const TRasterRect& rect) {
        // Rows are counted at the x scale, as the cells are.
        const double rowScale = lattice.ScaleX / lattice.ScaleY;
        const int top = static_cast<int>(std::floor((rect.Top - kTextReachY) * rowScale));
        const int bottom = static_cast<int>(std::ceil((rect.Bottom() + kTextReachY) * rowScale));
        FirstColumn = FloorDiv(rect.Left - kTextReachX, kTextCellPixels);
        FirstRow = FloorDiv(top, kTextCellPixels);
        Columns = FloorDiv(rect.Right() + kTextReachX, kTextCellPixels) - FirstColumn + 1;
        Rows = FloorDiv(bottom, kTextCellPixels) - FirstRow + 1;
        const double cell = kTextCellPixels / lattice.ScaleX;
        // One pixel more on every side: the rounding of these edges must not lose an anchor.
        World = {lattice.OriginX + (FirstColumn * kTextCellPixels - 1) / lattice.ScaleX,
                 lattice.OriginX + (FirstColumn + Columns) * cell + 1 / lattice.ScaleX,
                 lattice.OriginY - (FirstRow * kTextCellPixels - 1) / lattice.ScaleX,
                 lattice.OriginY - (FirstRow + Rows) * cell - 1 / lattice.ScaleX};
    }

    // The cell's place in a table of the cells, or -1 when it is not one of them.
    int IndexOf(int column, int row) const {
        const int c = FloorDiv(column, kTextCellPixels) - FirstColumn;
        const int r = FloorDiv(row, kTextCellPixels) - FirstRow;
        if (c < 0 || c >= Columns || r < 0 || r >= Rows) return -1;
        return r * Columns + c;
    }
};

// Only the first text of each cell is drawn, so dense texts stay readable.
void DrawTexts(TTileFrame& frame, const TRasterRect& rect) {
    const TTextCells cells(frame.Lattice, rect);
    std::vector<char> taken(static_cast<size_t>(cells.Columns) * cells.Rows, false);
    const auto& shapes = frame.Model.Shapes();
    const TCullBoxList& boxes = frame.Model.CullBoxes();
    const std::span<const TCullBox> blocks = boxes.Blocks();
    const TWorldRect& w = cells.World;
    for (size_t block = 0; block < blocks.size(); ++block) {
        if (!boxes.BlockHoldsText(block)) continue;
        if (!blocks[block].MayOverlap(w.Left, w.Right, w.Bottom, w.Top)) continue;
        const size_t end = std::min(shapes.size(), (block + 1) * kCullBlockSize);
        for (size_t i = block * kCullBlockSize; i < end; ++i) {
            if (frame.Drawn >= kMaxDrawnShapes) return;
            if (boxes.Kind(i) != TCullKind::Text) continue;
            if (!boxes[i].MayOverlap(w.Left, w.Right, w.Bottom, w.Top)) continue;
            const auto* text = dynamic_cast<const TQText*>(shapes[i].get());
            if (!text || !frame.Shown(*text)) continue;
            const int cell = cells.IndexOf(frame.Lattice.Column(text->X),
                                           frame.Lattice.RowAtColumnScale(text->Y));
            if (cell < 0 || taken[cell]) continue;
            taken[cell] = true;
            frame.Draw(*text);
        }
    }
}

}  // namespace

TBaseState DrawMapBase(const TCanvasModel& model, const TRasterLattice& lattice,
                       const TRasterRect& rect, TDrawSurface& surface) {
    surface.SetBrush(model.BackgroundColor, bsSolid);
    surface.FillRect(0, 0, rect.Width, rect.Height);
    if (model.GridOnTop == 0) DrawGridLines(model, lattice, rect, surface);
    TBaseState state;
    DrawAppendedShapes(model, lattice, rect, surface, 0, state);
    return state;
}

void DrawAppendedShapes(const TCanvasModel& model, const TRasterLattice& lattice,
                        const TRasterRect& rect, TDrawSurface& surface, size_t first,
                        TBaseState& state) {
    TTileFrame frame(model, lattice, rect, surface);
    frame.Drawn = state.Drawn;
    DrawNonTexts(frame, first, state.TakenPointCells);
    state.Drawn = frame.Drawn;
}

int DrawMapTop(const TCanvasModel& model, const TRasterLattice& lattice, const TRasterRect& rect,
               TDrawSurface& surface) {
    TTileFrame frame(model, lattice, rect, surface);
    DrawTexts(frame, rect);
    if (model.GridOnTop == 1) DrawGridLines(model, lattice, rect, surface);
    return frame.Drawn;
}

void DrawLiveShapes(const TCanvasModel& model, TDrawSurface& surface) {
    if (model.LiveLayer < 0 || !model.GetLayerVisible(model.LiveLayer)) return;
    const TRasterLattice& lattice = model.Lattice();
    const TRasterRect screen =
        lattice.Screen(std::max(1, model.ClientWidth()), std::max(1, model.ClientHeight()));
    TTileFrame frame(model, lattice, screen, surface);
    for (const size_t position : model.PositionsOnLayer(model.LiveLayer)) {
        const TQShape& shape = *model.Shapes()[position];
        if (shape.Visible && frame.Reaches(shape)) frame.Draw(shape);
    }
}
