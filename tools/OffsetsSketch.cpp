#include "tools/OffsetsSketch.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// A vertical dimension line from y1 to y2 at x, with arrow heads and its letter beside it.
void DrawDimension(QPainter& painter, qreal x, qreal y1, qreal y2, const QString& letter) {
    constexpr qreal kHead = 4;
    painter.drawLine(QPointF(x, y1), QPointF(x, y2));
    for (const auto& [tip, toward] : {std::pair{y1, +1.0}, std::pair{y2, -1.0}}) {
        painter.drawLine(QPointF(x, tip), QPointF(x - kHead, tip + toward * kHead));
        painter.drawLine(QPointF(x, tip), QPointF(x + kHead, tip + toward * kHead));
    }
    const QRectF box(x + 3, (y1 + y2) / 2 - 8, 12, 16);
    painter.fillRect(box, Qt::white);
    painter.drawText(box, Qt::AlignCenter, letter);
}

}  // namespace

QPixmap DrawOffsetsSketch(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal waterY = h * 0.45;
    const qreal antennaY = h * 0.10;
    const qreal transducerY = h * 0.78;
    const qreal hullLeft = w * 0.08;
    const qreal hullRight = w * 0.62;
    const qreal poleX = w * 0.40;

    painter.fillRect(QRectF(0, waterY, w, h - waterY), QColor(0xCC, 0xE5, 0xFF));
    QPainterPath hull;
    hull.moveTo(hullLeft, waterY - h * 0.10);
    hull.lineTo(hullRight, waterY - h * 0.10);
    hull.lineTo(hullRight - w * 0.08, waterY + h * 0.14);
    hull.lineTo(hullLeft + w * 0.04, waterY + h * 0.14);
    hull.closeSubpath();
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(QColor(0xE0, 0xE0, 0xE0));
    painter.drawPath(hull);
    painter.drawLine(QPointF(poleX, antennaY), QPointF(poleX, waterY + h * 0.14));
    painter.drawLine(QPointF(poleX, waterY + h * 0.14), QPointF(poleX, transducerY));
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(poleX, antennaY), 4, 4);
    painter.drawRect(QRectF(poleX - 5, transducerY - 3, 10, 6));
    painter.setPen(QPen(Qt::blue, 1, Qt::DashLine));
    painter.drawLine(QPointF(0, waterY), QPointF(w, waterY));

    painter.setPen(QPen(Qt::darkRed, 1));
    QFont font = painter.font();
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    DrawDimension(painter, w * 0.72, waterY, transducerY, "A");
    DrawDimension(painter, w * 0.86, antennaY, transducerY, "B");
    DrawDimension(painter, w * 0.72, antennaY, waterY, "C");
    return pixmap;
}
