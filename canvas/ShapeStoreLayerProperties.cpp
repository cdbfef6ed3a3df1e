// Layer properties by id: getters give the stated default for an unknown id, setters then
// change nothing.
#include "canvas/ShapeStore.h"
#include "canvas/StoreFields.h"

int TShapeStore::GetLayerTag(int id) const { return FieldOr(FindLayer(id), &TQLayer::Tag, 0); }

void TShapeStore::SetLayerTag(int id, int tag) {
    SetFieldOf(*this, FindLayer(id), &TQLayer::Tag, tag);
}

TColor TShapeStore::GetLayerColor(int id) const {
    return FieldOr(FindLayer(id), &TQLayer::Color, kBlack);
}

void TShapeStore::SetLayerColor(int id, TColor color) {
    TQLayer* layer = FindLayer(id);
    if (!layer) return;
    layer->Color = color;
    for (const size_t position : PositionsOnLayer(id)) shapes_[position]->Color = color;
    Redraw();
}

int TShapeStore::GetLayerLineWidth(int id) const {
    return FieldOr(FindLayer(id), &TQLayer::LineWidth, 1);
}

void TShapeStore::SetLayerLineWidth(int id, int width) {
    TQLayer* layer = FindLayer(id);
    if (!layer) return;
    layer->LineWidth = width;
    for (const size_t position : PositionsOnLayer(id)) shapes_[position]->LineWidth = width;
    Redraw();
}

int TShapeStore::GetLayerAux1(int id) const { return FieldOr(FindLayer(id), &TQLayer::Aux1, 0); }

void TShapeStore::SetLayerAux1(int id, int value) {
    SetFieldOf(*this, FindLayer(id), &TQLayer::Aux1, value);
}

TColor TShapeStore::GetLayerFillColor(int id) const {
    return FieldOr(FindLayer(id), &TQLayer::FillColor, kWhite);
}

void TShapeStore::SetLayerFillColor(int id, TColor color) {
    SetFieldOf(*this, FindLayer(id), &TQLayer::FillColor, color);
}

int TShapeStore::GetLayerAux2(int id) const {
    return FieldOr(FindLayer(id), &TQLayer::Aux2, 0xFFFFFF);
}

void TShapeStore::SetLayerAux2(int id, int value) {
    SetFieldOf(*this, FindLayer(id), &TQLayer::Aux2, value);
}

int TShapeStore::GetLayerBrushStyle(int id) const {
    return FieldOr(FindLayer(id), &TQLayer::BrushStyle, int{bsClear});
}

void TShapeStore::SetLayerBrushStyle(int id, int style) {
    SetFieldOf(*this, FindLayer(id), &TQLayer::BrushStyle, style);
}

bool TShapeStore::GetLayerVisible(int id) const {
    return FieldOr(FindLayer(id), &TQLayer::Visible, false);
}

void TShapeStore::SetLayerVisible(int id, bool visible) {
    SetFieldOf(*this, FindLayer(id), &TQLayer::Visible, visible);
}

int TShapeStore::GetLayerAux3(int id) const { return FieldOr(FindLayer(id), &TQLayer::Aux3, 0); }

void TShapeStore::SetLayerAux3(int id, int value) {
    SetFieldOf(*this, FindLayer(id), &TQLayer::Aux3, value);
}
