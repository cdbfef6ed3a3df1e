#pragma once
// The canvas painted into an image as the widget paints it, from a picture drawn afresh, and
// the pixel probes the renderer and overlay tests read it with.

#include "canvas/CanvasModel.h"
#include "canvas/MapOverlays.h"
#include "canvas/MapPicture.h"
#include "canvas/MapRenderer.h"
#include "canvas/QPainterSurface.h"

#include <QImage>
#include <QPainter>

// The map picture of the model's client size; with the overlays, the whole frame.
inline QImage Rendered(const TCanvasModel& model, bool withOverlays) {
    QImage image(model.ClientWidth(), model.ClientHeight(), QImage::Format_RGB32);
    TMapPicture picture;
    picture.Update(model);
    QPainter painter(&image);
    if (withOverlays) {
        PaintMapFrame(model, picture, painter);
    } else {
        picture.Draw(painter);
    }
    return image;
}

// How many shapes the picture of the screen draws, taken as one rectangle of the lattice.
inline int DrawnShapes(const TCanvasModel& model) {
    const TRasterLattice& lattice = model.Lattice();
    const TRasterRect screen = lattice.Screen(model.ClientWidth(), model.ClientHeight());
    QImage image(screen.Width, screen.Height, QImage::Format_RGB32);
    QPainter painter(&image);
    TQPainterSurface surface(painter);
    return DrawMapBase(model, lattice, screen, surface).Drawn +
           DrawMapTop(model, lattice, screen, surface);
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
