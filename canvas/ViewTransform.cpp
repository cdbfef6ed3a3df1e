#include "canvas/ViewTransform.h"

#include "canvas/PixelMapper.h"

#include <cmath>

namespace {

bool AllFinite(std::initializer_list<double> values) {
    for (double v : values) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

double NonZero(double span) { return span == 0 ? 1 : span; }

double PositiveOrOne(double span) { return span > 0 ? span : 1; }

constexpr double kMaxZoomFactor = 10;
constexpr double kMinZoomFactor = 0.1;
constexpr double kExtentsMargin = 0.05;

}  // namespace

TPixel TViewTransform::WorldToScreen(double x, double y) const {
    return {WorldXToPixel(x), WorldYToPixel(y)};
}

int TViewTransform::WorldXToPixel(double x) const {
    return SaturatedTrunc((x - Left) * (Width / NonZero(ViewWidth())));
}

int TViewTransform::WorldYToPixel(double y) const {
    return SaturatedTrunc((Top - y) * (Height / NonZero(ViewHeight())));
}

TWorldPoint TViewTransform::ScreenToWorld(int px, int py) const {
    const double width = Width > 0 ? Width : 1;
    const double height = Height > 0 ? Height : 1;
    return {px * (ViewWidth() / width) + Left, Top - py * (ViewHeight() / height)};
}

bool TViewTransform::ZoomAt(double step, double x, double y) {
    if (!HasArea() || !AllFinite({step, x, y})) return false;
    double factor = 1 - step;
    if (factor <= 0) factor = kMinZoomFactor;
    if (factor > kMaxZoomFactor) factor = kMaxZoomFactor;
    const double w = PositiveOrOne(ViewWidth());
    const double h = PositiveOrOne(ViewHeight());
    const double newWidth = factor * w;
    const double newHeight = newWidth / Aspect();
    const double rx = (x - Left) / w;
    const double ry = (y - Bottom) / h;
    const TViewTransform old = *this;
    Left = x - newWidth * rx;
    Right = x + newWidth * (1 - rx);
    Bottom = y - newHeight * ry;
    Top = y + newHeight * (1 - ry);
    if (AllFinite({Left, Right, Top, Bottom})) return true;
    *this = old;
    return false;
}

bool TViewTransform::Pan(double dx, double dy) {
    if (!AllFinite({Left + dx, Right + dx, Top + dy, Bottom + dy})) return false;
    Left += dx;
    Right += dx;
    Top += dy;
    Bottom += dy;
    return true;
}

bool TViewTransform::SetView(double left, double top, double right, double bottom) {
    if (!AllFinite({left, top, right, bottom})) return false;
    Left = left;
    Top = top;
    Right = right;
    Bottom = bottom;
    return true;
}

bool TViewTransform::FitBox(const TWorldBox& box) {
    if (!HasArea() || !AllFinite({box.MinX, box.MinY, box.MaxX, box.MaxY})) return false;
    const double width = box.MaxX - box.MinX;
    const double height = box.MaxY - box.MinY;
    if (width == 0 || height == 0) {
        ResetToDefault();
        return true;
    }
    const TViewTransform old = *this;
    Left = box.MinX - width * kExtentsMargin;
    Right = box.MaxX + width * kExtentsMargin;
    Bottom = box.MinY - height * kExtentsMargin;
    Top = box.MaxY + height * kExtentsMargin;
    FitToClient();
    if (AllFinite({Left, Right, Top, Bottom})) return true;
    *this = old;
    return false;
}

void TViewTransform::FitToClient() {
    if (!HasArea()) return;
    const double vw = ViewWidth();
    const double vh = ViewHeight();
    if (vw / PositiveOrOne(vh) > Aspect()) {
        const double centre = (Bottom + Top) / 2;
        Bottom = centre - vw / Aspect() / 2;
        Top = centre + vw / Aspect() / 2;
    } else {
        const double centre = (Left + Right) / 2;
        Left = centre - vh * Aspect() / 2;
        Right = centre + vh * Aspect() / 2;
    }
}
