#include "canvas/MapRenderer.h"

#include "canvas/MapGrid.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapeText.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// Points of a dense track closer than this (in pixels, both axes) to the last one drawn add
// nothing to the picture.
constexpr int kPointMergePixels = 2;
constexpr int kTextCellPixels = 60;
constexpr size_t kPrefetchAhead = 8;

struct TFrame {
    const TCanvasModel& Model;
    TDrawSurface& Surface;
    TPixelMapper Mapper;
    int Width, Height;
    // World size of one pixel.
    double PixelSize;
    std::vector<bool> VisibleLayers;
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
        // Shapes come in runs of one colour; the rule is worked out once per run.
        if (shape.Color != LastColor) {
            LastColor = shape.Color;
            LastContrast = Model.ContrastColor(shape.Color);
        }
        shape.DrawInColor(Surface, Mapper, LastContrast);
        ++Drawn;
    }

    int PixelX(double x) const { return SaturatedTrunc((x - Model.ViewLeft) / PixelSize); }
    int PixelY(double y) const { return SaturatedTrunc((Model.ViewTop - y) / PixelSize); }

    // The last colour drawn and what the contrast rule made of it.
    TColor LastColor = -1;
    TColor LastContrast = 0;
};

std::vector<bool> VisibleLayerSet(const TShapeStore& store) {
    std::vector<bool> visible(store.NextLayerId() + 1, false);
    for (const auto& layer : store.Layers()) {
        if (layer->Visible && layer->Id >= 0 && layer->Id <= store.NextLayerId()) {
            visible[layer->Id] = true;
        }
    }
    return visible;
}

// A point close to the last point drawn is skipped; otherwise it becomes the last point.
bool MergesWithLastPoint(const TFrame& frame, const TQShape& shape, TPixel& lastPoint) {
    const auto* point = dynamic_cast<const TQPoint*>(&shape);
    if (!point) return false;
    const TPixel p{frame.PixelX(point->X), frame.PixelY(point->Y)};
    if (std::abs(p.X - lastPoint.X) <= kPointMergePixels &&
        std::abs(p.Y - lastPoint.Y) <= kPointMergePixels) {
        return true;
    }
    lastPoint = p;
    return false;
}

bool BelowHalfPixel(const TFrame& frame, const TQShape& shape) {
    const double half = 0.5 * frame.PixelSize;
    return shape.MaxX - shape.MinX < half && shape.MaxY - shape.MinY < half;
}

// Rectangles and lines are always drawn: a thin long line has a box that is thin too. Texts
// in view are set aside for the second pass, which draws them on top.
void DrawNonTexts(TFrame& frame, std::vector<const TQText*>& texts) {
    TPixel lastPoint{-9999, -9999};
    const auto& shapes = frame.Model.Shapes();
    const auto& boxes = frame.Model.CullBoxes();
    for (size_t i = 0; i < shapes.size(); ++i) {
        if (frame.Drawn >= kMaxDrawnShapes) return;
        if (!frame.MayBeInView(boxes[i])) continue;
        // Shapes lie apart on the heap; fetching ahead hides the wait when most are in view.
        if (i + kPrefetchAhead < shapes.size()) {
            const char* ahead = reinterpret_cast<const char*>(shapes[i + kPrefetchAhead].get());
            __builtin_prefetch(ahead);
            __builtin_prefetch(ahead + 64);
            __builtin_prefetch(ahead + 128);
        }
        const TQShape& shape = *shapes[i];
        if (!frame.InView(shape)) continue;
        const int type = shape.ShapeType;
        if (type == stText) {
            if (const auto* text = dynamic_cast<const TQText*>(&shape)) texts.push_back(text);
            continue;
        }
        if (type == stPoint && MergesWithLastPoint(frame, shape, lastPoint)) continue;
        if (type != stRectangle && type != stLine && type != stPoint &&
            BelowHalfPixel(frame, shape))
            continue;
        frame.Draw(shape);
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
    TFrame frame{model,
                 surface,
                 TPixelMapper(model.ViewLeft, model.ViewRight, model.ViewTop, model.ViewBottom,
                              width, height),
                 width,
                 height,
                 viewWidth / width,
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
