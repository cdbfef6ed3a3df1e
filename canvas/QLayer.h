#pragma once
// A canvas layer. Shapes added to a layer take its pen (and for closed shapes its fill);
// the canvas draws only shapes of visible layers. Tag and Locked belong to the owner.

#include "canvas/Color.h"
#include "canvas/DrawSurface.h"

#include <QString>

struct TQLayer {
    int Id = 0;
    QString Name;
    bool Visible = true;
    bool Locked = false;
    int Tag = 0;
    TColor Color = kBlack;
    int LineWidth = 1;
    int Aux1 = 0;
    TColor FillColor = kWhite;
    int Aux2 = 0xFFFFFF;
    int BrushStyle = bsClear;
    int Aux3 = 0;
};
