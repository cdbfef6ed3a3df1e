#include "canvas/QShapeText.h"

namespace {

// Texts whose anchor lies this far outside the surface cannot reach into it.
constexpr int kTextMarginX = 500;
constexpr int kTextMarginY = 100;
// Near-white text would vanish on the usual white map; it is drawn black.
constexpr int kNearWhiteSum = 603;

TColor TextColor(TColor drawColor) {
    const int sum = RedOf(drawColor) + GreenOf(drawColor) + BlueOf(drawColor);
    return sum >= kNearWhiteSum ? kBlack : drawColor;
}

int AlignOffset(int align, int extent) {
    if (align == 2) return -extent;
    if (align == 1) return -(extent / 2);
    return 0;
}

}  // namespace

int TextPointSize(double size) {
    if (!(size > 0)) return 10;
    if (size < 5) return 4;
    if (size >= 72) return 72;
    return static_cast<int>(size);
}

TQText::TQText(int layerId, double x, double y, const QString& text, int fontIndex)
    : TQShape(layerId, stText), X(x), Y(y), Text(text), FontIndex(fontIndex) {
    UserText2 = text;
    UpdateBounds();
}

void TQText::DrawShape(TDrawSurface& surface, const TPixelMapper& view, TColor drawColor) const {
    if (Text.isEmpty()) return;
    const int px = view.X(X);
    const int py = view.Y(Y);
    if (px < -kTextMarginX || px > view.Width() + kTextMarginX || py < -kTextMarginY ||
        py > view.Height() + kTextMarginY) {
        return;
    }
    surface.SetFont(FontName, TextPointSize(Size), Bold, Italic);
    surface.SetFontColor(TextColor(drawColor));
    surface.SetBrushStyle(bsClear);
    surface.SetFontOrientation(SaturatedTrunc(Angle * 10));
    const int dx = AlignOffset(HAlign, surface.TextWidth(Text));
    const int dy = AlignOffset(VAlign, surface.TextHeight(Text));
    surface.TextOut(px + dx, py + dy, Text);
}

bool TQText::HitTest(double x, double y, double tolerance) const {
    const double width = 2 * tolerance + 0.8 * tolerance * Text.size();
    return x >= X && x <= X + width && y >= Y - 3 * tolerance && y <= Y + tolerance;
}

void TQText::UpdateBounds() {
    MinX = X - Size;
    MinY = Y - Size;
    MaxX = X + Size + 0.6 * Size * Text.size();
    MaxY = Y + Size;
}

void TQText::Rotate(double angleDeg, double, double) {
    Angle += angleDeg;
    UpdateBounds();
}

void TQText::MapPoints(const TPointMap& map) {
    const TWorldPoint p = map({X, Y});
    X = p.X;
    Y = p.Y;
}
