#pragma once
// The tools that change the view: zoom window (DrawMode -3), dynamic zoom (DrawMode -4) and
// panning with the middle button.

#include "canvas/CanvasTool.h"

// Two left presses span a rectangle that becomes the view, widened to the control's aspect
// ratio about its centre; a rectangle of 0.001 world units or less across changes nothing.
class TZoomWindowTool final : public TCanvasTool {
public:
    using TCanvasTool::TCanvasTool;
    void LeftPress(const TToolEvent& at) override;

private:
    void ZoomTo(const TWorldPoint& corner);
};

// While the left button is held, every 4 pixels or more of vertical movement zoom about the
// view centre by 1 % per pixel, in when moving up.
class TDynamicZoomTool final : public TCanvasTool {
public:
    using TCanvasTool::TCanvasTool;
    void LeftPress(const TToolEvent& at) override;
    void Move(const TToolEvent& at);
    void End() { model_.DragZooming = false; }
};

// The map follows the mouse while the middle button is held, in steps of 3 pixels or more.
class TPanTool final {
public:
    explicit TPanTool(TCanvasModel& model) : model_(model) {}
    void Begin(const TToolEvent& at);
    void Move(const TToolEvent& at);
    void End();

private:
    TCanvasModel& model_;
};
