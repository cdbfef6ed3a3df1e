#pragma once
// Click selection (DrawMode 0 and -1, no drawing under way): the topmost shape at the press
// becomes selected and the owner hears of it. Unless Shift or Ctrl is held the click replaces
// the selection, so a click on empty map clears it.

#include "canvas/CanvasTool.h"

class TSelectTool final {
public:
    explicit TSelectTool(TCanvasModel& model) : model_(model) {}
    void Click(const TToolEvent& at);

private:
    TCanvasModel& model_;
};
