#include "canvas/MapGrid.h"

#include "platform/NumberFormat.h"

#include <cmath>

namespace {

const QString kLabelFont = "Tahoma";
constexpr int kLabelSize = 8;

// Labels keep clear of the corners where the other axis's labels and the scale bar sit.
constexpr int kFirstLabelColumn = 5;
constexpr int kLabelRightMargin = 50;
constexpr int kFirstLabelRow = 15;
constexpr int kLabelBottomMargin = 20;

void DrawLines(const TCanvasModel& model, TDrawSurface& surface, TGridSpacing spacing) {
    const TViewTransform view = model.View();
    surface.SetPen(model.GridColor, 1);
    surface.SetPenStyle(TPenStyle::Dot);
    for (double x : GridLinePositions(model.ViewLeft, model.ViewRight, spacing.X)) {
        const int px = view.WorldXToPixel(x);
        surface.Line(px, 0, px, view.Height);
    }
    for (double y : GridLinePositions(model.ViewBottom, model.ViewTop, spacing.Y)) {
        const int py = view.WorldYToPixel(y);
        surface.Line(0, py, view.Width, py);
    }
    surface.SetPenStyle(TPenStyle::Solid);
}

void DrawLabels(const TCanvasModel& model, TDrawSurface& surface, TGridSpacing spacing) {
    const TViewTransform view = model.View();
    const int w = view.Width, h = view.Height;
    surface.SetFont(kLabelFont, kLabelSize, false, false);
    surface.SetFontColor(kBlack);
    surface.SetFontOrientation(0);
    surface.SetBrush(kWhite, bsSolid);
    for (double x : GridLinePositions(model.ViewLeft, model.ViewRight, spacing.X)) {
        const int px = view.WorldXToPixel(x);
        if (px < kFirstLabelColumn || px > w - kLabelRightMargin) continue;
        const QString text = GridLabel(x, spacing.X);
        const int half = surface.TextWidth(text) / 2;
        const int th = surface.TextHeight(text);
        surface.FillRect(px - half - 2, h - th - 4, px + half + 2, h - 2);
        surface.TextOut(px - half, h - th - 3, text);
    }
    for (double y : GridLinePositions(model.ViewBottom, model.ViewTop, spacing.Y)) {
        const int py = view.WorldYToPixel(y);
        if (py < kFirstLabelRow || py > h - kLabelBottomMargin) continue;
        const QString text = GridLabel(y, spacing.Y);
        const int tw = surface.TextWidth(text);
        const int half = surface.TextHeight(text) / 2;
        surface.FillRect(2, py - half - 1, tw + 6, py + half + 1);
        surface.TextOut(4, py - half, text);
    }
    surface.SetBrushStyle(bsClear);
}

}  // namespace

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
        const double step = NiceStep(model.GetViewWidth() * 0.25);
        return {step, step};
    }
    return {model.GridSpacingX, model.GridSpacingY};
}

void DrawGrid(const TCanvasModel& model, TDrawSurface& surface) {
    if (!model.GridVisible || !(model.GetViewWidth() > 0) || !(model.GetViewHeight() > 0)) return;
    const TGridSpacing spacing = ChooseGridSpacing(model);
    DrawLines(model, surface, spacing);
    DrawLabels(model, surface, spacing);
}
