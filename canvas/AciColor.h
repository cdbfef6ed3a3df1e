#pragma once
// The colour numbers of DXF files (AutoCAD Colour Index, group 62) as canvas colours.

#include "canvas/Color.h"

// Returned for the numbers that name no colour of their own.
constexpr TColor kNoAciColor = -1;

// 1 to 9 are the standard colours (1 red, 2 yellow, 3 green, 4 cyan, 5 blue, 6 magenta,
// 7 white, 8 and 9 greys); 10 to 255 are computed from the number. 0 (by block), 256 (by layer)
// and every other number give kNoAciColor.
TColor AciToColor(int number);
