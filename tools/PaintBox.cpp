#include "tools/PaintBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

QPoint Position(const QMouseEvent* event) { return event->position().toPoint(); }

}  // namespace

void TPaintBox::paintEvent(QPaintEvent*) {
    if (!OnPaint) return;
    QPainter canvas(this);
    OnPaint(canvas);
}

void TPaintBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (OnResize) OnResize();
}

void TPaintBox::mousePressEvent(QMouseEvent* event) {
    if (OnMouseDown) OnMouseDown(event->button(), Position(event).x(), Position(event).y());
}

void TPaintBox::mouseMoveEvent(QMouseEvent* event) {
    if (OnMouseMove) OnMouseMove(Position(event).x(), Position(event).y());
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* event) {
    if (OnMouseUp) OnMouseUp(event->button(), Position(event).x(), Position(event).y());
}

// The second press of a double click is a press too, as the class library reports it.
void TPaintBox::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    if (OnDblClick) OnDblClick();
}

void TPaintBox::wheelEvent(QWheelEvent* event) {
    if (!OnMouseWheel) return QWidget::wheelEvent(event);
    const QPoint at = event->position().toPoint();
    OnMouseWheel(at.x(), at.y(), event->angleDelta().y());
    event->accept();
}
