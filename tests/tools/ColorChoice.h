#pragma once
// Choosing a colour in a colour box as the user does.

#include "tools/ColorBox.h"

// Selects the colour and reports it as the user's choice, so the box's handlers run.
inline void Choose(TColorBox* box, TColor color) {
    box->SetSelected(color);
    emit box->activated(box->currentIndex());
}
