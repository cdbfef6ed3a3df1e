#pragma once
// The map picture the canvas paints from: background, grid, shapes (all but the live layer's),
// depth labels and event numbers, kept as square tiles of the pixel lattice (RasterLattice.h)
// from one paint to the next, so that a map tick costs what it changes, not what the map holds.
//
// - A pan keeps every tile; the tiles that come into view are drawn.
// - A shape appended on top (the new track segment) is drawn onto the tiles it reaches.
// - A depth label or event number that comes or goes redraws the labels of its tiles.
// - A change of zoom, of the background, of the grid or of any shape other than an appended
//   one (the model marks it Dirty) draws the picture afresh.
// - Tiles that leave the view are dropped a tile's width later.
//
// Tiles rather than one bitmap shifted along: the painter clips a line at the edge of what it
// draws on, and where it clips moves the line's pixels, so a picture shifted and patched at its
// edge would differ from one drawn afresh. A tile's edges stay where they are on the lattice, so
// a tile is the same whenever it is drawn, and the picture after any run of pans, appends and
// new labels is the picture drawn afresh, pixel for pixel.

#include "canvas/CanvasModel.h"
#include "canvas/MapLabels.h"
#include "canvas/MapRenderer.h"
#include "canvas/RasterLattice.h"

#include <QImage>
#include <QPainter>
#include <cstdint>
#include <unordered_map>

constexpr int kTilePixels = 256;

class TMapPicture {
public:
    // Brings the tiles of the model's view up to date. After a change the model marks Dirty the
    // caller clears the mark, so that the next update knows what is new.
    void Update(const TCanvasModel& model);
    // Draws the view's picture as last brought up to date, the screen's top-left at (0, 0).
    void Draw(QPainter& painter) const;
    size_t TileCount() const { return tiles_.size(); }

private:
    struct TTile {
        TRasterRect Rect;
        // Background, the grid under the shapes and every shape but the texts.
        QImage Base;
        // The base with the texts, the grid over the shapes and the labels.
        QImage Top;
        TBaseState State;
        bool TopStale = true;
    };
    // What every tile depends on besides the shapes and the lattice.
    struct TKey {
        TColor Background = 0;
        bool GridVisible = false, GridAutoSpacing = false;
        double GridSpacingX = 0, GridSpacingY = 0;
        TColor GridColor = 0;
        int GridOnTop = 0;
        int LiveLayer = -1;
        // The grid's spacing and density follow the client's size.
        int GridWidth = 0, GridHeight = 0;

        bool operator==(const TKey&) const = default;
    };
    static TKey KeyOf(const TCanvasModel& model);
    static std::uint64_t TileKey(int column, int row);

    void Clear(const TCanvasModel& model);
    void DrawAppended(const TCanvasModel& model);
    void UpdateLabels(const TCanvasModel& model);
    void TakeSoundings(const TCanvasModel& model);
    void TakeNumberLabels(const TCanvasModel& model);
    void MarkTops(const TLabelLayout::TChange& change);
    TTile DrawTile(const TCanvasModel& model, const TRasterRect& rect) const;
    void ComposeTop(const TCanvasModel& model, TTile& tile) const;
    void DropTilesOutside(const TRasterRect& kept);

    bool valid_ = false;
    TRasterLattice lattice_;
    TKey key_;
    int clientWidth_ = 1, clientHeight_ = 1;
    std::unordered_map<std::uint64_t, TTile> tiles_;
    // The last shape the tiles hold, the live layer's aside (0 for none): the ones after it are
    // appended.
    int lastPictured_ = 0;
    TLabelLayout soundings_, numbers_;
    unsigned soundingsRevision_ = 0, numbersRevision_ = 0;
    size_t soundingsTaken_ = 0, numbersTaken_ = 0;
};
