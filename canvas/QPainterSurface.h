#pragma once
// TDrawSurface on a QPainter: the one place where the classic canvas conventions meet Qt.
// - Rectangles and ellipses leave out their right column and bottom row; corners may come in
//   any order.
// - Text is placed by the top-left of its cell (Qt places by the baseline) and rotated about it.
// - Font sizes are points at 96 dpi, set as pixel sizes, so they do not follow the screen.
// - Fonts the system lacks (Arial, Arial Black, Tahoma, Consolas) get metric-compatible or
//   close substitutes.
// - Pens of width 0 and 1 are cosmetic one-pixel pens; polygons fill even-odd; no
//   antialiasing.
// Pen, brush and font are handed to the painter only when a primitive needs them and they
// changed, so long runs of shapes of one colour cost one pen.

#include "canvas/DrawSurface.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <map>
#include <optional>

class TQPainterSurface : public TDrawSurface {
public:
    // The painter must stay active while the surface lives.
    explicit TQPainterSurface(QPainter& painter);

    void SetPen(TColor color, int width) override;
    void SetPenStyle(TPenStyle style) override;
    void SetPenMode(TPenMode mode) override;
    void SetBrush(TColor color, int style) override;
    void SetBrushStyle(int style) override;
    void SetFont(const QString& name, int sizePoints, bool bold, bool italic) override;
    void SetFontColor(TColor color) override;
    void SetFontOrientation(int orientationTenths) override;

    void FillPixels(int x, int y, int size, TColor color) override;
    void FillRect(int left, int top, int right, int bottom) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                   int cornerHeight) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void Polyline(std::span<const TPixel> points) override;
    void Polygon(std::span<const TPixel> points) override;
    void PolyBezier(std::span<const TPixel> points) override;
    void TextOut(int x, int y, const QString& text) override;
    int TextWidth(const QString& text) override;
    int TextHeight(const QString& text) override;

private:
    // Hand the painter what the next primitive needs, when it changed since.
    void UsePen();
    void UsePenAndBrush();
    void UseTextTools();
    const QFontMetrics& Metrics();
    // The points in a reused polygon.
    QPolygon& ToPolygon(std::span<const TPixel> points);

    QPainter& painter_;
    // The painter's pen is the shape pen (not the text colour); its brush is the brush.
    bool penCurrent_ = false;
    bool brushCurrent_ = false;
    bool textToolsCurrent_ = false;
    QPolygon polygon_;

    TColor penColor_ = kBlack;
    int penWidth_ = 1;
    TPenStyle penStyle_ = TPenStyle::Solid;
    TPenMode penMode_ = TPenMode::Copy;
    TColor brushColor_ = kWhite;
    int brushStyle_ = bsSolid;
    TColor fontColor_ = kBlack;
    int orientationTenths_ = 0;
    QFont font_;
    std::optional<QFontMetrics> metrics_;
};

// The QColor of a TColor (0x00BBGGRR), and back. Inline, so that the colour is built where it
// is stored: a QColor returned from another unit is reassembled from 16-bit halves, which
// stalls every point of a track.
constexpr QColor ToQColor(TColor color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}
TColor ToTColor(const QColor& color);

// Fonts the program names that Debian lacks, with the metric-compatible family used instead.
const std::map<QString, QString>& FontSubstitutes();
// The family drawn for a font name: the name when the system has it, else its substitute.
QString ScreenFontFamily(const QString& name);
// The font SetFont draws with, for measuring text without a surface.
QFont ScreenFont(const QString& name, int sizePoints, bool bold, bool italic);
// The font, made smaller where needed so that `widest` fits in `width` pixels.
QFont FittedFont(QFont font, const QString& widest, int width);
