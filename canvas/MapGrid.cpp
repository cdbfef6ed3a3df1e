#include "canvas/MapGrid.h"

#include "platform/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace {

const QString kLabelFont = "Tahoma";
constexpr int kLabelSize = 8;

// Labels keep clear of the corners where the other axis's labels and the scale bar sit.
constexpr int kFirstLabelColumn = 5;
constexpr int kLabelRightMargin = 50;
constexpr int kFirstLabelRow = 15;
constexpr int kLabelBottomMargin = 20;

// The dotted pen: three pixels on, three off, counted from row or column 0 of the lattice.
constexpr int kDotPixels = 3;
constexpr int kDotPeriod = 2 * kDotPixels;

int FloorMod(int value, int divisor) {
    const int rest = value % divisor;
    return rest < 0 ? rest + divisor : rest;
}

bool HasArea(const TCanvasModel& model) {
    return model.GetViewWidth() > 0 && model.GetViewHeight() > 0;
}

// Lines of one direction at world positions across a tile: `pixel` turns a position into its
// lattice column or row, `first` is the tile's first column or row and `extent` its width or
// height, `along` the first row or column of the tile the other way and `length` its extent
// that way.
template <class Pixel, class Dash>
void DrawDottedLines(const std::vector<double>& positions, Pixel pixel, int first, int extent,
                     int along, int length, Dash dash) {
    for (const double position : positions) {
        const int at = pixel(position) - first;
        if (at < 0 || at >= extent) continue;
        for (int d = -FloorMod(along, kDotPeriod); d < length; d += kDotPeriod) dash(at, d);
    }
}

// Lines closer than a pixel or two cover the map in grey and cost a line per pixel; the
// direction is then left out, judged by the whole screen so that every tile agrees.
bool TooDense(double screenExtent, double spacing) {
    return !(spacing > 0) || screenExtent / spacing > kMaxGridLines;
}

}  // namespace

void DrawGridLines(const TCanvasModel& model, const TRasterLattice& lattice,
                   const TRasterRect& rect, TDrawSurface& surface) {
    if (!model.GridVisible || !HasArea(model)) return;
    const TGridSpacing spacing = ChooseGridSpacing(model);
    const TWorldRect world = lattice.WorldOf(rect.Grown(1, 1));
    surface.SetBrush(model.GridColor, bsSolid);
    if (!TooDense(model.ClientWidth() / lattice.ScaleX, spacing.X)) {
        DrawDottedLines(
            GridLinePositions(world.Left, world.Right, spacing.X),
            [&](double x) { return lattice.Column(x); }, rect.Left, rect.Width, rect.Top,
            rect.Height, [&](int x, int y) { surface.FillRect(x, y, x + 1, y + kDotPixels); });
    }
    if (!TooDense(model.ClientHeight() / lattice.ScaleY, spacing.Y)) {
        DrawDottedLines(
            GridLinePositions(world.Bottom, world.Top, spacing.Y),
            [&](double y) { return lattice.Row(y); }, rect.Top, rect.Height, rect.Left, rect.Width,
            [&](int y, int x) { surface.FillRect(x, y, x + kDotPixels, y + 1); });
    }
}

void DrawGridLabels(const TCanvasModel& model, TDrawSurface& surface) {
    if (!model.GridVisible || !HasArea(model)) return;
    const TGridSpacing spacing = ChooseGridSpacing(model);
    const TPixelMapper view = model.ScreenMapper();
    const int w = view.Width(), h = view.Height();
    surface.SetFont(kLabelFont, kLabelSize, false, false);
    surface.SetFontColor(kBlack);
    surface.SetFontOrientation(0);
    surface.SetBrush(kWhite, bsSolid);
    for (double x : GridLinePositions(model.ViewLeft, model.ViewRight, spacing.X)) {
        const int px = view.X(x);
        if (px < kFirstLabelColumn || px > w - kLabelRightMargin) continue;
        const QString text = GridLabel(x, spacing.X);
        const int half = surface.TextWidth(text) / 2;
        const int th = surface.TextHeight(text);
        surface.FillRect(px - half - 2, h - th - 4, px + half + 2, h - 2);
        surface.TextOut(px - half, h - th - 3, text);
    }
    for (double y : GridLinePositions(model.ViewBottom, model.ViewTop, spacing.Y)) {
        const int py = view.Y(y);
        if (py < kFirstLabelRow || py > h - kLabelBottomMargin) continue;
        const QString text = GridLabel(y, spacing.Y);
        const int tw = surface.TextWidth(text);
        const int half = surface.TextHeight(text) / 2;
        surface.FillRect(2, py - half - 1, tw + 6, py + half + 1);
        surface.TextOut(4, py - half, text);
    }
    surface.SetBrushStyle(bsClear);
}

double NiceStep(double target) {
    if (!(target > 0) || !std::isfinite(target)) return 0;
    const double power = std::pow(10.0, std::floor(std::log10(target)));
    const double m = target / power;
    if (m < 1.5) return power;
    if (m < 3.5) return 2 * power;
    if (m < 7.5) return 5 * power;
    return 10 * power;
}

std::vector<double> GridLinePositions(double from, double to, double spacing) {
    if (!(spacing > 0) || !std::isfinite(spacing)) return {};
    const double first = spacing * std::floor(from / spacing);
    const double count = std::floor((to - first) / spacing) + 1;
    if (!(count >= 0 && count <= kMaxGridLines)) return {};
    std::vector<double> positions;
    for (int i = 0; i < static_cast<int>(count); ++i) {
        const double position = first + i * spacing;
        if (position <= to) positions.push_back(position);
    }
    return positions;
}

QString GridLabel(double value, double spacing) {
    QString text = QString::fromStdString(FormatFixed(value, spacing >= 1 ? 1 : 3));
    while (text.endsWith('0')) text.chop(1);
    if (text.endsWith('.')) text.chop(1);
    return text == "-0" ? QString("0") : text;
}

TGridSpacing ChooseGridSpacing(const TCanvasModel& model) {
    if (model.GridAutoSpacing || !(model.GridSpacingX > 0) || !(model.GridSpacingY > 0)) {
        const double viewWidth = std::max(1, model.ClientWidth()) / model.Lattice().ScaleX;
        const double step = NiceStep(viewWidth * 0.25);
        return {step, step};
    }
    return {model.GridSpacingX, model.GridSpacingY};
}
