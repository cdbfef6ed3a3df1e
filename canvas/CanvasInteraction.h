#pragma once
// The canvas's mouse and key handling: a state machine over the model's fields that hands
// each press, move, release and key to the tool in charge. A press:
//   1. the right button while a drawing is under way finishes it (FinishDrawing);
//   2. otherwise OnWorldMouseDown fires, then the right button starts the measure, the middle
//      button panning, and a left press (unless swallowed after a finish) selects by click in
//      select mode and goes to the tool of DrawMode;
//   3. the press point becomes PressX, PressY (not for a measure press).
// A move fires OnWorldMouseMove, then pans, zooms, moves the rubber point or updates the
// measure, the first that is under way. Delete deletes the selection when AllowDeleteKey;
// Escape abandons a drawing.
//
// The events reach the owner, whose handlers call back into the canvas; every step reads the
// model again after an event, so a handler may change DrawMode, empty layers or cancel the
// drawing from inside it.

#include "canvas/CanvasInput.h"
#include "canvas/DrawingTools.h"
#include "canvas/MeasureTool.h"
#include "canvas/SelectTool.h"
#include "canvas/ViewTools.h"

class TCanvasInteraction final : public TCanvasInput {
public:
    explicit TCanvasInteraction(TCanvasModel& model);

    void MouseDown(int button, int shift, int px, int py) override;
    void MouseMove(int shift, int px, int py) override;
    void MouseUp(int button, int shift, int px, int py) override;
    void KeyDown(int key, int shift) override;

private:
    TToolEvent EventAt(int shift, int px, int py) const;
    void LeftDown(const TToolEvent& at);
    // The tool that a left press goes to in this DrawMode; none for select and unknown codes.
    TCanvasTool* ToolFor(int drawMode);
    void FireWorldMouseMove(const TToolEvent& at);

    TCanvasModel& model_;
    TSelectTool select_;
    TPanTool pan_;
    TMeasureTool measure_;
    TZoomWindowTool zoomWindow_;
    TDynamicZoomTool dynamicZoom_;
    TTwoClickTool rectangle_, ellipse_, circle_;
    TLineChainTool lines_;
    TPolylineTool polyline_, polygon_, spline_, arc_;
    TPointTool point_;
};
