#pragma once
// A text anchored at (X, Y). Size is the font size in points and also stands for a world
// half-size in the bounding box; HAlign and VAlign place the text cell around the anchor in
// screen axes whatever the angle.

#include "canvas/QShape.h"

enum TTextHAlign { taLeft = 0, taCenter = 1, taRight = 2 };
enum TTextVAlign { taTop = 0, taMiddle = 1, taBottom = 2 };

class TQText final : public TQShape {
  public:
    // UserText2 starts as a copy of the text.
    TQText(int layerId, double x, double y, const QString& text, int fontIndex);

    // The tolerance stands in for the character size.
    bool HitTest(double x, double y, double tolerance) const override;
    void UpdateBounds() override;
    // Turns the text about its anchor by adding to Angle.
    void Rotate(double angleDeg, double cx, double cy) override;

    double X, Y;
    QString Text;
    int FontIndex;
    // Degrees counter-clockwise.
    double Angle = 0;
    int HAlign = taLeft;
    int VAlign = taTop;
    double Size = 10;
    QString FontName = "Arial";
    bool Bold = false;
    bool Italic = false;

  protected:
    void DrawShape(TDrawSurface& surface, const TPixelMapper& view,
                   TColor drawColor) const override;
    // The anchor is the only defining point: scaling moves it and keeps Size.
    void MapPoints(const TPointMap& map) override;
};

// The point size a text of this Size is drawn with: 10 for none, else 4 to 72.
int TextPointSize(double size);
