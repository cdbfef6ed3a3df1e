// The selection: Selected flags on the shapes and the list SelectedIds beside them.
#include "canvas/ShapeStore.h"

#include <algorithm>

void TShapeStore::SelectShape(int id, bool add) {
    if (!add) ClearSelectionWithoutDirty();
    if (TQShape* shape = FindShape(id)) {
        shape->Selected = true;
        SelectedIds.push_back(id);
    }
    Dirty = true;
}

void TShapeStore::DeselectShape(int id) {
    if (TQShape* shape = FindShape(id)) shape->Selected = false;
    std::erase(SelectedIds, id);
    Dirty = true;
}

void TShapeStore::SelectAll() {
    SelectWhere([](const TQShape&) { return true; });
    Dirty = true;
}

void TShapeStore::ClearSelection() {
    ClearSelectionWithoutDirty();
    Dirty = true;
}

void TShapeStore::ClearSelectionWithoutDirty() {
    for (auto& shape : shapes_) shape->Selected = false;
    SelectedIds.clear();
}

void TShapeStore::SelectLayerShapes(int layer, bool add) {
    if (!add) ClearSelectionWithoutDirty();
    SelectWhere([layer](const TQShape& shape) { return shape.LayerId == layer; });
    Dirty = true;
}

void TShapeStore::DeselectLayerShapes(int layer) {
    for (auto& shape : shapes_) {
        if (shape->LayerId == layer) shape->Selected = false;
    }
    std::erase_if(SelectedIds, [this, layer](int id) {
        const TQShape* shape = FindShape(id);
        return shape && shape->LayerId == layer;
    });
    Dirty = true;
}

void TShapeStore::SelectByLayerIds(const std::vector<int>& layers) {
    ClearSelectionWithoutDirty();
    SelectWhere([&layers](const TQShape& shape) {
        return std::find(layers.begin(), layers.end(), shape.LayerId) != layers.end();
    });
    Redraw();
}

void TShapeStore::MoveSelected(double dx, double dy) {
    for (size_t i = 0; i < shapes_.size(); ++i) {
        if (!shapes_[i]->Selected) continue;
        shapes_[i]->Move(dx, dy);
        boxes_.Set(i, CullBoxOf(*shapes_[i]));
    }
    Dirty = true;
}

int TShapeStore::GetSelectedCount() const {
    return static_cast<int>(std::count_if(shapes_.begin(), shapes_.end(),
                                          [](const auto& shape) { return shape->Selected; }));
}
