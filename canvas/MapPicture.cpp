#include "canvas/MapPicture.h"

#include "canvas/DisplaySettings.h"
#include "canvas/QPainterSurface.h"
#include "platform/NumberFormat.h"

#include <algorithm>

namespace {

// Beyond this many shapes appended between two paints (an import), drawing the picture afresh
// costs less than drawing each onto its tiles.
constexpr size_t kMaxAppendedShapes = 2000;

const QString kNumberFont = "Arial";

int TileOf(int pixel) {
    return pixel >= 0 ? pixel / kTilePixels : -((-pixel - 1) / kTilePixels) - 1;
}

// The id of the last shape in drawing order off the live layer, 0 for none.
int LastPicturedId(const TCanvasModel& model) {
    const auto& shapes = model.Shapes();
    for (size_t i = shapes.size(); i-- > 0;) {
        if (shapes[i]->LayerId != model.LiveLayer) return shapes[i]->Id;
    }
    return 0;
}

// The labels appended to a list since `taken` of them were taken: a list whose length grew by
// as many as it changed only grew.
bool OnlyAppended(size_t size, size_t taken, unsigned revision, unsigned takenRevision) {
    return size > taken && size - taken == revision - takenRevision;
}

}  // namespace

TMapPicture::TKey TMapPicture::KeyOf(const TCanvasModel& model) {
    TKey key{model.BackgroundColor,
             model.GridVisible,
             model.GridAutoSpacing,
             model.GridSpacingX,
             model.GridSpacingY,
             model.GridColor,
             model.GridOnTop,
             model.LiveLayer,
             0,
             0};
    if (model.GridVisible) {
        key.GridWidth = model.ClientWidth();
        key.GridHeight = model.ClientHeight();
    }
    return key;
}

std::uint64_t TMapPicture::TileKey(int column, int row) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(column)) << 32) |
           static_cast<std::uint32_t>(row);
}

void TMapPicture::Update(const TCanvasModel& model) {
    const TRasterLattice& lattice = model.Lattice();
    const TKey key = KeyOf(model);
    const bool afresh = !valid_ || model.Dirty || !lattice.SameLattice(lattice_) || !(key == key_);
    lattice_ = lattice;
    key_ = key;
    clientWidth_ = std::max(1, model.ClientWidth());
    clientHeight_ = std::max(1, model.ClientHeight());
    if (afresh) {
        Clear(model);
    } else {
        DrawAppended(model);
    }
    UpdateLabels(model);
    const TRasterRect screen = lattice_.Screen(clientWidth_, clientHeight_);
    for (int row = TileOf(screen.Top); row <= TileOf(screen.Bottom() - 1); ++row) {
        for (int column = TileOf(screen.Left); column <= TileOf(screen.Right() - 1); ++column) {
            auto [tile, added] = tiles_.try_emplace(TileKey(column, row));
            if (added) {
                tile->second = DrawTile(
                    model, {column * kTilePixels, row * kTilePixels, kTilePixels, kTilePixels});
            }
            if (tile->second.TopStale) ComposeTop(model, tile->second);
        }
    }
    DropTilesOutside(screen.Grown(kTilePixels, kTilePixels));
}

void TMapPicture::Draw(QPainter& painter) const {
    const TRasterRect screen = lattice_.Screen(clientWidth_, clientHeight_);
    for (const auto& [key, tile] : tiles_) {
        if (!tile.Rect.Intersects(screen)) continue;
        painter.drawImage(tile.Rect.Left - screen.Left, tile.Rect.Top - screen.Top, tile.Top);
    }
}

void TMapPicture::Clear(const TCanvasModel& model) {
    tiles_.clear();
    valid_ = true;
    lastPictured_ = LastPicturedId(model);
}

void TMapPicture::DrawAppended(const TCanvasModel& model) {
    size_t first = 0;
    if (lastPictured_ != 0) {
        const std::optional<size_t> last = model.PositionOf(lastPictured_);
        // Only a change the model marks Dirty removes a pictured shape.
        if (!last) return Clear(model);
        first = *last + 1;
    }
    const auto& shapes = model.Shapes();
    const TCullBoxList& boxes = model.CullBoxes();
    size_t count = 0;
    TWorldRect reach{0, 0, 0, 0};
    for (size_t i = first; i < shapes.size(); ++i) {
        if (shapes[i]->LayerId == model.LiveLayer) continue;
        // A text may take a cell from an older one: the tops would all change.
        if (boxes.Kind(i) == TCullKind::Text || ++count > kMaxAppendedShapes) return Clear(model);
        const TQShape& shape = *shapes[i];
        reach =
            count == 1
                ? TWorldRect{shape.MinX, shape.MaxX, shape.MaxY, shape.MinY}
                : TWorldRect{std::min(reach.Left, shape.MinX), std::max(reach.Right, shape.MaxX),
                             std::max(reach.Top, shape.MaxY), std::min(reach.Bottom, shape.MinY)};
    }
    if (count == 0) return;
    for (auto& [key, tile] : tiles_) {
        const TWorldRect area =
            lattice_.WorldOf(tile.Rect.Grown(kInkMarginPixels, kInkMarginPixels));
        // NaN boxes fail both ways, as they fail the renderer's own test.
        if (!(reach.Right >= area.Left && reach.Left <= area.Right && reach.Top >= area.Bottom &&
              reach.Bottom <= area.Top)) {
            continue;
        }
        QPainter painter(&tile.Base);
        TQPainterSurface surface(painter);
        const int before = tile.State.Drawn;
        DrawAppendedShapes(model, lattice_, tile.Rect, surface, first, tile.State);
        if (tile.State.Drawn != before) tile.TopStale = true;
    }
    lastPictured_ = LastPicturedId(model);
}

void TMapPicture::UpdateLabels(const TCanvasModel& model) {
    TakeSoundings(model);
    TakeNumberLabels(model);
    TLabelLayout::TChange change;
    const TLabelStyle soundingStyle{model.SoundingsVisible, model.SoundingFontName,
                                    model.SoundingFontSize, false, model.SoundingColor};
    if (soundings_.Layout(lattice_, soundingStyle, &change)) MarkTops(change);
    const TLabelStyle numberStyle{true, kNumberFont, EventLabelFontSize, true, EventLabelColor};
    if (numbers_.Layout(lattice_, numberStyle, &change)) MarkTops(change);
}

void TMapPicture::TakeSoundings(const TCanvasModel& model) {
    const TSoundingList& list = model.Soundings;
    if (list.Revision() == soundingsRevision_) return;
    const auto& items = list.Items();
    const bool appended =
        OnlyAppended(items.size(), soundingsTaken_, list.Revision(), soundingsRevision_);
    std::vector<TLabelInput> labels;
    for (size_t i = appended ? soundingsTaken_ : 0; i < items.size(); ++i) {
        labels.push_back(
            {items[i].X, items[i].Y, QString::fromStdString(FormatFixed(items[i].Z, 1))});
    }
    if (appended) {
        soundings_.AppendLabels(std::move(labels));
    } else {
        soundings_.SetLabels(std::move(labels));
    }
    soundingsRevision_ = list.Revision();
    soundingsTaken_ = items.size();
}

void TMapPicture::TakeNumberLabels(const TCanvasModel& model) {
    const auto& items = model.NumberLabels;
    const unsigned revision = model.NumberLabelsRevision();
    if (revision == numbersRevision_ && items.size() == numbersTaken_) return;
    const bool appended = OnlyAppended(items.size(), numbersTaken_, revision, numbersRevision_);
    std::vector<TLabelInput> labels;
    for (size_t i = appended ? numbersTaken_ : 0; i < items.size(); ++i) {
        labels.push_back({items[i].X, items[i].Y, QString::number(items[i].Number)});
    }
    if (appended) {
        numbers_.AppendLabels(std::move(labels));
    } else {
        numbers_.SetLabels(std::move(labels));
    }
    numbersRevision_ = revision;
    numbersTaken_ = items.size();
}

void TMapPicture::MarkTops(const TLabelLayout::TChange& change) {
    for (auto& [key, tile] : tiles_) {
        if (tile.TopStale) continue;
        tile.TopStale = change.Everything || std::any_of(change.Areas.begin(), change.Areas.end(),
                                                         [&](const TRasterRect& area) {
                                                             return area.Intersects(tile.Rect);
                                                         });
    }
}

TMapPicture::TTile TMapPicture::DrawTile(const TCanvasModel& model, const TRasterRect& rect) const {
    TTile tile;
    tile.Rect = rect;
    tile.Base = QImage(rect.Width, rect.Height, QImage::Format_RGB32);
    QPainter painter(&tile.Base);
    TQPainterSurface surface(painter);
    tile.State = DrawMapBase(model, lattice_, rect, surface);
    return tile;
}

void TMapPicture::ComposeTop(const TCanvasModel& model, TTile& tile) const {
    tile.Top = tile.Base;
    QPainter painter(&tile.Top);
    TQPainterSurface surface(painter);
    DrawMapTop(model, lattice_, tile.Rect, surface);
    soundings_.Draw(tile.Rect, surface);
    numbers_.Draw(tile.Rect, surface);
    tile.TopStale = false;
}

void TMapPicture::DropTilesOutside(const TRasterRect& kept) {
    std::erase_if(tiles_, [&](const auto& entry) { return !entry.second.Rect.Intersects(kept); });
}
