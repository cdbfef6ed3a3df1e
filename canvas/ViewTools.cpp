#include "canvas/ViewTools.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// World units: a smaller zoom window is a slip of the mouse.
constexpr double kMinZoomWindow = 0.001;
constexpr int kDynamicZoomMinPixels = 4;
constexpr double kDynamicZoomPerPixel = 0.01;
constexpr int kPanMinPixels = 3;

}  // namespace

void TZoomWindowTool::LeftPress(const TToolEvent& at) {
    if (!model_.PointPending) {
        model_.ToolActive = true;
        model_.PointPending = true;
        model_.AnchorX = model_.RubberX = at.World.X;
        model_.AnchorY = model_.RubberY = at.World.Y;
        model_.Host().SetCursor(TCanvasCursor::Cross);
        return;
    }
    ZoomTo(at.World);
    model_.ToolActive = false;
    model_.PointPending = false;
    model_.Host().SetCursor(TCanvasCursor::Default);
    LeaveToolUnlessKept(model_);
    model_.Invalidate();
}

void TZoomWindowTool::ZoomTo(const TWorldPoint& corner) {
    const double x1 = model_.AnchorX, y1 = model_.AnchorY;
    if (!(std::abs(corner.X - x1) > kMinZoomWindow && std::abs(corner.Y - y1) > kMinZoomWindow)) {
        return;
    }
    TViewTransform view = model_.View();
    view.SetView(std::min(x1, corner.X), std::max(y1, corner.Y), std::max(x1, corner.X),
                 std::min(y1, corner.Y));
    view.FitToClient();
    model_.SetView(view.Left, view.Top, view.Right, view.Bottom);
}

void TDynamicZoomTool::LeftPress(const TToolEvent& at) {
    model_.DragZooming = true;
    model_.DragPixel = at.Pixel;
}

void TDynamicZoomTool::Move(const TToolEvent& at) {
    const int dy = model_.DragPixel.Y - at.Pixel.Y;
    if (std::abs(dy) < kDynamicZoomMinPixels) return;
    model_.ZoomAt(dy * kDynamicZoomPerPixel, (model_.ViewLeft + model_.ViewRight) / 2,
                  (model_.ViewTop + model_.ViewBottom) / 2);
    model_.DragPixel = at.Pixel;
}

void TPanTool::Begin(const TToolEvent& at) {
    model_.Panning = true;
    model_.DragPixel = at.Pixel;
    model_.Host().SetCursor(TCanvasCursor::SizeAll);
}

void TPanTool::Move(const TToolEvent& at) {
    const TPixel from = model_.DragPixel;
    if (std::abs(at.Pixel.X - from.X) < kPanMinPixels &&
        std::abs(at.Pixel.Y - from.Y) < kPanMinPixels) {
        return;
    }
    const TWorldPoint a = model_.ScreenToWorld(from.X, from.Y);
    const TWorldPoint b = model_.ScreenToWorld(at.Pixel.X, at.Pixel.Y);
    model_.Pan(a.X - b.X, a.Y - b.Y);
    model_.DragPixel = at.Pixel;
}

void TPanTool::End() {
    model_.Panning = false;
    model_.Host().SetCursor(TCanvasCursor::Default);
}
