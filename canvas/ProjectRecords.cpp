#include "canvas/ProjectRecords.h"

#include "canvas/CanvasModel.h"
#include "canvas/QShapeCircle.h"
#include "canvas/QShapeLine.h"
#include "canvas/QShapeText.h"

#include <algorithm>
#include <unordered_map>

namespace {

// File layer ids to canvas layer ids; an id not in the table is used unchanged.
class TLayerTable {
public:
    int Map(int fileId) const {
        const auto found = ids_.find(fileId);
        return found == ids_.end() ? fileId : found->second;
    }
    void Set(int fileId, int canvasId) { ids_[fileId] = canvasId; }

private:
    std::unordered_map<int, int> ids_{{0, 0}};
};

// A line or circle of a colour leaves its layer's pen for its own.
void SetRecordPen(TCanvasModel& model, int id, const TQShape& read) {
    if (read.Color == 0) return;
    model.SetShapeColor(id, read.Color);
    model.SetShapeLineWidth(id, read.LineWidth);
}

void AddText(TCanvasModel& model, const TQText& read, int layer) {
    const int id = model.AddText(layer, read.Text, read.X, read.Y, read.FontIndex);
    if (read.Color != 0) model.SetShapeColor(id, read.Color);
    auto* text = dynamic_cast<TQText*>(model.FindShape(id));
    text->Size = read.Size;
    text->Angle = read.Angle;
    text->Bold = read.Bold;
    text->Italic = read.Italic;
    if (!read.FontName.isEmpty() && read.FontName != "0") text->FontName = read.FontName;
    text->UpdateBounds();
    model.ShapeChanged(id);
}

void Apply(TCanvasModel& model, TProjectRecords& project, TLayerTable& layers, TProjectRecord& r) {
    const int layer = layers.Map(r.layer);
    switch (r.kind) {
        case TRecordKind::World: {
            const auto& [left, right, bottom, top] = project.views[r.index];
            model.SetView(left, top, right, bottom);
            break;
        }
        case TRecordKind::Layer:
            layers.Set(r.layer, model.AddLayer(project.names[r.index]));
            break;
        case TRecordKind::Line: {
            const auto& line = dynamic_cast<const TQLine&>(*r.shape);
            SetRecordPen(model, model.AddLine(line.X1, line.Y1, line.X2, line.Y2, layer), line);
            break;
        }
        case TRecordKind::Circle: {
            const auto& circle = dynamic_cast<const TQCircle&>(*r.shape);
            SetRecordPen(model, model.AddCircle(circle.CX, circle.CY, circle.R, layer), circle);
            break;
        }
        case TRecordKind::Text:
            AddText(model, dynamic_cast<const TQText&>(*r.shape), layer);
            break;
        case TRecordKind::Shape:
            r.shape->LayerId = layer;
            model.AddShape(std::move(r.shape));
            break;
    }
    r.shape.reset();
}

}  // namespace

void ApplyProjectRecords(TCanvasModel& model, TProjectRecords& project, int mode) {
    // Clearing starts the shape ids again, which cancels a drawing under way first.
    if (mode == 0) model.ClearDrawing();
    const auto shapes = std::count_if(project.records.begin(), project.records.end(),
                                      [](const TProjectRecord& r) { return r.shape != nullptr; });
    model.ReserveShapes(model.Shapes().size() + static_cast<size_t>(shapes));
    TLayerTable layers;
    for (TProjectRecord& record : project.records) Apply(model, project, layers, record);
    model.Redraw();
}
