#pragma once
// The edge zones of a window without a frame: the 6 pixels along each edge where a press
// resizes the window instead of moving it, and the corners where two of them meet. Each zone
// carries the Windows hit-test code of the frame part it stands for.

#include <Qt>

inline constexpr int kEdgeZonePixels = 6;

enum class TEdgeZone {
    Inside = 1,  // HTCLIENT
    Left = 10,
    Right = 11,
    Top = 12,
    TopLeft = 13,
    TopRight = 14,
    Bottom = 15,
    BottomLeft = 16,
    BottomRight = 17,
};

// The zone of the point (x, y) of a window `width` by `height` pixels, in window pixels: the
// corners first, then the edges.
TEdgeZone EdgeZoneAt(int x, int y, int width, int height);
// The edges a resize from the zone moves; none inside.
Qt::Edges EdgesOf(TEdgeZone zone);
// The sizing cursor of the zone; the arrow inside.
Qt::CursorShape CursorOf(TEdgeZone zone);
