#include "canvas/MapRenderer.h"

#include "canvas/MapGrid.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapeText.h"
#include "canvas/ShapePrefetch.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <span>
#include <typeinfo>
#include <vector>

namespace {

// Points of a dense track closer than this (in pixels, both axes) to the last one drawn add
// nothing to the picture.
constexpr int kPointMergePixels = 2;
constexpr int kTextCellPixels = 60;

struct TFrame {
    const TCanvasModel& Model;
    TDrawSurface& Surface;
    TPixelMapper Mapper;
    int Width, Height;
    // World size of one pixel, and its inverse: pixels per world unit.
    double PixelSize;
    double PixelsPerUnit;
    // The merge test's pixels (one scale for both axes) are the drawing's pixels.
    bool SquarePixels;
    // One byte per layer id: a plain load per shape, where std::vector<bool> shifts and masks.
    std::vector<char> VisibleLayers;
    int Drawn = 0;

    bool LayerVisible(int id) const {
        return id >= 0 && id < static_cast<int>(VisibleLayers.size()) && VisibleLayers[id];
    }

    bool MayBeInView(const TCullBox& box) const {
        return box.MayOverlap(Model.ViewLeft, Model.ViewRight, Model.ViewBottom, Model.ViewTop);
    }

    bool InView(const TQShape& shape) const {
        return shape.MaxX >= Model.ViewLeft && shape.MinX <= Model.ViewRight &&
               shape.MaxY >= Model.ViewBottom && shape.MinY <= Model.ViewTop && shape.Visible &&
               LayerVisible(shape.LayerId);
    }

    void Draw(const TQShape& shape) {
        shape.DrawInColor(Surface, Mapper, Contrast(shape.Color));
        ++Drawn;
    }

    // A point whose pixel the merge test has worked out. With square pixels that is the pixel
    // the drawing would compute again; a track is mostly points, so it is used as it is.
    void DrawPoint(const TQPoint& point, TPixel pixel) {
        if (!SquarePixels) return Draw(point);
        point.DrawAtPixel(Surface, pixel, point.DrawnColor(Contrast(point.Color)));
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

    // A multiplication instead of a division per coordinate: dense tracks call these for every
    // point, and a last-bit difference only moves a merge by one pixel.
    int PixelX(double x) const { return SaturatedTrunc((x - Model.ViewLeft) * PixelsPerUnit); }
    int PixelY(double y) const { return SaturatedTrunc((Model.ViewTop - y) * PixelsPerUnit); }

    // Colours and what the contrast rule made of them; -1 is no colour.
    std::array<std::pair<TColor, TColor>, 8> ContrastCache{
        {{-1, 0}, {-1, 0}, {-1, 0}, {-1, 0}, {-1, 0}, {-1, 0}, {-1, 0}, {-1, 0}}};
    size_t NextCacheSlot = 0;
};

std::vector<char> VisibleLayerSet(const TShapeStore& store) {
    std::vector<char> visible(store.NextLayerId() + 1, false);
    for (const auto& layer : store.Layers()) {
        if (layer->Visible && layer->Id >= 0 && layer->Id <= store.NextLayerId()) {
            visible[layer->Id] = true;
        }
    }
    return visible;
}

// A point close to the last point drawn is skipped; otherwise it is drawn and becomes the last
// point. False for a shape that is not a TQPoint.
bool DrawOrMergePoint(TFrame& frame, const TQShape& shape, TPixel& lastPoint) {
    // TQPoint is final: comparing the type is exact and much cheaper than a dynamic_cast.
    if (typeid(shape) != typeid(TQPoint)) return false;
    const auto& point = static_cast<const TQPoint&>(shape);
    const TPixel p{frame.PixelX(point.X), frame.PixelY(point.Y)};
    if (std::abs(p.X - lastPoint.X) <= kPointMergePixels &&
        std::abs(p.Y - lastPoint.Y) <= kPointMergePixels) {
        return true;
    }
    lastPoint = p;
    frame.DrawPoint(point, p);
    return true;
}

bool BelowHalfPixel(const TFrame& frame, const TQShape& shape) {
    const double half = 0.5 * frame.PixelSize;
    return shape.MaxX - shape.MinX < half && shape.MaxY - shape.MinY < half;
}

// A shape in view: a text is set aside, a point merged or drawn, any other kind drawn unless
// it is below half a pixel.
void DrawNonText(TFrame& frame, const TQShape& shape, std::vector<const TQText*>& texts,
                 TPixel& lastPoint) {
    const int type = shape.ShapeType;
    if (type == stText) {
        if (const auto* text = dynamic_cast<const TQText*>(&shape)) texts.push_back(text);
        return;
    }
    if (type == stPoint && DrawOrMergePoint(frame, shape, lastPoint)) return;
    if (type != stRectangle && type != stLine && type != stPoint && BelowHalfPixel(frame, shape))
        return;
    frame.Draw(shape);
}

// Rectangles and lines are always drawn: a thin long line has a box that is thin too. Texts
// in view are set aside for the second pass, which draws them on top. The shapes of a block
// whose box lies off the view would each be skipped by their own box, so the block is passed
// over whole: neither the order nor the point merge sees a difference.
void DrawNonTexts(TFrame& frame, std::vector<const TQText*>& texts) {
    TPixel lastPoint{-9999, -9999};
    const auto& shapes = frame.Model.Shapes();
    const TCullBoxList& boxes = frame.Model.CullBoxes();
    const std::span<const TCullBox> blocks = boxes.Blocks();
    for (size_t block = 0; block < blocks.size(); ++block) {
        if (!frame.MayBeInView(blocks[block])) continue;
        const size_t end = std::min(shapes.size(), (block + 1) * kCullBlockSize);
        for (size_t i = block * kCullBlockSize; i < end; ++i) {
            if (frame.Drawn >= kMaxDrawnShapes) return;
            if (!frame.MayBeInView(boxes[i])) continue;
            PrefetchAfter(shapes, i);  // pays off when most shapes are in view
            const TQShape& shape = *shapes[i];
            if (frame.InView(shape)) DrawNonText(frame, shape, texts, lastPoint);
        }
    }
}

// Only the first text in each 60-pixel cell is drawn, so dense labels stay readable.
void DrawTexts(TFrame& frame, const std::vector<const TQText*>& texts) {
    const int columns = frame.Width / kTextCellPixels + 2;
    const int rows = frame.Height / kTextCellPixels + 2;
    std::vector<bool> taken(static_cast<size_t>(columns) * rows, false);
    for (const TQText* text : texts) {
        if (frame.Drawn >= kMaxDrawnShapes) return;
        const int column = std::clamp(frame.PixelX(text->X) / kTextCellPixels, 0, columns - 1);
        const int row = std::clamp(frame.PixelY(text->Y) / kTextCellPixels, 0, rows - 1);
        const size_t cell = static_cast<size_t>(row) * columns + column;
        if (taken[cell]) continue;
        taken[cell] = true;
        frame.Draw(*text);
    }
}

}  // namespace

int DrawShapes(const TCanvasModel& model, TDrawSurface& surface) {
    const int width = std::max(1, model.ClientWidth());
    const int height = std::max(1, model.ClientHeight());
    const double viewWidth = model.GetViewWidth() > 0 ? model.GetViewWidth() : 1;
    const TPixelMapper mapper(model.ViewLeft, model.ViewRight, model.ViewTop, model.ViewBottom,
                              width, height);
    const double pixelsPerUnit = width / viewWidth;
    TFrame frame{model,
                 surface,
                 mapper,
                 width,
                 height,
                 viewWidth / width,
                 pixelsPerUnit,
                 mapper.ScaleX() == pixelsPerUnit && mapper.ScaleY() == pixelsPerUnit,
                 VisibleLayerSet(model)};
    std::vector<const TQText*> texts;
    DrawNonTexts(frame, texts);
    DrawTexts(frame, texts);
    return frame.Drawn;
}

void RenderBackBuffer(const TCanvasModel& model, TDrawSurface& surface) {
    surface.SetBrush(model.BackgroundColor, bsSolid);
    surface.FillRect(0, 0, model.ClientWidth(), model.ClientHeight());
    if (model.GridOnTop == 0) DrawGrid(model, surface);
    DrawShapes(model, surface);
    if (model.GridOnTop == 1) DrawGrid(model, surface);
}
