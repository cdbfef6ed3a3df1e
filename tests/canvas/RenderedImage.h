#pragma once
// The canvas painted into an image as the widget paints it, and the pixel probes the renderer
// and overlay tests read it with.

#include "canvas/CanvasModel.h"
#include "canvas/MapOverlays.h"
#include "canvas/MapRenderer.h"
#include "canvas/QPainterSurface.h"

#include <QImage>
#include <QPainter>

// The back buffer of the model's client size, with the overlays on top when asked.
inline QImage Rendered(const TCanvasModel& model, bool withOverlays) {
    QImage image(model.ClientWidth(), model.ClientHeight(), QImage::Format_RGB32);
    QPainter painter(&image);
    TQPainterSurface surface(painter);
    RenderBackBuffer(model, surface);
    if (withOverlays) DrawOverlays(model, surface);
    return image;
}

inline TColor ColorAt(const QImage& image, int x, int y) {
    return ToTColor(image.pixelColor(x, y));
}

// The pixels of exactly this colour within the area.
inline int CountIn(const QImage& image, const QRect& area, TColor color) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) count += ColorAt(image, x, y) == color;
    }
    return count;
}
