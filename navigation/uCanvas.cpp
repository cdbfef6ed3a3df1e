#include "navigation/uCanvas.h"

#include "app/FormPlacement.h"
#include "canvas/QPainterSurface.h"
#include "navigation/ControlColor.h"
#include "navigation/EchogramPaint.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "tools/unavset.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

TfWaterfal* fWaterfal = nullptr;

namespace {

constexpr int kBorder = 1;
constexpr int kClientWidth = 388;
constexpr int kClientHeight = 147;
// A window resized by hand keeps its edge zones apart, so that its inside can still be grabbed.
constexpr int kMinimumSide = 2 * kEdgeZonePixels + 1;

}  // namespace

TfWaterfal::TfWaterfal(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("fWaterfal");
    setWindowTitle("Acoustic Waterfall");
    setFont(QFont(ScreenFontFamily("Tahoma")));
    resize(kClientWidth + 2 * kBorder, kClientHeight + 2 * kBorder);
    setMinimumSize(kMinimumSide, kMinimumSide);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    Dismiss1 = new QAction("Dismiss", this);
    Dismiss1->setObjectName("Dismiss1");
    connect(Dismiss1, &QAction::triggered, this, &TfWaterfal::Dismiss1Click);
    addAction(Dismiss1);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    StartSystemResize = [this](Qt::Edges edges) {
        return windowHandle() && windowHandle()->startSystemResize(edges);
    };
}

QRect TfWaterfal::ClientRect() const {
    return rect().adjusted(kBorder, kBorder, -kBorder, -kBorder);
}

void TfWaterfal::FormShow() {
    const TEchogramSettings settings = ReadEchogramSettings(TIniFile(GetSettingsFilePath()));
    DataWidth = settings.dataWidth;
    Interval = settings.intervalMs;
    settingsRead_ = true;
    if (FNav) FNav->tEchogram->setInterval(Interval);
    if (Navset) SetControlColor(this, Navset->fcadColor->Selected());
    RestoreFormPlacement(this, true);
}

// A window never shown in this run has read nothing, and writes nothing over what is stored.
void TfWaterfal::FormCloseQuery() {
    if (!settingsRead_) return;
    TIniFile ini(GetSettingsFilePath());
    WriteEchogramSettings(
        ini, {ClampEchoDataWidth(DataWidth), Interval > 0 ? Interval : kDefaultEchogramIntervalMs});
}

int TfWaterfal::NCHitTest(int x, int y) const {
    return static_cast<int>(EdgeZoneAt(x, y, width(), height()));
}

void TfWaterfal::FormMouseDown(Qt::MouseButton button, QPoint at, QPoint global) {
    if (button != Qt::LeftButton) return;
    const Qt::Edges edges = EdgesOf(static_cast<TEdgeZone>(NCHitTest(at.x(), at.y())));
    if (edges) {
        if (StartSystemResize(edges)) return;
        resizing_ = edges;
        resizeStart_ = global;
        resizeFrom_ = geometry();
        return;
    }
    Dragging = true;
    DragStartX = at.x();
    DragStartY = at.y();
}

void TfWaterfal::FormMouseMove(QPoint at, QPoint global) {
    if (Dragging) {
        move(x() + at.x() - DragStartX, y() + at.y() - DragStartY);
    } else if (resizing_) {
        ResizeByHand(global);
    } else {
        setCursor(CursorOf(static_cast<TEdgeZone>(NCHitTest(at.x(), at.y()))));
    }
}

void TfWaterfal::FormMouseUp(Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    resizing_ = {};
    if (!Dragging) return;
    Dragging = false;
    SaveFormPlacement(this);
}

// Moves the edges being resized by the mouse's travel, keeping the opposite edges in place.
void TfWaterfal::ResizeByHand(QPoint global) {
    const QPoint travel = global - resizeStart_;
    QRect bounds = resizeFrom_;
    if (resizing_ & Qt::LeftEdge)
        bounds.setLeft(std::min(bounds.left() + travel.x(), bounds.right() + 1 - kMinimumSide));
    if (resizing_ & Qt::RightEdge)
        bounds.setRight(std::max(bounds.right() + travel.x(), bounds.left() - 1 + kMinimumSide));
    if (resizing_ & Qt::TopEdge)
        bounds.setTop(std::min(bounds.top() + travel.y(), bounds.bottom() + 1 - kMinimumSide));
    if (resizing_ & Qt::BottomEdge)
        bounds.setBottom(std::max(bounds.bottom() + travel.y(), bounds.top() - 1 + kMinimumSide));
    setGeometry(bounds);
}

void TfWaterfal::Dismiss1Click() { hide(); }

void TfWaterfal::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfWaterfal::closeEvent(QCloseEvent* event) {
    FormCloseQuery();
    QWidget::closeEvent(event);
}

// Before the first sample the client area shows the window's colour, as the border does; after
// it only the border is painted in that colour, as the echogram covers the rest.
void TfWaterfal::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor color = palette().color(QPalette::Window);
    if (Picture.count > 0) {
        painter.setPen(color);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    } else {
        painter.fillRect(rect(), color);
    }
    const QRect client = ClientRect();
    painter.setClipRect(client);
    painter.translate(client.topLeft());
    PaintEchogram(painter, client.width(), client.height(), Picture);
}

// The rows follow the new height at once, so the window does not wait for the next sample.
void TfWaterfal::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (Picture.count > 0) FillEchoRows(Picture.count, Picture.range, ClientRect().height());
}

void TfWaterfal::mousePressEvent(QMouseEvent* event) {
    FormMouseDown(event->button(), event->position().toPoint(), event->globalPosition().toPoint());
}

void TfWaterfal::mouseMoveEvent(QMouseEvent* event) {
    FormMouseMove(event->position().toPoint(), event->globalPosition().toPoint());
}

void TfWaterfal::mouseReleaseEvent(QMouseEvent* event) { FormMouseUp(event->button()); }

void DrawEchogram(double depth, double lo, double hi, int count) {
    if (!fWaterfal || !fWaterfal->isVisible() || !fWaterfal->windowHandle()) return;
    const QRect client = fWaterfal->ClientRect();
    if (client.width() < 1 || client.height() < 1) return;
    fWaterfal->Picture = AddEchoSample(depth, lo, hi, count, client.height());
    fWaterfal->update();
}
