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
    TViewTransform zoomed = *this;
    zoomed.Left = x - newWidth * rx;
    zoomed.Right = x + newWidth * (1 - rx);
    zoomed.Bottom = y - newHeight * ry;
    zoomed.Top = y + newHeight * (1 - ry);
    return TakeIfSound(zoomed);
}

bool TViewTransform::Pan(double dx, double dy) {
    TViewTransform panned = *this;
    panned.Left += dx;
    panned.Right += dx;
    panned.Top += dy;
    panned.Bottom += dy;
    return TakeIfSound(panned);
}

bool TViewTransform::SetView(double left, double top, double right, double bottom) {
    TViewTransform set = *this;
    set.Left = left;
    set.Top = top;
    set.Right = right;
    set.Bottom = bottom;
    if (!set.HasFiniteSize()) return false;
    *this = set;
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
    TViewTransform fitted = *this;
    fitted.Left = box.MinX - width * kExtentsMargin;
    fitted.Right = box.MaxX + width * kExtentsMargin;
    fitted.Bottom = box.MinY - height * kExtentsMargin;
    fitted.Top = box.MaxY + height * kExtentsMargin;
    if (!fitted.HasFiniteSize() || !fitted.FitToClient()) return false;
    *this = fitted;
    return true;
}

bool TViewTransform::FitToClient() {
    if (!HasArea()) return true;
    const double vw = ViewWidth();
    const double vh = ViewHeight();
    TViewTransform fitted = *this;
    // Halves first: the sum of two edges near the largest double overflows.
    if (vw / PositiveOrOne(vh) > Aspect()) {
        const double centre = Bottom / 2 + Top / 2;
        const double half = vw / 2 / Aspect();
        fitted.Bottom = centre - half;
        fitted.Top = centre + half;
    } else {
        const double centre = Left / 2 + Right / 2;
        const double half = vh / 2 * Aspect();
        fitted.Left = centre - half;
        fitted.Right = centre + half;
    }
    return TakeIfSound(fitted);
}

bool TViewTransform::HasFiniteSize() const {
    return AllFinite({Left, Right, Top, Bottom, ViewWidth(), ViewHeight()});
}

bool TViewTransform::TakeIfSound(const TViewTransform& changed) {
    const bool lostWidth = ViewWidth() > 0 && !(changed.ViewWidth() > 0);
    const bool lostHeight = ViewHeight() > 0 && !(changed.ViewHeight() > 0);
    if (!changed.HasFiniteSize() || lostWidth || lostHeight) return false;
    *this = changed;
    return true;
}
