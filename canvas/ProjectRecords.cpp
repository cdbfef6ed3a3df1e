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

// The text goes in as AddText puts one, then takes what its record says.
void AddText(TCanvasModel& model, std::unique_ptr<TQShape> shape, int layer) {
    std::unique_ptr<TQText> text(static_cast<TQText*>(shape.release()));
    const TQText& read = *text;
    const TColor color = read.Color;
    const double size = read.Size, angle = read.Angle;
    const bool bold = read.Bold, italic = read.Italic;
    const QString fontName = read.FontName;
    text->LayerId = layer;
    const int id = model.AddText(std::move(text));
    auto& added = static_cast<TQText&>(*model.FindShape(id));
    if (color != 0) added.Color = color;
    added.Size = size;
    added.Angle = angle;
    added.Bold = bold;
    added.Italic = italic;
    if (!fontName.isEmpty() && fontName != "0") added.FontName = fontName;
    added.UpdateBounds();
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
        case TRecordKind::LayerPen: {
            const bool ownPen = r.shape->Color != 0;
            r.shape->LayerId = layer;
            model.AddInLayerStyle(std::move(r.shape), ownPen);
            break;
        }
        case TRecordKind::Text:
            AddText(model, std::move(r.shape), layer);
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
