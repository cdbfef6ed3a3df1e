#include "navigation/EchogramPaint.h"

#include "canvas/PixelMapper.h"
#include "canvas/QPainterSurface.h"
#include "navigation/EchogramGrid.h"
#include "platform/NumberFormat.h"

#include <QPainter>
#include <QVarLengthArray>
#include <algorithm>

namespace {

constexpr int kBottomEdgeWidth = 3;
constexpr int kDepthLineWidth = 2;
constexpr int kLabelLeft = 3;
constexpr int kLabelDrop = 2;
constexpr int kLabelPoints = 9;
constexpr int kDepthPoints = 12;
// The newest depth: a marker 40 pixels from the right edge, shown only between 6 pixels below
// the top and 30 above the bottom, where the box does not hide it; the box in the corner.
constexpr int kMarkerFromRight = 40;
constexpr int kMarkerTop = 6;
constexpr int kMarkerBottomGap = 30;
constexpr int kMarkerEndFromBottom = 28;
constexpr int kBoxLeftFromRight = 78;
constexpr int kBoxTopFromBottom = 26;
constexpr int kBoxMargin = 2;
constexpr int kBoxTextInset = 3;
// The widest depth the box holds whole: the deep ocean, in metres with one decimal.
const QString kWidestBoxDepth = "9999.9m";

// Text with its top-left corner at (x, y).
void DrawTextAt(QPainter& painter, int x, int y, const std::string& text) {
    painter.drawText(x, y + painter.fontMetrics().ascent(), QString::fromStdString(text));
}

void PaintColumns(QPainter& painter, double columnWidth, int height, int count) {
    const QColor column = ToQColor(kEchoColumn);
    QPen edge(ToQColor(kRed), kBottomEdgeWidth);
    edge.setCapStyle(Qt::FlatCap);
    painter.setPen(edge);
    for (int k = 0; k < count; ++k) {
        if (!(EchoDepths[k] > 0)) continue;
        const int y = std::clamp(SaturatedTrunc(EchoRows[k]), 0, height);
        const int left = SaturatedTrunc(k * columnWidth);
        const int right = SaturatedTrunc((k + 1) * columnWidth);
        painter.fillRect(QRect(left, 0, right - left, y), column);
        painter.drawLine(left, y, right, y);
    }
}

void PaintDepthLine(QPainter& painter, double columnWidth, int count) {
    QVarLengthArray<QLine, kEchoCapacity> segments;
    for (int k = 1; k < count; ++k) {
        if (!(EchoDepths[k - 1] > 0) || !(EchoDepths[k] > 0)) continue;
        segments.append(
            QLine(SaturatedTrunc((k - 0.5) * columnWidth), SaturatedTrunc(EchoRows[k - 1]),
                  SaturatedTrunc((k + 0.5) * columnWidth), SaturatedTrunc(EchoRows[k])));
    }
    painter.setPen(QPen(ToQColor(kBlack), kDepthLineWidth));
    painter.drawLines(segments.data(), static_cast<int>(segments.size()));
}

void PaintGrid(QPainter& painter, int width, int height, const TEchoRange& range) {
    const QPen dotted(ToQColor(kGray), 1, Qt::DotLine);
    const QPen text(ToQColor(kBlack));
    painter.setBrush(Qt::NoBrush);
    painter.setFont(ScreenFont("Tahoma", kLabelPoints, true, false));
    for (const TEchoGridLine& line : EchoGridLines(range, height)) {
        painter.setPen(dotted);
        painter.drawLine(0, line.row, width, line.row);
        painter.setPen(text);
        DrawTextAt(painter, kLabelLeft, line.row + kLabelDrop, line.label);
    }
}

void PaintNewestDepth(QPainter& painter, int width, int height, int count, double depth) {
    const int y = SaturatedTrunc(EchoRows[count - 1]);
    painter.setPen(QPen(ToQColor(kBlack), 1));
    if (y >= kMarkerTop && y < height - kMarkerBottomGap) {
        const int x = width - kMarkerFromRight;
        painter.drawLine(x, y, x, height - kMarkerEndFromBottom);
    }
    const QPoint topLeft(width - kBoxLeftFromRight, height - kBoxTopFromBottom);
    painter.fillRect(QRect(topLeft, QPoint(width - kBoxMargin - 1, height - kBoxMargin - 1)),
                     ToQColor(kYellow));
    QFont font = ScreenFont("Tahoma", kDepthPoints, true, false);
    // Measured once: the font does not change while the program runs.
    static const int pixels =
        FittedFont(font, kWidestBoxDepth, kBoxLeftFromRight - kBoxTextInset - kBoxMargin)
            .pixelSize();
    font.setPixelSize(pixels);
    painter.setFont(font);
    DrawTextAt(painter, topLeft.x() + kBoxTextInset, topLeft.y() + kBoxMargin,
               FloatToStrF(depth, 20, 1) + "m");
}

}  // namespace

void PaintEchogram(QPainter& painter, int width, int height, const TEchogramPicture& picture) {
    if (width < 1 || height < 1 || picture.count < 1) return;
    const int count = ClampEchoDataWidth(picture.count);
    painter.fillRect(QRect(0, 0, width, height), ToQColor(kEchoBackground));
    const double columnWidth = std::max(1.0, static_cast<double>(width) / count);
    PaintColumns(painter, columnWidth, height, count);
    PaintDepthLine(painter, columnWidth, count);
    PaintGrid(painter, width, height, picture.range);
    if (picture.depth > 0) PaintNewestDepth(painter, width, height, count, picture.depth);
}
