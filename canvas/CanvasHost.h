#pragma once
// What the mouse tools need from the control that shows the canvas: the mouse cursor over it
// and the owner's five events. The map widget implements it; tests record it.
//
// The owner's handlers call back into the canvas from inside these calls (they change
// DrawMode, empty layers, cancel the drawing), so a tool holds no shape or iterator across a
// call and looks the canvas's state up again after it.

// The cross-hair while a tool waits for a point, the four-way arrow while panning.
enum class TCanvasCursor { Default, Cross, SizeAll };

class TCanvasHost {
public:
    virtual ~TCanvasHost() = default;
    // Set on the control itself, so it shows only over the map and nothing outlives it.
    virtual void SetCursor(TCanvasCursor cursor) = 0;
    // The events, in world coordinates; Button, Shift and Action as in CanvasInput.h.
    virtual void ShapeNumberSelected(int shapeType, int shapeNumber) = 0;
    virtual void WorldMouseMove(int shift, double x, double y, double magnitude, double angle) = 0;
    virtual void WorldMouseDown(int button, int shift, int action, double x, double y) = 0;
    virtual void DrawBegin(int shapeType, double x, double y) = 0;
    virtual void DrawEnd(int shapeType, double x, double y) = 0;
};
