#pragma once
// The tools that draw shapes, by DrawMode: 1 rectangle, 4 ellipse and 19 circle (two clicks
// each), 3 chained lines, 5 polyline, 6 polygon, 8 spline and 10 three-point arc (vertex by
// vertex), 17 point. Every tool fires OnDrawBegin before it builds a shape and puts the shape
// on the model's DrawingLayer().
//
// A drawing sequence goes from idle to waiting for a point (ToolActive) to point placed
// (PointPending) with the first left press, which fires OnDrawBegin. A completed two-click
// shape or arc waits for the next shape; the right button ends the sequence (FinishDrawing),
// Escape and CancelDrawing abandon it.

#include "canvas/CanvasTool.h"

// The tools placing more than one point: the first press starts a shape, later ones go on.
class TDrawingTool : public TCanvasTool {
public:
    using TCanvasTool::TCanvasTool;
    void LeftPress(const TToolEvent& at) override;

protected:
    // The first point of a shape: by default it opens the sequence at the press (Start).
    virtual void FirstPoint(const TToolEvent& at);
    // A press while a point is placed.
    virtual void NextPoint(const TToolEvent& at) = 0;
    // Anchor and rubber point at the press, cross-hair cursor, then OnDrawBegin.
    void Start(const TToolEvent& at);
    bool AtAnchor(const TWorldPoint& p) const;
};

// Rectangle (1), ellipse (4) or circle (19): the second press gives the shape, unless it is
// flat; either way the tool waits for the next shape's first point.
class TTwoClickTool final : public TDrawingTool {
public:
    TTwoClickTool(TCanvasModel& model, int drawMode) : TDrawingTool(model), drawMode_(drawMode) {}

protected:
    void NextPoint(const TToolEvent& at) override;

private:
    // Whether a shape was added from the anchor to p.
    bool AddShape(const TWorldPoint& p);

    int drawMode_;
};

// Chained lines (3): every press away from the anchor adds a line from it and moves it there.
class TLineChainTool final : public TDrawingTool {
public:
    using TDrawingTool::TDrawingTool;

protected:
    void NextPoint(const TToolEvent& at) override;
};

// Polyline (5), polygon (6), spline (8) and three-point arc (10), built in PendingShape. The
// shape takes its id at the first vertex; the arc is complete at its third vertex, the others
// when the right button finishes them.
class TPolylineTool final : public TDrawingTool {
public:
    TPolylineTool(TCanvasModel& model, int shapeType)
        : TDrawingTool(model), shapeType_(shapeType) {}

protected:
    void FirstPoint(const TToolEvent& at) override;
    void NextPoint(const TToolEvent& at) override;

private:
    void NextArcPoint(TQPolyline& arc, const TToolEvent& at);

    int shapeType_;
};

// Point (17): each press fires OnDrawBegin, adds a point and fires OnDrawEnd.
class TPointTool final : public TCanvasTool {
public:
    using TCanvasTool::TCanvasTool;
    void LeftPress(const TToolEvent& at) override;
};

// The right button while a drawing is under way: a polyline of two vertices or more lands in
// the store with its id, a shorter one is dropped, a two-click shape with only its first point
// is abandoned. The next left press is swallowed; OnDrawEnd fires, then DrawMode returns to
// select unless KeepDrawMode.
void FinishDrawing(TCanvasModel& model, const TToolEvent& at);
