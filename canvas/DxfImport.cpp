#include "canvas/DxfImport.h"

#include "canvas/CanvasModel.h"
#include "canvas/DxfDrawing.h"
#include "canvas/DxfPasses.h"
#include "canvas/DxfSections.h"
#include "canvas/MapLayerNames.h"
#include "platform/FileBytes.h"

#include <new>
#include <string_view>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBinarySignature{"AutoCAD Binary DXF\r\n\x1A\0", 22};

bool Refuse(std::string& reason, std::string_view why) {
    reason = "DXF load failed: " + std::string(why);
    return false;
}

// The target layer as it stands now, or as AddLayer will make it.
TDxfTarget TargetOf(const TCanvasModel& canvas, const QString& layerName) {
    TDxfTarget target;
    const int existing = canvas.FindLayerByName(layerName);
    target.LayerId = existing >= 0 ? existing : canvas.NextLayerId();
    if (const TQLayer* layer = canvas.FindLayer(existing)) {
        target.Color = layer->Color;
        target.LineWidth = layer->LineWidth;
    }
    return target;
}

// Empties or creates the layer, then moves the drawing onto it and fits the view.
bool ApplyDrawing(TCanvasModel& canvas, const QString& layerName, TDxfDrawing& drawing,
                  TColor tableColor) {
    const int existing = canvas.FindLayerByName(layerName);
    if (existing >= 0) canvas.DeleteLayerShapes(existing);
    const int id = canvas.AddLayer(layerName);
    TQLayer& layer = *canvas.FindLayer(id);
    layer.Visible = true;
    layer.Locked = true;
    if (tableColor != kNoAciColor) layer.Color = tableColor;
    canvas.ImportLayerId = id;
    const bool added = drawing.Count() > 0;
    drawing.MoveInto(canvas);
    canvas.ZoomExtents();
    canvas.Dirty = true;
    canvas.Invalidate();
    return added;
}

// The bytes go before the shapes go in, which keeps the peak memory down by the file's size.
bool ReadText(TCanvasModel& canvas, const std::string& path, TFileBytes& file,
              std::string& reason) {
    const std::string_view text = file.Bytes();
    if (text.starts_with(kBinarySignature)) return Refuse(reason, "binary DXF is not supported");
    const std::size_t start = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    const TDxfSections sections = FindDxfSections(text, start);
    if (!sections.Entities) return Refuse(reason, "ENTITIES section not found");
    const QString layerName = QString::fromStdString(DxfImportLayerName(path));
    TDxfTarget target = TargetOf(canvas, layerName);
    const TColor tableColor =
        sections.Tables ? ReadDxfLayerColor(text, *sections.Tables) : kNoAciColor;
    if (tableColor != kNoAciColor) target.Color = tableColor;
    TDxfDrawing drawing(target, canvas);
    if (sections.Blocks) ReadDxfBlocks(text, *sections.Blocks, drawing);
    const bool whole = !drawing.TooLarge() && ReadDxfEntities(text, *sections.Entities, drawing);
    if (drawing.TooLarge()) {
        return Refuse(reason, "more than " + std::to_string(kMaxDxfShapes) + " shapes");
    }
    if (!whole) return Refuse(reason, "file ends inside the ENTITIES section");
    reason.clear();
    file.Release();
    return ApplyDrawing(canvas, layerName, drawing, tableColor);
}

}  // namespace

std::string DxfImportLayerName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return std::string(kDxfLayerPrefix) + path.substr(slash == std::string::npos ? 0 : slash + 1);
}

bool ReadDxfFile(TCanvasModel& canvas, const std::string& path, std::string& reason) {
    try {
        TFileBytes file;
        std::string why;
        if (!file.Read(path, why)) return Refuse(reason, why);
        return ReadText(canvas, path, file, reason);
    } catch (const std::bad_alloc&) {
        return Refuse(reason, "out of memory");
    }
}
