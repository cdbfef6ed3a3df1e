#pragma once
// The windows' lamps: a group box or a memo whose colour tells a state (fix quality, latency,
// a silent port). The colour fills the control's background.

#include "canvas/Color.h"

class QWidget;

void SetControlColor(QWidget* control, TColor color);
// The colour SetControlColor gave the control.
TColor ControlColor(const QWidget* control);
