#pragma once
// Paints the echogram from its memory: the light background, a column from the top edge down
// to each sample's row with a red bottom edge, the depth line through the samples, the dotted
// depth grid with its labels, and the newest depth in a yellow box with a marker at its row.
// The picture depends on nothing but the memory, the picture's range and the size, so a window
// that is uncovered paints the same picture again.

#include "canvas/Color.h"
#include "navigation/EchogramMemory.h"

class QPainter;

inline constexpr TColor kEchoBackground = 0xFFF8F0;
inline constexpr TColor kEchoColumn = 0xFFB464;

// Paints into the client area (0, 0) to (width, height) of the painter's device.
void PaintEchogram(QPainter& painter, int width, int height, const TEchogramPicture& picture);
