#include "canvas/ShapeStore.h"

#include "canvas/QShapeArc.h"
#include "canvas/QShapeCircle.h"
#include "canvas/QShapeEllipse.h"
#include "canvas/QShapeLine.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapePolyline.h"
#include "canvas/QShapeRectangle.h"
#include "canvas/QShapeText.h"

#include <algorithm>

namespace {

// Beyond this share of the drawing, a layer's shapes are found by a walk over the drawing.
constexpr size_t kWalkShare = 8;

}  // namespace

TShapeStore::TShapeStore() {
    AddLayer(kDefaultLayerName);
    Fonts.push_back({"Arial", 10, false, false, 0});
}

TShapeStore::~TShapeStore() = default;

void TShapeStore::Redraw() {
    Dirty = true;
    Invalidate();
}

int TShapeStore::AddLayer(const QString& name) {
    int id = FindLayerByName(name);
    if (id < 0) {
        auto layer = std::make_unique<TQLayer>();
        layer->Id = id = nextLayerId_++;
        layer->Name = name;
        layers_.push_back(std::move(layer));
        layerOfName_.insert(name, id);
    }
    CurrentLayer = id;
    return id;
}

TQLayer* TShapeStore::FindLayer(int id) {
    return const_cast<TQLayer*>(std::as_const(*this).FindLayer(id));
}

const TQLayer* TShapeStore::FindLayer(int id) const {
    // Layer ids are handed out from 0 in creation order and a layer goes only with all the
    // others (ClearDrawing), so a layer's id is its position.
    if (id < 0 || static_cast<size_t>(id) >= layers_.size()) return nullptr;
    return layers_[static_cast<size_t>(id)].get();
}

int TShapeStore::FindLayerByName(const QString& name) const {
    // Names are unique (AddLayer finds a name before it makes one), so the first layer of that
    // name is the only one.
    return layerOfName_.value(name, -1);
}

void TShapeStore::ReassignLayer(int fromLayer, int toLayer, int mode) {
    if (mode == 1 && fromLayer != toLayer) {
        for (const size_t position : PositionsOnLayer(fromLayer)) {
            shapes_[position]->LayerId = toLayer;
        }
        index_.MoveLayer(fromLayer, toLayer);
    }
    Dirty = true;
}

bool TShapeStore::WalkFor(int layer) const {
    return index_.IdsOn(layer).size() > shapes_.size() / kWalkShare;
}

std::vector<size_t> TShapeStore::PositionsOnLayer(int layer) const {
    std::vector<size_t> positions;
    positions.reserve(index_.IdsOn(layer).size());
    if (WalkFor(layer)) {
        for (size_t i = 0; i < shapes_.size(); ++i) {
            PrefetchAfter(shapes_, i);
            if (shapes_[i]->LayerId == layer) positions.push_back(i);
        }
    } else {
        for (const int id : index_.IdsOn(layer)) positions.push_back(*index_.PositionOf(id));
        std::sort(positions.begin(), positions.end());
    }
    return positions;
}

size_t TShapeStore::FirstPositionOnLayer(int layer) const {
    if (WalkFor(layer)) return 0;
    size_t first = shapes_.size();
    for (const int id : index_.IdsOn(layer)) first = std::min(first, *index_.PositionOf(id));
    return first;
}

int TShapeStore::LayerOrDefault(int layer) {
    return FindLayer(layer) ? layer : AddLayer(kDefaultLayerName);
}

int TShapeStore::AddWithLayerPen(std::unique_ptr<TQShape> shape) {
    const TQLayer& layer = *FindLayer(shape->LayerId);
    shape->Color = layer.Color;
    shape->LineWidth = layer.LineWidth;
    return AddShape(std::move(shape));
}

int TShapeStore::AddShape(std::unique_ptr<TQShape> shape) {
    shape->Id = nextShapeId_++;
    return Append(std::move(shape));
}

int TShapeStore::AddReservedShape(std::unique_ptr<TQShape> shape) {
    const int id = shape->Id;
    if (id <= 0 || id >= nextShapeId_ || index_.Contains(id)) shape->Id = nextShapeId_++;
    return Append(std::move(shape));
}

int TShapeStore::Append(std::unique_ptr<TQShape> shape) {
    const int id = shape->Id;
    index_.Add(id, shape->LayerId, shapes_.size());
    boxes_.Append(CullBoxOf(*shape), CullKindOf(*shape));
    shapes_.push_back(std::move(shape));
    return id;
}

void TShapeStore::ReserveShapes(size_t count) {
    shapes_.reserve(count);
    boxes_.Reserve(count);
    index_.Reserve(count);
}

int TShapeStore::AddLine(double x1, double y1, double x2, double y2, int layer) {
    return AddInLayerStyle(std::make_unique<TQLine>(layer, x1, y1, x2, y2), false);
}

int TShapeStore::AddCircle(double cx, double cy, double r, int layer) {
    return AddInLayerStyle(std::make_unique<TQCircle>(layer, cx, cy, r), false);
}

int TShapeStore::AddRectangle(double x1, double y1, double x2, double y2, int layer) {
    return AddInLayerStyle(std::make_unique<TQRectangle>(layer, x1, y1, x2, y2, 0.0, 0), false);
}

int TShapeStore::AddInLayerStyle(std::unique_ptr<TQShape> shape, bool ownPen) {
    shape->LayerId = LayerOrDefault(shape->LayerId);
    const TQLayer& layer = *FindLayer(shape->LayerId);
    if (shape->ShapeType == stCircle || shape->ShapeType == stRectangle) {
        shape->FillColor = layer.FillColor;
        shape->BrushStyle = layer.BrushStyle;
    }
    if (ownPen) return AddShape(std::move(shape));
    return AddWithLayerPen(std::move(shape));
}

int TShapeStore::AddPoint(double x, double y, int layer) {
    return AddWithLayerPen(std::make_unique<TQPoint>(LayerOrDefault(layer), x, y));
}

int TShapeStore::AddEllipse(double x1, double y1, double x2, double y2, int layer) {
    return AddWithLayerPen(std::make_unique<TQEllipse>(LayerOrDefault(layer), x1, y1, x2, y2));
}

int TShapeStore::AddArc(double x1, double y1, double x2, double y2, double x3, double y3,
                        int layer) {
    return AddWithLayerPen(std::make_unique<TQArc>(LayerOrDefault(layer), x1, y1, x2, y2, x3, y3));
}

int TShapeStore::AddPolyline(const std::vector<TWorldPoint>& points, int layer, bool closed) {
    if (points.size() < 2) return -1;
    auto polyline = std::make_unique<TQPolyline>(LayerOrDefault(layer),
                                                 closed ? stPolygon : stPolyline, closed);
    for (const TWorldPoint& p : points) polyline->AddVertex(p.X, p.Y);
    const TQLayer& source = *FindLayer(polyline->LayerId);
    polyline->Aux1 = source.Aux1;
    polyline->FillColor = source.FillColor;
    polyline->BrushStyle = source.BrushStyle;
    return AddWithLayerPen(std::move(polyline));
}

int TShapeStore::AddText(int layer, const QString& text, double x, double y, int fontIndex) {
    return AddText(std::make_unique<TQText>(layer, x, y, text, fontIndex));
}

int TShapeStore::AddText(std::unique_ptr<TQText> shape) {
    shape->LayerId = LayerOrDefault(shape->LayerId);
    shape->HAlign = DefaultHAlign;
    shape->VAlign = DefaultVAlign;
    const int fontIndex = shape->FontIndex;
    if (fontIndex >= 0 && fontIndex < static_cast<int>(Fonts.size())) {
        const TQFontEntry& font = Fonts[fontIndex];
        shape->FontName = font.FontName;
        shape->Size = font.Size;
        shape->Bold = font.Bold;
        shape->Italic = font.Italic;
        shape->UpdateBounds();
    }
    shape->Color = FindLayer(shape->LayerId)->Color;
    return AddShape(std::move(shape));
}

void TShapeStore::ResetShapeIds() {
    BeforeShapeIdsReset();
    shapes_.clear();
    boxes_.Clear();
    index_.Clear();
    SelectedIds.clear();
    nextShapeId_ = 1;
    Dirty = true;
}

void TShapeStore::DeleteLayerShapes(int layerId) {
    if (layerId == -1) {
        ResetShapeIds();
    } else {
        RemoveLayerShapes(layerId);
    }
    if (layerId == -1 || layerId != LiveLayer) Dirty = true;
    Invalidate();
}

void TShapeStore::RemoveLayerShapes(int layer) {
    // Only the shapes from the layer's first one on are walked: the vessel's layer, redrawn at
    // every map tick, lies on top. Each entry leaves the index while its shape is at hand.
    RemoveFrom(FirstPositionOnLayer(layer), [this, layer](const TQShape& shape) {
        if (shape.LayerId != layer) return false;
        index_.Forget(shape.Id);
        return true;
    });
    index_.ClearLayer(layer);
}

void TShapeStore::DeleteLayerShapesByName(const QString& name) {
    const int layer = FindLayerByName(name);
    if (layer >= 0) RemoveLayerShapes(layer);
    Redraw();
}

void TShapeStore::ClearDrawing() {
    DeleteLayerShapes(-1);
    layers_.clear();
    layerOfName_.clear();
    nextLayerId_ = 0;
    AddLayer(kDefaultLayerName);
}

void TShapeStore::DeleteShape(int id) {
    const std::optional<size_t> position = index_.PositionOf(id);
    if (!position) return;
    index_.Remove(id);
    RemoveFrom(*position, [id](const TQShape& shape) { return shape.Id == id; });
}

void TShapeStore::DeleteSelectedShapes() {
    // Every listed id goes, so the list need not be searched.
    SelectedIds.clear();
    RemoveFrom(0, [this](const TQShape& shape) {
        if (!shape.Selected) return false;
        index_.Remove(shape.Id);
        return true;
    });
    Redraw();
}

template <class Predicate>
void TShapeStore::RemoveFrom(size_t first, Predicate&& doomed) {
    // One pass: a shape that stays moves down over the removed ones, and its index entry
    // follows it while the shape is at hand. Shapes before first stay where they are.
    size_t kept = first;
    bool picturedRemoved = false;
    for (size_t i = first; i < shapes_.size(); ++i) {
        PrefetchAfter(shapes_, i);
        if (doomed(*shapes_[i])) {
            picturedRemoved |= shapes_[i]->LayerId != LiveLayer;
            continue;
        }
        if (kept != i) {
            index_.SetPosition(shapes_[i]->Id, kept);
            boxes_.MoveTo(i, kept);
            shapes_[kept] = std::move(shapes_[i]);
        }
        ++kept;
    }
    if (kept == shapes_.size()) return;
    shapes_.resize(kept);
    boxes_.Truncate(kept);
    // One pass over the list afterwards: removing ids one by one costs the list's length per
    // deleted shape.
    std::erase_if(SelectedIds, [this](int id) { return !index_.Contains(id); });
    if (picturedRemoved) Dirty = true;
}

void TShapeStore::ReindexFrom(size_t position) {
    for (size_t i = position; i < shapes_.size(); ++i) index_.SetPosition(shapes_[i]->Id, i);
}

TQShape* TShapeStore::FindShape(int id) {
    return const_cast<TQShape*>(std::as_const(*this).FindShape(id));
}

const TQShape* TShapeStore::FindShape(int id) const {
    const std::optional<size_t> position = index_.PositionOf(id);
    return position ? shapes_[*position].get() : nullptr;
}

void TShapeStore::ShapeChanged(int id) {
    const std::optional<size_t> position = index_.PositionOf(id);
    if (!position) return;
    boxes_.Set(*position, CullBoxOf(*shapes_[*position]));
    Dirty = true;
}
