#include "canvas/SelectTool.h"

#include "canvas/CanvasInput.h"

void TSelectTool::Click(const TToolEvent& at) {
    const int hit = model_.HitTest(at.World.X, at.World.Y);
    if (!(at.Shift & (ssShift | ssCtrl))) model_.ClearSelectionWithoutDirty();
    if (hit >= 0) {
        model_.SelectShape(hit, true);
        model_.Host().ShapeNumberSelected(model_.GetShapeType(hit), hit);
    }
    model_.Redraw();
}
