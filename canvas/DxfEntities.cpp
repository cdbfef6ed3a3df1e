#include "canvas/DxfEntities.h"

#include "canvas/DxfEntityParts.h"
#include "canvas/DxfFields.h"
#include "canvas/DxfLines.h"
#include "canvas/DxfText.h"
#include "canvas/QShapeCircle.h"
#include "canvas/QShapeLine.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapePolyline.h"
#include "canvas/QShapeText.h"

#include <QLoggingCategory>
#include <array>
#include <string>

// Debug lines for the first lines of an import; off unless enabled ("quellbay.dxf.debug=true").
Q_LOGGING_CATEGORY(lcDxf, "quellbay.dxf", QtInfoMsg)

namespace {

constexpr std::size_t kDiagnosedLines = 5;
constexpr double kDefaultTextHeight = 2.5;
constexpr double kSmallestTextHeight = 0.1;
constexpr int kEmbeddedObject = 101;

// "  0 / LINE / 8 / Kerb / 10 / 1.5 / 20 / 0 / 11 / 2.0 / 21 / 0 / 62 / 1"
bool ReadLine(TDxfLines& lines, TDxfDrawing& drawing) {
    std::string_view layer = "0";
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int color = -1;
    TDxfFields fields;
    fields.Text(8, layer).Real(10, x1).Real(20, y1).Real(11, x2).Real(21, y2).Integer(62, color);
    if (!fields.Read(lines)) return false;
    const TDxfTarget& target = drawing.Target();
    if (drawing.Count() < kDiagnosedLines) {
        // The target layer is made visible and locked before the shapes go in.
        qCDebug(lcDxf).noquote().nospace()
            << "DXF LINE: layer='" << QString::fromStdString(std::string(layer))
            << "' lid=" << target.LayerId << " visible=Y locked=Y";
    }
    auto line = std::make_unique<TQLine>(target.LayerId, x1, y1, x2, y2);
    line->Color = DxfShapeColor(drawing, color);
    line->LineWidth = target.LineWidth;
    drawing.AddShape(std::move(line));
    return true;
}

// "  0 / CIRCLE / 10 / 5 / 20 / 5 / 40 / 2.5"
bool ReadCircle(TDxfLines& lines, TDxfDrawing& drawing) {
    double x = 0, y = 0, radius = 0;
    int color = -1;
    TDxfFields fields;
    fields.Real(10, x).Real(20, y).Real(40, radius).Integer(62, color);
    if (!fields.Read(lines)) return false;
    auto circle = std::make_unique<TQCircle>(drawing.Target().LayerId, x, y, radius);
    circle->Color = DxfShapeColor(drawing, color);
    circle->LineWidth = drawing.Target().LineWidth;
    drawing.AddShape(std::move(circle));
    return true;
}

// "  0 / SOLID / 10 / 0 / 20 / 0 / 11 / 4 / 21 / 0 / 12 / 0 / 22 / 3 / 13 / 4 / 23 / 3": a
// filled quadrilateral whose corners come in the order 1, 2, 4, 3 round its edge; a triangle
// repeats its third corner as the fourth.
bool ReadSolid(TDxfLines& lines, TDxfDrawing& drawing) {
    std::array<TWorldPoint, 4> c{};
    int color = -1;
    TDxfFields fields;
    for (int i = 0; i < 4; ++i) fields.Real(10 + i, c[i].X).Real(20 + i, c[i].Y);
    fields.Integer(62, color);
    if (!fields.Read(lines)) return false;
    std::vector<TWorldPoint> outline = {c[0], c[1], c[3]};
    if (c[2].X != c[3].X || c[2].Y != c[3].Y) outline.push_back(c[2]);
    AddDxfPolyline(drawing, outline, true, DxfShapeColor(drawing, color));
    return true;
}

// "  0 / POINT / 10 / 3 / 20 / 4": drawn in the layer's pen, whatever its group 62.
bool ReadPoint(TDxfLines& lines, TDxfDrawing& drawing) {
    double x = 0, y = 0;
    TDxfFields fields;
    fields.Real(10, x).Real(20, y);
    if (!fields.Read(lines)) return false;
    auto point = std::make_unique<TQPoint>(drawing.Target().LayerId, x, y);
    point->Color = drawing.Target().Color;
    point->LineWidth = drawing.Target().LineWidth;
    drawing.AddShape(std::move(point));
    return true;
}

// "  0 / TEXT / 10 / 1 / 20 / 2 / 40 / 0.5 / 50 / 30 / 1 / Pier 3" and MTEXT alike, whose
// last piece of text is group 1 (earlier pieces, group 3, are not read). An MTEXT of release
// 2018 may end with an embedded object (101), whose groups 10 and 20 are no anchor.
bool ReadText(TDxfLines& lines, TDxfDrawing& drawing) {
    std::string_view value;
    double x = 0, y = 0, height = kDefaultTextHeight, rotationDeg = 0;
    TDxfFields fields;
    fields.Text(1, value).Real(10, x).Real(20, y).Real(40, height).Real(50, rotationDeg);
    if (!fields.IgnoreAfter(kEmbeddedObject).Read(lines)) return false;
    const QString text = DxfTextToQString(value);
    if (text.isEmpty()) return true;
    auto shape = std::make_unique<TQText>(drawing.Target().LayerId, x, y, text, -1);
    shape->Size = height > kSmallestTextHeight ? height : kDefaultTextHeight;
    shape->FontName = "Arial";
    shape->Angle = rotationDeg;
    shape->HAlign = taLeft;
    shape->VAlign = taBottom;
    shape->Color = drawing.Target().Color;
    shape->UpdateBounds();
    drawing.AddShape(std::move(shape));
    return true;
}

// "  0 / INSERT / 2 / Bollard / 10 / 100 / 20 / 50 / 41 / 2 / 42 / 2 / 50 / 90"
bool ReadInsert(TDxfLines& lines, TDxfDrawing& drawing) {
    std::string_view name;
    TDxfInsert insert;
    int color = -1;
    TDxfFields fields;
    fields.Text(2, name).Real(10, insert.X).Real(20, insert.Y).Real(41, insert.ScaleX);
    fields.Real(42, insert.ScaleY).Real(50, insert.RotationDeg).Integer(62, color);
    if (!fields.Read(lines)) return false;
    insert.Block = drawing.FindBlock(DxfNameToQString(name));
    insert.Color = AciToColor(color);
    drawing.AddInsert(insert);
    return true;
}

struct TReaderEntry {
    std::string_view type;
    TDxfEntityReader read;
};

constexpr std::array<TReaderEntry, 13> kReaders = {{
    {"LINE", ReadLine},
    {"LWPOLYLINE", ReadDxfLwPolyline},
    {"TEXT", ReadText},
    {"CIRCLE", ReadCircle},
    {"POINT", ReadPoint},
    {"ARC", ReadDxfArc},
    {"POLYLINE", ReadDxfPolyline},
    {"INSERT", ReadInsert},
    {"MTEXT", ReadText},
    {"ELLIPSE", ReadDxfEllipse},
    {"SPLINE", ReadDxfSpline},
    {"SOLID", ReadSolid},
    {"TRACE", ReadSolid},
}};

}  // namespace

TColor DxfShapeColor(const TDxfDrawing& drawing, int aciNumber) {
    const TColor color = AciToColor(aciNumber);
    return color != kNoAciColor ? color : drawing.Target().Color;
}

void AddDxfPolyline(TDxfDrawing& drawing, const std::vector<TWorldPoint>& points, bool closed,
                    TColor color) {
    if (points.size() < 2) return;
    auto polyline = std::make_unique<TQPolyline>(drawing.Target().LayerId,
                                                 closed ? stPolygon : stPolyline, closed);
    polyline->AddVertices(points);
    polyline->Color = color;
    drawing.AddShape(std::move(polyline));
}

TDxfEntityReader FindDxfEntityReader(std::string_view type) {
    for (const TReaderEntry& entry : kReaders) {
        if (entry.type == type) return entry.read;
    }
    return nullptr;
}
