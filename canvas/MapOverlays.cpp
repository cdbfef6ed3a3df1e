#include "canvas/MapOverlays.h"

#include "canvas/DisplaySettings.h"
#include "canvas/MapGrid.h"
#include "canvas/MapPicture.h"
#include "canvas/MapRenderer.h"
#include "canvas/OverlayLayout.h"
#include "canvas/QPainterSurface.h"
#include "canvas/RubberBand.h"
#include "canvas/ScaleBar.h"
#include "platform/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace {

const QString kLabelFont = "Arial";
const QString kBigNumberFont = "Arial Black";
constexpr int kSmallPartSize = 10;
constexpr int kMeasureFontSize = 11;
// Corner size of the rounded boxes and how far the big-number box reaches beyond its text.
constexpr int kRoundCorner = 6;
constexpr int kBigNumberBoxMargin = 6;
// A measure shorter than this many pixels is a click, not a measure.
constexpr double kMinMeasurePixels = 2;
constexpr int kMinCirclePixels = 3;
constexpr int kStartDotRadius = 3;
constexpr int kCrossArm = 8;
constexpr int kHeadingBoxMargin = 2;

void UseFont(TDrawSurface& surface, const QString& name, int size, bool bold, TColor color) {
    surface.SetFont(name, size, bold, false);
    surface.SetFontColor(color);
    surface.SetFontOrientation(0);
}

// The distance and the bearing in a yellow box about the middle of the measure line.
void DrawMeasureLabel(const TCanvasModel& model, TDrawSurface& surface, TPixel s, TPixel e) {
    UseFont(surface, kLabelFont, kMeasureFontSize, true, kBlack);
    const QString distance = QString::fromStdString(FormatFixed(model.MeasureDistance, 2) + " m");
    const QString bearing = QString::fromStdString(FormatFixed(model.MeasureBearing, 1) + "°");
    const int w1 = surface.TextWidth(distance);
    const int w2 = surface.TextWidth(bearing);
    const int th = surface.TextHeight(distance);
    const int half = std::max(w1, w2) / 2;
    const TPixel m{s.X + (e.X - s.X) / 2, s.Y + (e.Y - s.Y) / 2};
    surface.SetPen(kBlack, 1);
    surface.SetBrush(kYellow, bsSolid);
    surface.Rectangle(m.X - half - 8, m.Y - 32, m.X + half + 8, m.Y + 2 * th - 24);
    surface.SetBrushStyle(bsClear);
    surface.TextOut(m.X - w1 / 2, m.Y - 30, distance);
    surface.SetFontColor(kNavy);
    surface.TextOut(m.X - w2 / 2, m.Y + th - 28, bearing);
    surface.SetFont(kLabelFont, kMeasureFontSize, false, false);
}

// A red circle about the start through the end, a red dot at the start, a blue line to the
// end with a cross there, and the label.
void DrawMeasure(const TCanvasModel& model, TDrawSurface& surface) {
    if (!model.Measuring) return;
    const TPixelMapper view = model.ScreenMapper();
    const TPixel s{view.X(model.MeasureStartX), view.Y(model.MeasureStartY)};
    const TPixel e{view.X(model.MeasureEndX), view.Y(model.MeasureEndY)};
    const double length = std::hypot(e.X - s.X, e.Y - s.Y);
    if (length < kMinMeasurePixels) return;
    surface.SetPen(kRed, 1);
    surface.SetPenStyle(TPenStyle::Solid);
    surface.SetBrushStyle(bsClear);
    const int r = static_cast<int>(length);
    if (r >= kMinCirclePixels) surface.Ellipse(s.X - r, s.Y - r, s.X + r, s.Y + r);
    const int dot = kStartDotRadius;
    surface.SetBrush(kRed, bsSolid);
    surface.Ellipse(s.X - dot, s.Y - dot, s.X + dot, s.Y + dot);
    surface.SetBrushStyle(bsClear);
    surface.SetPen(kBlue, 1);
    surface.Line(s.X, s.Y, e.X, e.Y);
    surface.Line(e.X - kCrossArm, e.Y, e.X + kCrossArm, e.Y);
    surface.Line(e.X, e.Y - kCrossArm, e.X, e.Y + kCrossArm);
    DrawMeasureLabel(model, surface, s, e);
}

// One part of the read-out: its text at its size in its colour, and its width once measured.
struct TReadoutPart {
    QString Text;
    int Size;
    TColor Color;
    int Width = 0;
};

// Depth, then speed, each a big part and a small part, on a white box in a corner.
void DrawBigNumbers(const TCanvasModel& model, TDrawSurface& surface) {
    const TBigNumberTexts t = BigNumberTexts(model.DepthHi, model.DepthLo, model.ShowDepth,
                                             model.SpeedKn, model.ShowSpeed);
    if (t.DepthBig.isEmpty() && t.SpeedBig.isEmpty()) return;
    const int big = OverlayFontSize;
    TReadoutPart parts[] = {{t.DepthBig, big, OverlayDepthColor},
                            {t.DepthSmall, kSmallPartSize, OverlayDepthColor},
                            {t.SpeedBig, big, OverlaySpeedColor},
                            {t.SpeedSmall, kSmallPartSize, OverlaySpeedColor}};
    int width = 0;
    for (TReadoutPart& part : parts) {
        surface.SetFont(kBigNumberFont, part.Size, true, false);
        part.Width = surface.TextWidth(part.Text);
        width += part.Width;
    }
    surface.SetFont(kBigNumberFont, big, true, false);
    const int height = surface.TextHeight("0");
    const TPixel o = BigNumberOrigin(model.BigNumberCorner, model.ClientWidth(),
                                     model.ClientHeight(), width, height);
    const int m = kBigNumberBoxMargin;
    surface.SetPen(kBlack, 1);
    surface.SetPenStyle(TPenStyle::Solid);
    surface.SetBrush(kWhite, bsSolid);
    surface.RoundRect(o.X - m, o.Y - m, o.X + width + m, o.Y + height + m, kRoundCorner,
                      kRoundCorner);
    surface.SetBrushStyle(bsClear);
    int x = o.X;
    for (const TReadoutPart& part : parts) {
        UseFont(surface, kBigNumberFont, part.Size, true, part.Color);
        surface.TextOut(x, o.Y, part.Text);
        x += part.Width;
    }
}

// The position line on a box coloured by the fix; while the heading is not valid, its part
// from "THdg:" on is white on red.
void DrawPositionText(const TCanvasModel& model, TDrawSurface& surface) {
    const QString text = PositionText(model.EmptyGGA, model.GGAOverlayText);
    if (text.isEmpty()) return;
    const TPositionBoxColors colors = PositionBoxColors(model.EmptyGGA, model.CurrentFixQuality);
    UseFont(surface, kPositionFontName, kPositionFontSize, true, colors.Text);
    const int tw = surface.TextWidth(text);
    const int th = surface.TextHeight(text);
    const TPositionBox box =
        PositionBox(model.PositionTextCorner, model.ClientWidth(), model.ClientHeight(), tw, th);
    const TPixel o = box.Text;
    surface.SetPen(colors.Box, 1);
    surface.SetPenStyle(TPenStyle::Solid);
    surface.SetBrush(colors.Box, bsSolid);
    surface.RoundRect(box.Left, box.Top, box.Right, box.Bottom, kRoundCorner, kRoundCorner);
    surface.SetBrushStyle(bsClear);
    const int heading = model.HeadingValid ? -1 : static_cast<int>(text.indexOf("THdg:"));
    if (heading < 0) {
        surface.TextOut(o.X, o.Y, text);
        return;
    }
    const QString before = text.left(heading);
    const QString marked = text.mid(heading);
    surface.TextOut(o.X, o.Y, before);
    const int x = o.X + surface.TextWidth(before);
    const int b = kHeadingBoxMargin;
    surface.SetBrush(kRed, bsSolid);
    surface.FillRect(x - b, o.Y - b, x + surface.TextWidth(marked) + b, o.Y + th + b);
    surface.SetBrushStyle(bsClear);
    surface.SetFontColor(kWhite);
    surface.TextOut(x, o.Y, marked);
}

}  // namespace

void DrawOverlays(const TCanvasModel& model, TDrawSurface& surface) {
    DrawRubberBand(model, surface);
    DrawMeasure(model, surface);
    DrawBigNumbers(model, surface);
    DrawPositionText(model, surface);
    DrawScaleBar(model.View(), surface);
}

void PaintMapFrame(const TCanvasModel& model, const TMapPicture& picture, QPainter& painter) {
    picture.Draw(painter);
    TQPainterSurface surface(painter);
    DrawGridLabels(model, surface);
    DrawLiveShapes(model, surface);
    DrawOverlays(model, surface);
}
