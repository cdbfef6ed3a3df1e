#pragma once
// The drawing surface that shapes, grid and scale bar paint on: the operations and the state
// (pen, brush, font) of the classic Windows canvas, in its conventions:
// - Rectangle, Ellipse, RoundRect and FillRect take (left, top, right, bottom) and leave out the
//   right column and the bottom row; RoundRect's corner sizes are diameters.
// - TextOut places the top-left corner of the text cell at (x, y), rotated by the font
//   orientation about that point; text never paints a background.
// - Polygon fills by the even-odd rule. A pen of width 0 or 1 is one pixel wide.
// - Font sizes are points at 96 dots per inch, whatever the device.
// TQPainterSurface translates all of this to QPainter; nothing else talks to QPainter.

#include "canvas/Color.h"

#include <QString>
#include <span>

struct TPixel {
    int X = 0;
    int Y = 0;
};

enum class TPenStyle { Solid, Clear, Dot };
// Xor inverts what lies below a white pen, so drawing twice restores the picture.
enum class TPenMode { Copy, Xor };

// Brush style codes as stored in shapes, layers and files.
enum TBrushStyleCode {
    bsSolid = 0,
    bsClear = 1,
    bsHorizontal = 2,
    bsVertical = 3,
    bsFDiagonal = 4,
    bsBDiagonal = 5,
    bsCross = 6,
    bsDiagCross = 7,
};

class TDrawSurface {
public:
    virtual ~TDrawSurface() = default;

    virtual void SetPen(TColor color, int width) = 0;
    virtual void SetPenStyle(TPenStyle style) = 0;
    virtual void SetPenMode(TPenMode mode) = 0;
    // style is a TBrushStyleCode; unknown codes fill solid.
    virtual void SetBrush(TColor color, int style) = 0;
    virtual void SetBrushStyle(int style) = 0;
    // orientationTenths: tenths of a degree counter-clockwise.
    virtual void SetFont(const QString& name, int sizePoints, bool bold, bool italic) = 0;
    virtual void SetFontColor(TColor color) = 0;
    virtual void SetFontOrientation(int orientationTenths) = 0;

    // Paints the size x size pixels right and down from (x, y) in the colour (size 1: one
    // pixel); pen and brush stay as they are.
    virtual void FillPixels(int x, int y, int size, TColor color) = 0;
    virtual void FillRect(int left, int top, int right, int bottom) = 0;
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                           int cornerHeight) = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    virtual void Polyline(std::span<const TPixel> points) = 0;
    virtual void Polygon(std::span<const TPixel> points) = 0;
    // A cubic Bézier curve through 3n + 1 points: start, two controls, end, two controls, ...
    virtual void PolyBezier(std::span<const TPixel> points) = 0;
    virtual void TextOut(int x, int y, const QString& text) = 0;
    virtual int TextWidth(const QString& text) = 0;
    virtual int TextHeight(const QString& text) = 0;
};
