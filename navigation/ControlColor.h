#pragma once
// The windows' lamps: a group box, a tool bar or a memo whose colour tells a state (fix quality,
// latency, a silent port, real time running). The colour fills the control's background, and
// its texts take a colour that reads on it, so neither survives nor suffers a style switch: the
// control's own palette is kept when the application's palette is replaced.

#include "canvas/Color.h"

class QWidget;

// The background of panels, edits and buttons. A text colour the control shows already is kept
// where it reads on the new background; otherwise black or white, whichever reads better.
void SetControlColor(QWidget* control, TColor color);
// Gives the control back to the style's own colours.
void ClearControlColor(QWidget* control);
// The colour SetControlColor gave the control.
TColor ControlColor(const QWidget* control);

// The contrast of two colours, from 1 (alike) to 21 (black and white), from their relative
// luminance in sRGB.
double ContrastRatio(TColor a, TColor b);
// Black or white, whichever contrasts more with the background.
TColor ReadableTextColor(TColor background);
