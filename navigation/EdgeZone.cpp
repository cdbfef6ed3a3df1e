#include "navigation/EdgeZone.h"

TEdgeZone EdgeZoneAt(int x, int y, int width, int height) {
    const bool left = x < kEdgeZonePixels, right = x >= width - kEdgeZonePixels;
    const bool top = y < kEdgeZonePixels, bottom = y >= height - kEdgeZonePixels;
    if (top && left) return TEdgeZone::TopLeft;
    if (top && right) return TEdgeZone::TopRight;
    if (bottom && left) return TEdgeZone::BottomLeft;
    if (bottom && right) return TEdgeZone::BottomRight;
    if (left) return TEdgeZone::Left;
    if (right) return TEdgeZone::Right;
    if (top) return TEdgeZone::Top;
    if (bottom) return TEdgeZone::Bottom;
    return TEdgeZone::Inside;
}

Qt::Edges EdgesOf(TEdgeZone zone) {
    switch (zone) {
        case TEdgeZone::Left:
            return Qt::LeftEdge;
        case TEdgeZone::Right:
            return Qt::RightEdge;
        case TEdgeZone::Top:
            return Qt::TopEdge;
        case TEdgeZone::Bottom:
            return Qt::BottomEdge;
        case TEdgeZone::TopLeft:
            return Qt::TopEdge | Qt::LeftEdge;
        case TEdgeZone::TopRight:
            return Qt::TopEdge | Qt::RightEdge;
        case TEdgeZone::BottomLeft:
            return Qt::BottomEdge | Qt::LeftEdge;
        case TEdgeZone::BottomRight:
            return Qt::BottomEdge | Qt::RightEdge;
        case TEdgeZone::Inside:
            break;
    }
    return {};
}

Qt::CursorShape CursorOf(TEdgeZone zone) {
    switch (zone) {
        case TEdgeZone::TopLeft:
        case TEdgeZone::BottomRight:
            return Qt::SizeFDiagCursor;
        case TEdgeZone::TopRight:
        case TEdgeZone::BottomLeft:
            return Qt::SizeBDiagCursor;
        case TEdgeZone::Left:
        case TEdgeZone::Right:
            return Qt::SizeHorCursor;
        case TEdgeZone::Top:
        case TEdgeZone::Bottom:
            return Qt::SizeVerCursor;
        case TEdgeZone::Inside:
            break;
    }
    return Qt::ArrowCursor;
}
