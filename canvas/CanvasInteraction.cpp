#include "canvas/CanvasInteraction.h"

#include <QtCore/qnamespace.h>
#include <cmath>
#include <numbers>

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

}  // namespace

TCanvasInteraction::TCanvasInteraction(TCanvasModel& model)
    : model_(model),
      select_(model),
      pan_(model),
      measure_(model),
      zoomWindow_(model),
      dynamicZoom_(model),
      rectangle_(model, stRectangle),
      ellipse_(model, stEllipseTool),
      circle_(model, stCircle),
      lines_(model),
      polyline_(model, stPolyline),
      polygon_(model, stPolygon),
      spline_(model, stSpline),
      arc_(model, stArc3P),
      point_(model) {}

TToolEvent TCanvasInteraction::EventAt(int shift, int px, int py) const {
    return {{px, py}, model_.ScreenToWorld(px, py), shift};
}

TCanvasTool* TCanvasInteraction::ToolFor(int drawMode) {
    switch (drawMode) {
        case stRectangle:
            return &rectangle_;
        case stEllipseTool:
            return &ellipse_;
        case stCircle:
            return &circle_;
        case stLine:
            return &lines_;
        case stPolyline:
            return &polyline_;
        case stPolygon:
            return &polygon_;
        case stSpline:
            return &spline_;
        case stArc3P:
            return &arc_;
        case stPoint:
            return &point_;
        case dmZoomWindow:
            return &zoomWindow_;
        case dmDynamicZoom:
            return &dynamicZoom_;
        default:
            return nullptr;
    }
}

void TCanvasInteraction::MouseDown(int button, int shift, int px, int py) {
    const TToolEvent at = EventAt(shift, px, py);
    if (button == mbRight && (model_.PointPending || model_.ToolActive)) {
        FinishDrawing(model_, at);
    } else {
        model_.Host().WorldMouseDown(button, shift, model_.DrawMode, at.World.X, at.World.Y);
        if (button == mbRight) {
            if (!model_.PointPending && !model_.ToolActive) measure_.Begin(at);
            // The measure keeps the last press point for the move events' magnitude.
            return;
        }
        if (button == mbMiddle) pan_.Begin(at);
        if (button == mbLeft) LeftDown(at);
    }
    model_.PressX = at.World.X;
    model_.PressY = at.World.Y;
}

void TCanvasInteraction::LeftDown(const TToolEvent& at) {
    if (model_.SwallowNextClick) {
        model_.SwallowNextClick = false;
        return;
    }
    const bool selecting = model_.DrawMode == dmSelect || model_.DrawMode == dmSelectToo;
    if (selecting && !model_.ToolActive && !model_.PointPending) select_.Click(at);
    if (TCanvasTool* tool = ToolFor(model_.DrawMode)) tool->LeftPress(at);
}

void TCanvasInteraction::MouseMove(int shift, int px, int py) {
    const TToolEvent at = EventAt(shift, px, py);
    FireWorldMouseMove(at);
    if (model_.Panning) {
        pan_.Move(at);
    } else if (model_.DragZooming) {
        dynamicZoom_.Move(at);
    } else if (model_.ToolActive) {
        model_.RubberX = at.World.X;
        model_.RubberY = at.World.Y;
        model_.Invalidate();
    } else if (model_.Measuring) {
        measure_.Move(at);
    }
}

void TCanvasInteraction::FireWorldMouseMove(const TToolEvent& at) {
    const double dx = at.World.X - model_.PressX;
    const double dy = at.World.Y - model_.PressY;
    // East 0, counter-clockwise positive; 0 at the press point itself.
    const double angle = dx == 0 && dy == 0 ? 0 : std::atan2(dy, dx) * kDegreesPerRadian;
    model_.Host().WorldMouseMove(at.Shift, at.World.X, at.World.Y, std::hypot(dx, dy), angle);
}

void TCanvasInteraction::MouseUp(int button, int, int, int) {
    if (button == mbRight && model_.Measuring) {
        measure_.End();
    } else if (button == mbMiddle && model_.Panning) {
        pan_.End();
    } else if (button == mbLeft) {
        if (model_.Panning) {
            pan_.End();
        } else if (model_.DragZooming) {
            dynamicZoom_.End();
        }
    }
}

void TCanvasInteraction::KeyDown(int key, int) {
    if (key == Qt::Key_Delete && model_.AllowDeleteKey) {
        model_.DeleteSelectedShapes();
    } else if (key == Qt::Key_Escape && (model_.PointPending || model_.ToolActive)) {
        model_.AbandonDrawing();
    }
}
