#pragma once
// A drawable object of the map canvas. Each kind knows its world geometry (doubles in grid
// units, x east, y north), draws itself on a TDrawSurface for a given view, answers whether a
// world point lies on it, keeps its bounding box and can be moved, scaled and rotated.
// The canvas owns every shape and hands out its id; other code addresses shapes by id.

#include "canvas/Color.h"
#include "canvas/DrawSurface.h"
#include "canvas/PixelMapper.h"

#include "canvas/PlaneGeometry.h"

#include <QString>
#include <functional>

// Kind codes (ShapeType); the same numbers select the drawing tools.
enum TShapeTypeCode {
    stRectangle = 1,
    stRoundRectangle = 2,
    stLine = 3,
    stEllipseTool = 4,
    stPolyline = 5,
    stPolygon = 6,
    stSpline = 8,
    stArc3P = 10,
    stText = 11,
    stPoint = 17,
    stCircle = 19,
    stEllipse = 20,
};

class TQShape {
public:
    TQShape(int layerId, int shapeType) : LayerId(layerId), ShapeType(shapeType) {}
    virtual ~TQShape() = default;
    TQShape(const TQShape&) = delete;
    TQShape& operator=(const TQShape&) = delete;

    // Draws the shape for the view with these world edges on a width x height surface.
    void Draw(TDrawSurface& surface, double viewLeft, double viewRight, double viewTop,
              double viewBottom, int width, int height) const;
    // As Draw, with `color` standing in for Color (the canvas's contrast rule).
    void DrawInColor(TDrawSurface& surface, const TPixelMapper& view, TColor color) const;
    // What a shape drawn in `color` shows: red while selected.
    TColor DrawnColor(TColor color) const { return Selected ? kRed : color; }

    // The world point (x, y) lies on the shape; tolerance in world units.
    virtual bool HitTest(double x, double y, double tolerance) const = 0;
    // Recomputes MinX .. MaxY from the geometry.
    virtual void UpdateBounds() = 0;
    // Move, Scale and Rotate transform every defining point, then update the bounds.
    virtual void Move(double dx, double dy);
    // Every defining point p becomes (p - c) * s + c per axis.
    virtual void Scale(double sx, double sy, double cx, double cy);
    // angleDeg counter-clockwise about (cx, cy).
    virtual void Rotate(double angleDeg, double cx, double cy);

    // The fields a frame reads for every shape come first, in one cache line.
    int Id = 0;
    int LayerId;
    int ShapeType;
    bool Selected = false;
    bool Visible = true;
    double MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;
    TColor Color = kBlack;
    int LineWidth = 1;
    int Aux1 = 0;
    TColor FillColor = kWhite;
    int Aux2 = 0xFFFFFF;
    int BrushStyle = bsClear;
    int Aux3 = 0;
    int Aux4 = 0;
    QString UserText1;
    QString UserText2;

protected:
    // drawColor is red for a selected shape, else the colour to draw with.
    virtual void DrawShape(TDrawSurface& surface, const TPixelMapper& view,
                           TColor drawColor) const = 0;
    using TPointMap = std::function<TWorldPoint(TWorldPoint)>;
    // Replaces every defining point p of the shape by map(p).
    virtual void MapPoints(const TPointMap& map) = 0;
    // Sets MinX .. MaxY to the box of two corners given in any order.
    void SetBoundsOfCorners(double x1, double y1, double x2, double y2);
};
