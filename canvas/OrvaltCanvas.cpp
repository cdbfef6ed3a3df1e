#include "canvas/OrvaltCanvas.h"

#include "canvas/CanvasInteraction.h"
#include "canvas/DxfExport.h"
#include "canvas/DxfImport.h"
#include "canvas/MapOverlays.h"
#include "canvas/ProjectFile.h"
#include "platform/Dialogs.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

constexpr int kDefaultWidth = 400;
constexpr int kDefaultHeight = 300;
constexpr double kWheelZoomStep = 0.1;

int ShiftCode(Qt::KeyboardModifiers modifiers) {
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= ssShift;
    if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
    if (modifiers & Qt::AltModifier) shift |= ssAlt;
    return shift;
}

// 0 for buttons the canvas does not use.
int ButtonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return mbLeft;
        case Qt::RightButton:
            return mbRight;
        case Qt::MiddleButton:
            return mbMiddle;
        default:
            return 0;
    }
}

}  // namespace

TOrvaltCanvas::TOrvaltCanvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    resize(kDefaultWidth, kDefaultHeight);
    SetHost(this);
    Input = std::make_unique<TCanvasInteraction>(*this);
}

TOrvaltCanvas::~TOrvaltCanvas() { SetHost(nullptr); }

void TOrvaltCanvas::Invalidate() { update(); }

void TOrvaltCanvas::UpdatePicture() {
    picture_.Update(*this);
    Dirty = false;
}

void TOrvaltCanvas::UpdateBackBuffer() {
    UpdatePicture();
    const QSize size(std::max(1, ClientWidth()), std::max(1, ClientHeight()));
    if (backBuffer_.size() != size) backBuffer_ = QImage(size, QImage::Format_RGB32);
    QPainter painter(&backBuffer_);
    picture_.Draw(painter);
}

bool TOrvaltCanvas::SaveProject(const QString& path, std::string* reason) const {
    std::string why;
    const bool saved = WriteProjectFile(*this, path.toStdString(), why);
    if (reason) *reason = why;
    return saved;
}

bool TOrvaltCanvas::LoadProject(const QString& path, int mode, std::string* reason) {
    std::string why;
    const bool loaded = ReadProjectFile(*this, path.toStdString(), mode, why);
    if (reason) *reason = why;
    return loaded;
}

bool TOrvaltCanvas::ImportDXFFile(const QString& path, std::string* reason) {
    std::string why;
    const bool added = ReadDxfFile(*this, path.toStdString(), why);
    if (reason) *reason = why;
    return added;
}

bool TOrvaltCanvas::ImportDXF(const QString& path) {
    std::string reason;
    const bool added = ImportDXFFile(path, &reason);
    if (!reason.empty()) ShowMessage(QString::fromStdString(reason));
    return added;
}

bool TOrvaltCanvas::ExportDXF(const QString& path, std::string* reason) const {
    std::string why;
    const bool written = WriteDxfFile(*this, path.toStdString(), why);
    if (reason) *reason = why;
    return written;
}

void TOrvaltCanvas::paintEvent(QPaintEvent*) {
    UpdatePicture();
    QPainter painter(this);
    PaintMapFrame(*this, picture_, painter);
}

void TOrvaltCanvas::resizeEvent(QResizeEvent*) { ResizeClient(width(), height()); }

void TOrvaltCanvas::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    event->accept();
    // A sideways scroll is not a turn of the wheel.
    if (delta == 0) return;
    const QPoint pixel = event->position().toPoint();
    const TWorldPoint at = ScreenToWorld(pixel.x(), pixel.y());
    ZoomAt(delta > 0 ? kWheelZoomStep : -kWheelZoomStep, at.X, at.Y);
}

void TOrvaltCanvas::mousePressEvent(QMouseEvent* event) {
    const int button = ButtonCode(event->button());
    const QPoint p = event->position().toPoint();
    if (Input && button != 0) Input->MouseDown(button, ShiftCode(event->modifiers()), p.x(), p.y());
}

void TOrvaltCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (Input) Input->MouseMove(ShiftCode(event->modifiers()), p.x(), p.y());
}

void TOrvaltCanvas::mouseReleaseEvent(QMouseEvent* event) {
    const int button = ButtonCode(event->button());
    const QPoint p = event->position().toPoint();
    if (Input && button != 0) Input->MouseUp(button, ShiftCode(event->modifiers()), p.x(), p.y());
}

// The second press of a double click is a press like the first, then the owner hears of it;
// only the left button double-clicks.
void TOrvaltCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    if (event->button() == Qt::LeftButton && OnDblClick) OnDblClick(this);
}

void TOrvaltCanvas::keyPressEvent(QKeyEvent* event) {
    if (Input) Input->KeyDown(event->key(), ShiftCode(event->modifiers()));
    QWidget::keyPressEvent(event);
}

void TOrvaltCanvas::SetCursor(TCanvasCursor cursor) {
    switch (cursor) {
        case TCanvasCursor::Cross:
            setCursor(Qt::CrossCursor);
            break;
        case TCanvasCursor::SizeAll:
            setCursor(Qt::SizeAllCursor);
            break;
        case TCanvasCursor::Default:
            unsetCursor();
            break;
    }
}

void TOrvaltCanvas::ShapeNumberSelected(int shapeType, int shapeNumber) {
    if (OnShapeNumberSelected)
        OnShapeNumberSelected(this, static_cast<short>(shapeType), shapeNumber);
}

void TOrvaltCanvas::WorldMouseMove(int shift, double x, double y, double magnitude, double angle) {
    if (OnWorldMouseMove) OnWorldMouseMove(this, static_cast<short>(shift), x, y, magnitude, angle);
}

void TOrvaltCanvas::WorldMouseDown(int button, int shift, int action, double x, double y) {
    if (OnWorldMouseDown) {
        OnWorldMouseDown(this, static_cast<short>(button), static_cast<short>(shift),
                         static_cast<short>(action), x, y);
    }
}

void TOrvaltCanvas::DrawBegin(int shapeType, double x, double y) {
    if (OnDrawBegin) OnDrawBegin(this, static_cast<short>(shapeType), x, y);
}

void TOrvaltCanvas::DrawEnd(int shapeType, double x, double y) {
    if (OnDrawEnd) OnDrawEnd(this, static_cast<short>(shapeType), x, y);
}
