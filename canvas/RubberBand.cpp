#include "canvas/RubberBand.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// The vertices placed so far, then the rubber point, and for a polygon back to the start.
void DrawPendingChain(const TCanvasModel& model, const TPixelMapper& view, TDrawSurface& surface,
                      TPixel rubber, bool closed) {
    if (!model.PendingShape || model.PendingShape->Vertices.empty()) return;
    std::vector<TPixel> chain;
    for (const TWorldPoint& v : model.PendingShape->Vertices) {
        chain.push_back({view.X(v.X), view.Y(v.Y)});
    }
    chain.push_back(rubber);
    if (closed) chain.push_back(chain.front());
    surface.Polyline(chain);
}

}  // namespace

void DrawRubberBand(const TCanvasModel& model, TDrawSurface& surface) {
    if (!model.ToolActive || !model.PointPending) return;
    // On the picture's pixels, so the band meets the shapes it starts from.
    const TPixelMapper view = model.ScreenMapper();
    const TPixel a{view.X(model.AnchorX), view.Y(model.AnchorY)};
    const TPixel r{view.X(model.RubberX), view.Y(model.RubberY)};
    surface.SetPen(kWhite, 1);
    surface.SetPenMode(TPenMode::Xor);
    surface.SetBrushStyle(bsClear);
    switch (model.DrawMode) {
        case 1:
        case 4:
        case -3:
        case -1:
            surface.Rectangle(a.X, a.Y, r.X, r.Y);
            break;
        case 3:
            surface.Line(a.X, a.Y, r.X, r.Y);
            break;
        case 5:
        case 8:
        case 10:
            DrawPendingChain(model, view, surface, r, false);
            break;
        case 6:
            DrawPendingChain(model, view, surface, r, true);
            break;
        case 19: {
            // The x scale alone sets the radius.
            const double rho =
                std::hypot(model.RubberX - model.AnchorX, model.RubberY - model.AnchorY);
            const int radius = std::abs(view.X(model.AnchorX + rho) - a.X);
            surface.Ellipse(a.X - radius, a.Y - radius, a.X + radius, a.Y + radius);
            break;
        }
        default:
            break;
    }
    surface.SetPenMode(TPenMode::Copy);
}
