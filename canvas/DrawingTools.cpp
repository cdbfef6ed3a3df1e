#include "canvas/DrawingTools.h"

#include <cmath>

namespace {

void ZeroAnchorAndRubber(TCanvasModel& model) {
    model.AnchorX = model.AnchorY = 0;
    model.RubberX = model.RubberY = 0;
}

void MoveAnchor(TCanvasModel& model, const TWorldPoint& p) {
    model.AnchorX = p.X;
    model.AnchorY = p.Y;
}

}  // namespace

void TDrawingTool::LeftPress(const TToolEvent& at) {
    if (model_.PointPending) {
        NextPoint(at);
    } else {
        FirstPoint(at);
    }
}

void TDrawingTool::FirstPoint(const TToolEvent& at) { Start(at); }

void TDrawingTool::Start(const TToolEvent& at) {
    model_.ToolActive = true;
    model_.PointPending = true;
    MoveAnchor(model_, at.World);
    model_.RubberX = at.World.X;
    model_.RubberY = at.World.Y;
    model_.Host().SetCursor(TCanvasCursor::Cross);
    model_.Host().DrawBegin(model_.DrawMode, at.World.X, at.World.Y);
}

bool TDrawingTool::AtAnchor(const TWorldPoint& p) const {
    return p.X == model_.AnchorX && p.Y == model_.AnchorY;
}

void TTwoClickTool::NextPoint(const TToolEvent& at) {
    if (AddShape(at.World)) model_.Invalidate();
    model_.PointPending = false;
    ZeroAnchorAndRubber(model_);
}

bool TTwoClickTool::AddShape(const TWorldPoint& p) {
    const double ax = model_.AnchorX, ay = model_.AnchorY;
    const int layer = model_.DrawingLayer();
    switch (drawMode_) {
        case stRectangle:
            if (AtAnchor(p)) return false;
            model_.AddRectangle(ax, ay, p.X, p.Y, layer);
            return true;
        case stEllipseTool:
            // An ellipse needs width and height.
            if (p.X == ax || p.Y == ay) return false;
            model_.AddEllipse(ax, ay, p.X, p.Y, layer);
            return true;
        case stCircle: {
            const double radius = std::hypot(p.X - ax, p.Y - ay);
            if (!(radius > 0)) return false;
            model_.AddCircle(ax, ay, radius, layer);
            return true;
        }
        default:
            return false;
    }
}

void TLineChainTool::NextPoint(const TToolEvent& at) {
    if (AtAnchor(at.World)) return;
    model_.AddLine(model_.AnchorX, model_.AnchorY, at.World.X, at.World.Y, model_.DrawingLayer());
    MoveAnchor(model_, at.World);
    model_.Invalidate();
}

// The shape is built once OnDrawBegin has chosen its layer, unless the handler ended the drawing.
void TPolylineTool::FirstPoint(const TToolEvent& at) {
    Start(at);
    if (!model_.ToolActive) return;
    const bool closed = shapeType_ == stPolygon;
    auto polyline = std::make_unique<TQPolyline>(model_.DrawingLayer(), shapeType_, closed);
    polyline->Id = model_.ReserveShapeId();
    if (const TQLayer* layer = model_.FindLayer(polyline->LayerId)) {
        polyline->Color = layer->Color;
        polyline->LineWidth = layer->LineWidth;
        if (closed) {
            polyline->FillColor = layer->FillColor;
            polyline->BrushStyle = layer->BrushStyle;
        }
    }
    polyline->AddVertex(at.World.X, at.World.Y);
    model_.PendingShape = std::move(polyline);
}

void TPolylineTool::NextPoint(const TToolEvent& at) {
    // A point placed by another tool before DrawMode changed: this press starts afresh.
    if (!model_.PendingShape) {
        FirstPoint(at);
        return;
    }
    if (shapeType_ == stArc3P) {
        NextArcPoint(*model_.PendingShape, at);
        return;
    }
    if (AtAnchor(at.World)) return;
    model_.PendingShape->AddVertex(at.World.X, at.World.Y);
    MoveAnchor(model_, at.World);
    model_.Redraw();
}

void TPolylineTool::NextArcPoint(TQPolyline& arc, const TToolEvent& at) {
    arc.AddVertex(at.World.X, at.World.Y);
    if (arc.VertexCount() < 3) {
        MoveAnchor(model_, at.World);
        return;
    }
    arc.UpdateBounds();
    model_.AddReservedShape(std::move(model_.PendingShape));
    model_.PointPending = false;
    model_.AnchorX = model_.AnchorY = 0;
    model_.Redraw();
}

// OnDrawBegin first, as for every other tool, so the owner chooses the point's layer.
void TPointTool::LeftPress(const TToolEvent& at) {
    model_.Host().DrawBegin(stPoint, at.World.X, at.World.Y);
    model_.AddPoint(at.World.X, at.World.Y, model_.DrawingLayer());
    model_.Host().DrawEnd(stPoint, at.World.X, at.World.Y);
    LeaveToolUnlessKept(model_);
    model_.Invalidate();
}

void FinishDrawing(TCanvasModel& model, const TToolEvent& at) {
    if (std::unique_ptr<TQPolyline> pending = std::move(model.PendingShape)) {
        if (pending->VertexCount() >= 2) {
            pending->UpdateBounds();
            model.AddReservedShape(std::move(pending));
        }
    }
    model.ToolActive = false;
    model.PointPending = false;
    model.SwallowNextClick = true;
    model.Host().DrawEnd(model.DrawMode, at.World.X, at.World.Y);
    LeaveToolUnlessKept(model);
    model.Host().SetCursor(TCanvasCursor::Default);
    model.Invalidate();
}
