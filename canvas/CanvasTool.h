#pragma once
// A mouse tool of the canvas: a small class fed the presses that DrawMode sends it. The tools
// keep no state of their own; the drawing sequence lives in the model's fields, where the
// owner's handlers and CancelDrawing see and change it.

#include "canvas/CanvasModel.h"

// DrawMode codes beside the ShapeType codes of the drawing tools (QShape.h). Both select codes
// select by click; -2 and any code not listed do nothing on a left press.
enum TDrawModeCode {
    dmSelect = 0,
    dmSelectToo = -1,
    dmNothing = -2,
    dmZoomWindow = -3,
    dmDynamicZoom = -4,
};

// A press, move or release as the tools see it: the client pixel, its world point and the
// Shift code of CanvasInput.h.
struct TToolEvent {
    TPixel Pixel;
    TWorldPoint World;
    int Shift = 0;
};

class TCanvasTool {
public:
    explicit TCanvasTool(TCanvasModel& model) : model_(model) {}
    virtual ~TCanvasTool() = default;
    TCanvasTool(const TCanvasTool&) = delete;
    TCanvasTool& operator=(const TCanvasTool&) = delete;

    // A left press that was not swallowed.
    virtual void LeftPress(const TToolEvent& at) = 0;

protected:
    TCanvasModel& model_;
};

// After a finished drawing or zoom: back to select, and to the owner's choice of layer for the
// next tool, unless the owner keeps the tool.
inline void LeaveToolUnlessKept(TCanvasModel& model) {
    if (model.KeepDrawMode) return;
    model.DrawMode = 0;
    model.DrawLayer = -1;
}
