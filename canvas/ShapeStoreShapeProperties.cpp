// Shape properties and queries by id: getters give the stated default for an unknown id (or
// a shape of another kind), setters then change nothing.
#include "canvas/QShapeLine.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapePolyline.h"
#include "canvas/QShapeText.h"
#include "canvas/ShapeStore.h"
#include "canvas/StoreFields.h"

int TShapeStore::GetShapeType(int id) const {
    return FieldOr(FindShape(id), &TQShape::ShapeType, 0);
}

int TShapeStore::GetShapeLineWidth(int id) const {
    return FieldOr(FindShape(id), &TQShape::LineWidth, 1);
}

void TShapeStore::SetShapeLineWidth(int id, int width) {
    SetFieldOf(*this, FindShape(id), &TQShape::LineWidth, width);
}

TColor TShapeStore::GetShapeColor(int id) const {
    return FieldOr(FindShape(id), &TQShape::Color, kBlack);
}

void TShapeStore::SetShapeColor(int id, TColor color) {
    SetFieldOf(*this, FindShape(id), &TQShape::Color, color);
}

int TShapeStore::GetShapeAux1(int id) const { return FieldOr(FindShape(id), &TQShape::Aux1, 0); }

void TShapeStore::SetShapeAux1(int id, int value) {
    SetFieldOf(*this, FindShape(id), &TQShape::Aux1, value);
}

TColor TShapeStore::GetShapeFillColor(int id) const {
    return FieldOr(FindShape(id), &TQShape::FillColor, kWhite);
}

void TShapeStore::SetShapeFillColor(int id, TColor color) {
    SetFieldOf(*this, FindShape(id), &TQShape::FillColor, color);
}

int TShapeStore::GetShapeBrushStyle(int id) const {
    return FieldOr(FindShape(id), &TQShape::BrushStyle, 0);
}

void TShapeStore::SetShapeBrushStyle(int id, int style) {
    SetFieldOf(*this, FindShape(id), &TQShape::BrushStyle, style);
}

int TShapeStore::GetShapeAux3(int id) const { return FieldOr(FindShape(id), &TQShape::Aux3, 0); }

void TShapeStore::SetShapeAux3(int id, int value) {
    SetFieldOf(*this, FindShape(id), &TQShape::Aux3, value);
}

int TShapeStore::GetShapeLayerId(int id) const {
    return FieldOr(FindShape(id), &TQShape::LayerId, -1);
}

void TShapeStore::SetShapeLayer(int id, int layer) {
    TQShape* shape = FindShape(id);
    if (!shape) return;
    shape->LayerId = layer;
    index_.SetLayer(id, layer);
    Dirty = true;
}

bool TShapeStore::IsShapeSelected(int id) const {
    return FieldOr(FindShape(id), &TQShape::Selected, false);
}

QString TShapeStore::GetShapeUserText1(int id) const {
    return FieldOr(FindShape(id), &TQShape::UserText1, QString());
}

void TShapeStore::SetShapeUserText1(int id, const QString& text) {
    if (TQShape* shape = FindShape(id)) shape->UserText1 = text;
}

QString TShapeStore::GetShapeUserText2(int id) const {
    return FieldOr(FindShape(id), &TQShape::UserText2, QString());
}

void TShapeStore::SetShapeUserText2(int id, const QString& text) {
    SetFieldOf(*this, FindShape(id), &TQShape::UserText2, text);
}

int TShapeStore::GetShapeAux4(int id) const { return FieldOr(FindShape(id), &TQShape::Aux4, 0); }

void TShapeStore::SetShapeAux4(int id, int value) {
    SetFieldOf(*this, FindShape(id), &TQShape::Aux4, value);
}

int TShapeStore::GetTextHAlign(int id) const {
    return FieldOr(FindKind<TQText>(id), &TQText::HAlign, 0);
}

void TShapeStore::SetTextHAlign(int id, int align) {
    SetFieldOf(*this, FindKind<TQText>(id), &TQText::HAlign, align);
}

int TShapeStore::GetTextVAlign(int id) const {
    return FieldOr(FindKind<TQText>(id), &TQText::VAlign, 0);
}

void TShapeStore::SetTextVAlign(int id, int align) {
    SetFieldOf(*this, FindKind<TQText>(id), &TQText::VAlign, align);
}

int TShapeStore::GetPointRadius(int id) const {
    return FieldOr(FindKind<TQPoint>(id), &TQPoint::Radius, 0);
}

void TShapeStore::SetPointRadius(int id, int radius) {
    Change<TQPoint>(id, [radius](TQPoint& point) {
        point.Radius = radius;
        point.UpdateBounds();
    });
}

std::vector<int> TShapeStore::GetAllShapeIds() const {
    std::vector<int> ids;
    ids.reserve(Shapes().size());
    for (const auto& shape : Shapes()) ids.push_back(shape->Id);
    return ids;
}

std::vector<int> TShapeStore::GetLayerShapeIds(int layer) const {
    const std::vector<size_t> positions = PositionsOnLayer(layer);
    std::vector<int> ids;
    ids.reserve(positions.size());
    for (const size_t position : positions) ids.push_back(shapes_[position]->Id);
    return ids;
}

TLineEnds TShapeStore::GetLineEnds(int id) const {
    if (const auto* line = FindKind<TQLine>(id)) {
        return {true, line->X1, line->Y1, line->X2, line->Y2};
    }
    const auto* polyline = FindKind<TQPolyline>(id);
    if (!polyline || polyline->VertexCount() < 2) return {};
    const int last = polyline->VertexCount() - 1;
    return {true, polyline->VertexX(0), polyline->VertexY(0), polyline->VertexX(last),
            polyline->VertexY(last)};
}

TPointXY TShapeStore::GetPointXY(int id) const {
    const auto* point = FindKind<TQPoint>(id);
    return point ? TPointXY{true, point->X, point->Y} : TPointXY{};
}

TTextInfo TShapeStore::GetTextInfo(int id) const {
    const auto* text = FindKind<TQText>(id);
    return text ? TTextInfo{true, text->X, text->Y, text->Text.toStdString()} : TTextInfo{};
}

double TShapeStore::GetVertexX(int id, int i) const {
    const auto* polyline = FindKind<TQPolyline>(id);
    return polyline ? polyline->VertexX(i) : 0.0;
}

double TShapeStore::GetVertexY(int id, int i) const {
    const auto* polyline = FindKind<TQPolyline>(id);
    return polyline ? polyline->VertexY(i) : 0.0;
}

int TShapeStore::GetVertexCount(int id) const {
    const auto* polyline = FindKind<TQPolyline>(id);
    return polyline ? polyline->VertexCount() : 0;
}
