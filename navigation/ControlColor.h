#pragma once
// The windows' lamps: a group box or a memo whose colour tells a state (fix quality, latency,
// a silent port). The colour fills the control's background.

#include "canvas/Color.h"

class QWidget;

// The lamps' colours besides the canvas's kRed, kWhite and kBlack.
constexpr TColor kLime = 0x00FF00;
constexpr TColor kAqua = 0xFFFF00;
constexpr TColor kYellow = 0x00FFFF;

void SetControlColor(QWidget* control, TColor color);
// The colour SetControlColor gave the control.
TColor ControlColor(const QWidget* control);
