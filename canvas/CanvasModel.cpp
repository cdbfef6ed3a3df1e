#include "canvas/CanvasModel.h"

#include "canvas/ShapePrefetch.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

// Boxes reaching beyond this are broken imports; they would squash the rest of the map.
constexpr double kMaxExtent = 1e15;

bool UsableForExtents(const TQShape& shape) {
    return shape.Visible && shape.MinX >= -kMaxExtent && shape.MaxX <= kMaxExtent &&
           shape.MinY >= -kMaxExtent && shape.MaxY <= kMaxExtent && shape.MinX <= shape.MaxX &&
           shape.MinY <= shape.MaxY;
}

std::optional<TWorldBox> VisibleShapesBox(const TShapeStore& store) {
    std::optional<TWorldBox> united;
    for (const auto& shape : store.Shapes()) {
        if (!UsableForExtents(*shape)) continue;
        if (!united) {
            united = TWorldBox{shape->MinX, shape->MinY, shape->MaxX, shape->MaxY};
            continue;
        }
        united->MinX = std::min(united->MinX, shape->MinX);
        united->MinY = std::min(united->MinY, shape->MinY);
        united->MaxX = std::max(united->MaxX, shape->MaxX);
        united->MaxY = std::max(united->MaxY, shape->MaxY);
    }
    return united;
}

// Stands in for the control while none is set: no cursor, no events.
class TSilentHost final : public TCanvasHost {
public:
    void SetCursor(TCanvasCursor) override {}
    void ShapeNumberSelected(int, int) override {}
    void WorldMouseMove(int, double, double, double, double) override {}
    void WorldMouseDown(int, int, int, double, double) override {}
    void DrawBegin(int, double, double) override {}
    void DrawEnd(int, double, double) override {}
};

// Pixels around the click within which a shape is hit, unless its line is wider.
constexpr int kHitTolerancePixels = 3;
constexpr int kWideLinePixels = 4;

// Luminance on a scale of 0 (black) to 255,000 (white).
int Luminance(TColor c) { return 299 * RedOf(c) + 587 * GreenOf(c) + 114 * BlueOf(c); }

constexpr int kDark = 50000;
constexpr int kLight = 201000;
constexpr int kMidGrey = 129000;
// Colours closer than this (summed over red, green and blue) are hard to tell apart.
constexpr int kMinDifference = 60;

}  // namespace

TViewTransform TCanvasModel::View() const {
    TViewTransform view;
    view.Left = ViewLeft;
    view.Right = ViewRight;
    view.Top = ViewTop;
    view.Bottom = ViewBottom;
    view.Width = clientWidth_;
    view.Height = clientHeight_;
    return view;
}

bool TCanvasModel::ApplyView(const TViewTransform& view) {
    ViewLeft = view.Left;
    ViewRight = view.Right;
    ViewTop = view.Top;
    ViewBottom = view.Bottom;
    Invalidate();
    return true;
}

// Follows the view as it is now: the edges are public fields, so the lattice is brought up to
// date whenever it is asked for.
const TRasterLattice& TCanvasModel::Lattice() const {
    lattice_.Follow(ViewLeft, ViewRight, ViewTop, ViewBottom, std::max(1, clientWidth_),
                    std::max(1, clientHeight_));
    return lattice_;
}

TPixelMapper TCanvasModel::ScreenMapper() const {
    const TRasterLattice& lattice = Lattice();
    return lattice.MapperFor(lattice.Screen(std::max(1, clientWidth_), std::max(1, clientHeight_)));
}

void TCanvasModel::ResizeClient(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    TViewTransform view = View();
    view.FitToClient();
    ApplyView(view);
}

bool TCanvasModel::ZoomExtents() {
    TViewTransform view = View();
    if (const std::optional<TWorldBox> box = VisibleShapesBox(*this)) {
        if (!view.FitBox(*box)) return false;
    } else {
        view.ResetToDefault();
    }
    return ApplyView(view);
}

bool TCanvasModel::ZoomAt(double step, double x, double y) {
    TViewTransform view = View();
    return view.ZoomAt(step, x, y) && ApplyView(view);
}

bool TCanvasModel::Pan(double dx, double dy) {
    TViewTransform view = View();
    return view.Pan(dx, dy) && ApplyView(view);
}

bool TCanvasModel::SetView(double left, double top, double right, double bottom) {
    TViewTransform view = View();
    return view.SetView(left, top, right, bottom) && ApplyView(view);
}

bool TCanvasModel::FitView(double left, double top, double right, double bottom) {
    TViewTransform view = View();
    return view.SetView(left, top, right, bottom) && view.FitToClient() && ApplyView(view);
}

TColor TCanvasModel::ContrastColor(TColor color) const {
    const int shade = Luminance(color);
    const int background = Luminance(BackgroundColor);
    if (shade < kDark && background < kDark) return kWhite;
    if (shade >= kLight && background >= kLight) return kBlack;
    const int difference = std::abs(RedOf(color) - RedOf(BackgroundColor)) +
                           std::abs(GreenOf(color) - GreenOf(BackgroundColor)) +
                           std::abs(BlueOf(color) - BlueOf(BackgroundColor));
    if (difference >= kMinDifference) return color;
    return background < kMidGrey ? kWhite : kBlack;
}

void TCanvasModel::SetBackgroundColor(TColor color) {
    if (color == BackgroundColor) return;
    BackgroundColor = color;
    Redraw();
}

const TQBlock* TCanvasModel::FindBlock(const QString& name) const {
    for (const auto& block : Blocks) {
        if (block->Name == name) return block.get();
    }
    return nullptr;
}

TCanvasHost& TCanvasModel::Host() const {
    static TSilentHost silent;
    return host_ ? *host_ : silent;
}

int TCanvasModel::HitTest(double x, double y) const {
    const double worldPerPixel = GetViewWidth() / (clientWidth_ > 0 ? clientWidth_ : 1);
    const auto& shapes = Shapes();
    for (size_t i = shapes.size(); i-- > 0;) {
        PrefetchBefore(shapes, i);
        const TQShape& shape = *shapes[i];
        if (!shape.Visible) continue;
        const int pixels =
            shape.LineWidth >= kWideLinePixels ? shape.LineWidth : kHitTolerancePixels;
        if (shape.HitTest(x, y, pixels * worldPerPixel)) return shape.Id;
    }
    return -1;
}

void TCanvasModel::AbandonDrawing() {
    ToolActive = false;
    PointPending = false;
    PendingShape.reset();
    Host().SetCursor(TCanvasCursor::Default);
    Invalidate();
}

void TCanvasModel::CancelDrawing() {
    SwallowNextClick = false;
    DrawLayer = -1;
    AbandonDrawing();
}
