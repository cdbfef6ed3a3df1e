#include "canvas/ScaleBar.h"

#include "canvas/MapGrid.h"
#include "platform/NumberFormat.h"

#include <algorithm>

namespace {

constexpr int kTargetPixels = 150;
constexpr int kMinPixels = 30;
constexpr int kMaxPixels = 150;
const QString kLabelFont = "Arial";
constexpr int kLabelSize = 8;

QString LengthLabel(double length) {
    if (length >= 1000) return QString::fromStdString(FormatFixed(length / 1000, 1) + " km");
    if (length >= 1) return QString::fromStdString(FormatFixed(length, 0) + " m");
    return QString::fromStdString(FormatFixed(length * 100, 0) + " cm");
}

}  // namespace

TScaleBarLayout LayoutScaleBar(const TViewTransform& view) {
    if (!(view.ViewWidth() > 0) || view.Width <= 0) return {};
    const double perPixel = view.ViewWidth() / view.Width;
    const double niceLength = NiceStep(kTargetPixels * perPixel);
    const int unclamped = SaturatedTrunc(niceLength / perPixel);
    const int pixels = std::clamp(unclamped, kMinPixels, kMaxPixels);
    // A bar cut to its limits is labelled with the length it covers.
    const double length = pixels == unclamped ? niceLength : pixels * perPixel;
    return {pixels, length, LengthLabel(length)};
}

void DrawScaleBar(const TViewTransform& view, TDrawSurface& surface) {
    const TScaleBarLayout bar = LayoutScaleBar(view);
    if (bar.Pixels == 0) return;
    const int w = view.Width, h = view.Height, n = bar.Pixels;
    surface.SetPen(kBlack, 1);
    surface.SetBrush(kWhite, bsSolid);
    surface.Rectangle(w - n - 25, h - 48, w - 15, h - 15);
    const int x0 = w - n - 20;
    surface.SetBrush(kBlack, bsSolid);
    surface.FillRect(x0, h - 43, x0 + n / 2, h - 35);
    surface.SetBrush(kWhite, bsSolid);
    surface.FillRect(x0 + n / 2, h - 43, w - 20, h - 35);
    surface.SetBrushStyle(bsClear);
    surface.Rectangle(x0, h - 43, w - 20, h - 35);
    surface.SetFont(kLabelFont, kLabelSize, false, false);
    surface.SetFontColor(kBlack);
    surface.SetFontOrientation(0);
    surface.TextOut(x0 + (n - surface.TextWidth(bar.Label)) / 2, h - 33, bar.Label);
}
