#include "canvas/QPainterSurface.h"

#include <QFontDatabase>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <map>
#include <utility>

namespace {

constexpr double kScreenDpi = 96;
constexpr double kPointsPerInch = 72;

Qt::BrushStyle ToQtBrushStyle(int style) {
    switch (style) {
        case bsClear:
            return Qt::NoBrush;
        case bsHorizontal:
            return Qt::HorPattern;
        case bsVertical:
            return Qt::VerPattern;
        case bsFDiagonal:
            return Qt::FDiagPattern;
        case bsBDiagonal:
            return Qt::BDiagPattern;
        case bsCross:
            return Qt::CrossPattern;
        case bsDiagCross:
            return Qt::DiagCrossPattern;
        default:
            return Qt::SolidPattern;
    }
}

// The box that a (left, top, right, bottom) outline covers: the right column and the bottom
// row stay out.
QRect OutlineBox(int left, int top, int right, int bottom) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    return QRect(left, top, right - left - 1, bottom - top - 1);
}

}  // namespace

TColor ToTColor(const QColor& color) {
    return (color.blue() << 16) | (color.green() << 8) | color.red();
}

const std::map<QString, QString>& FontSubstitutes() {
    static const std::map<QString, QString> kSubstitutes = {
        {"Arial", "Liberation Sans"}, {"Arial Black", "Liberation Sans"},
        {"Tahoma", "DejaVu Sans"},    {"MS Sans Serif", "DejaVu Sans"},
        {"Segoe UI", "DejaVu Sans"},  {"Consolas", "DejaVu Sans Mono"},
    };
    return kSubstitutes;
}

QString ScreenFontFamily(const QString& name) {
    static std::map<QString, QString> resolved;
    const auto known = resolved.find(name);
    if (known != resolved.end()) return known->second;
    const auto& kSubstitutes = FontSubstitutes();
    const auto substitute = kSubstitutes.find(name);
    const bool useSubstitute = substitute != kSubstitutes.end() && !QFontDatabase::hasFamily(name);
    return resolved[name] = useSubstitute ? substitute->second : name;
}

TQPainterSurface::TQPainterSurface(QPainter& painter) : painter_(painter) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    SetFont("Arial", 10, false, false);
}

void TQPainterSurface::SetPen(TColor color, int width) {
    if (color == penColor_ && width == penWidth_) return;
    penColor_ = color;
    penWidth_ = width;
    penCurrent_ = false;
}

void TQPainterSurface::SetPenStyle(TPenStyle style) {
    if (style == penStyle_) return;
    penStyle_ = style;
    penCurrent_ = false;
}

void TQPainterSurface::SetPenMode(TPenMode mode) {
    if (mode == penMode_) return;
    penMode_ = mode;
    painter_.setCompositionMode(mode == TPenMode::Xor ? QPainter::RasterOp_SourceXorDestination
                                                      : QPainter::CompositionMode_SourceOver);
}

void TQPainterSurface::SetBrush(TColor color, int style) {
    if (color == brushColor_ && style == brushStyle_) return;
    brushColor_ = color;
    brushStyle_ = style;
    brushCurrent_ = false;
}

void TQPainterSurface::SetBrushStyle(int style) { SetBrush(brushColor_, style); }

QFont ScreenFont(const QString& name, int sizePoints, bool bold, bool italic) {
    QFont font(ScreenFontFamily(name));
    const int pixels = static_cast<int>(std::lround(sizePoints * kScreenDpi / kPointsPerInch));
    font.setPixelSize(std::max(1, pixels));
    font.setWeight(name == "Arial Black" ? QFont::Black : bold ? QFont::Bold : QFont::Normal);
    font.setItalic(italic);
    return font;
}

QFont FittedFont(QFont font, const QString& widest, int width) {
    while (font.pixelSize() > 1 && QFontMetrics(font).horizontalAdvance(widest) > width) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

void TQPainterSurface::SetFont(const QString& name, int sizePoints, bool bold, bool italic) {
    const QFont font = ScreenFont(name, sizePoints, bold, italic);
    if (font == font_) return;
    font_ = font;
    metrics_.reset();
    textToolsCurrent_ = false;
}

void TQPainterSurface::SetFontColor(TColor color) {
    if (color == fontColor_) return;
    fontColor_ = color;
    textToolsCurrent_ = false;
}

void TQPainterSurface::SetFontOrientation(int orientationTenths) {
    orientationTenths_ = orientationTenths;
}

void TQPainterSurface::UsePen() {
    if (penCurrent_) return;
    QPen pen(ToQColor(penColor_));
    pen.setWidth(penWidth_ > 1 ? penWidth_ : 0);
    if (penStyle_ == TPenStyle::Clear) pen.setStyle(Qt::NoPen);
    // The classic dotted pen: three pixels on, three off.
    if (penStyle_ == TPenStyle::Dot) pen.setDashPattern({3, 3});
    painter_.setPen(pen);
    penCurrent_ = true;
    textToolsCurrent_ = false;
}

void TQPainterSurface::UsePenAndBrush() {
    UsePen();
    if (brushCurrent_) return;
    painter_.setBrush(QBrush(ToQColor(brushColor_), ToQtBrushStyle(brushStyle_)));
    brushCurrent_ = true;
}

void TQPainterSurface::UseTextTools() {
    if (textToolsCurrent_) return;
    painter_.setPen(ToQColor(fontColor_));
    painter_.setFont(font_);
    textToolsCurrent_ = true;
    penCurrent_ = false;
}

QPolygon& TQPainterSurface::ToPolygon(std::span<const TPixel> points) {
    polygon_.resize(static_cast<int>(points.size()));
    for (size_t i = 0; i < points.size(); ++i) {
        polygon_.setPoint(static_cast<int>(i), points[i].X, points[i].Y);
    }
    return polygon_;
}

const QFontMetrics& TQPainterSurface::Metrics() {
    if (!metrics_) metrics_.emplace(font_);
    return *metrics_;
}

void TQPainterSurface::FillPixels(int x, int y, int size, TColor color) {
    painter_.fillRect(x, y, size, size, ToQColor(color));
}

void TQPainterSurface::FillRect(int left, int top, int right, int bottom) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    const QRect box(left, top, right - left, bottom - top);
    const Qt::BrushStyle style = ToQtBrushStyle(brushStyle_);
    // A plain colour takes the raster engine's fast path and builds no brush.
    if (style == Qt::SolidPattern) {
        painter_.fillRect(box, ToQColor(brushColor_));
    } else {
        painter_.fillRect(box, QBrush(ToQColor(brushColor_), style));
    }
}

void TQPainterSurface::Rectangle(int left, int top, int right, int bottom) {
    UsePenAndBrush();
    painter_.drawRect(OutlineBox(left, top, right, bottom));
}

void TQPainterSurface::RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                                 int cornerHeight) {
    UsePenAndBrush();
    painter_.drawRoundedRect(OutlineBox(left, top, right, bottom), cornerWidth / 2.0,
                             cornerHeight / 2.0, Qt::AbsoluteSize);
}

void TQPainterSurface::Ellipse(int left, int top, int right, int bottom) {
    UsePenAndBrush();
    painter_.drawEllipse(OutlineBox(left, top, right, bottom));
}

void TQPainterSurface::Line(int x1, int y1, int x2, int y2) {
    UsePen();
    painter_.drawLine(x1, y1, x2, y2);
}

void TQPainterSurface::Polyline(std::span<const TPixel> points) {
    UsePen();
    painter_.drawPolyline(ToPolygon(points));
}

void TQPainterSurface::Polygon(std::span<const TPixel> points) {
    UsePenAndBrush();
    painter_.drawPolygon(ToPolygon(points), Qt::OddEvenFill);
}

void TQPainterSurface::PolyBezier(std::span<const TPixel> points) {
    if (points.empty()) return;
    QPainterPath path(QPointF(points[0].X, points[0].Y));
    for (size_t i = 1; i + 2 < points.size(); i += 3) {
        path.cubicTo(points[i].X, points[i].Y, points[i + 1].X, points[i + 1].Y, points[i + 2].X,
                     points[i + 2].Y);
    }
    UsePen();
    painter_.strokePath(path, painter_.pen());
}

void TQPainterSurface::TextOut(int x, int y, const QString& text) {
    UseTextTools();
    const int ascent = Metrics().ascent();
    if (orientationTenths_ == 0) {
        painter_.drawText(x, y + ascent, text);
        return;
    }
    painter_.save();
    painter_.translate(x, y);
    painter_.rotate(-orientationTenths_ / 10.0);
    painter_.drawText(0, ascent, text);
    painter_.restore();
}

int TQPainterSurface::TextWidth(const QString& text) { return Metrics().horizontalAdvance(text); }

int TQPainterSurface::TextHeight(const QString&) { return Metrics().height(); }
