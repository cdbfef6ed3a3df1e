#pragma once
// A plain drawing surface whose paint and mouse events go to the window that owns it, as the
// class library's paint box hands them to its form's handlers. Positions are the box's pixels.

#include <QWidget>
#include <functional>

class QPainter;

class TPaintBox : public QWidget {
public:
    explicit TPaintBox(QWidget* parent = nullptr) : QWidget(parent) { setMouseTracking(true); }

    std::function<void(QPainter& canvas)> OnPaint;
    std::function<void()> OnResize;
    std::function<void(Qt::MouseButton button, int x, int y)> OnMouseDown;
    std::function<void(int x, int y)> OnMouseMove;
    std::function<void(Qt::MouseButton button, int x, int y)> OnMouseUp;
    std::function<void()> OnDblClick;
    std::function<void(int x, int y, int delta)> OnMouseWheel;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};
