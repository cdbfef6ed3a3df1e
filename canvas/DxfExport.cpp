#include "canvas/DxfExport.h"

#include "canvas/CanvasModel.h"
#include "canvas/DxfGroupWriter.h"
#include "canvas/QShapeCircle.h"
#include "canvas/QShapeEllipse.h"
#include "canvas/QShapeLine.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapePolyline.h"
#include "canvas/QShapeRectangle.h"
#include "canvas/QShapeText.h"
#include "platform/AtomicFile.h"

#include <cmath>
#include <new>
#include <unordered_map>
#include <unordered_set>

namespace {

constexpr double kDefaultTextHeight = 2.5;
constexpr std::string_view kZ = "0.0";

// The DXF layer names of the layer ids the shapes use, in order of first use.
class TLayerNames {
public:
    explicit TLayerNames(const TCanvasModel& canvas) {
        int last = -1;
        for (const auto& shape : canvas.Shapes()) {
            if (shape->LayerId == last || !seen_.insert(shape->LayerId).second) continue;
            last = shape->LayerId;
            ids_.push_back(last);
            if (const TQLayer* layer = canvas.FindLayer(last))
                names_[last] = DxfNameValue(layer->Name);
        }
    }
    // Every id in use, those without a record too.
    std::size_t Count() const { return ids_.size(); }
    const std::vector<int>& Ids() const { return ids_; }
    bool HasRecord(int id) const { return names_.contains(id); }
    const std::string& Of(int id) const {
        static const std::string kNone = "0";
        const auto found = names_.find(id);
        return found == names_.end() ? kNone : found->second;
    }

private:
    std::unordered_set<int> seen_;
    std::vector<int> ids_;
    std::unordered_map<int, std::string> names_;
};

void WriteHeader(TDxfGroupWriter& out, const TCanvasModel& canvas) {
    out.Text("0", "SECTION");
    out.Text("2", "HEADER");
    out.Text("9", "$ACADVER");
    out.Text("1", "AC1009");
    out.Text("9", "$DWGCODEPAGE");
    out.Text("3", "ANSI_1254");
    out.Text("9", "$INSBASE");
    out.Text("10", kZ);
    out.Text("20", kZ);
    out.Text("30", kZ);
    out.Text("9", "$EXTMIN");
    out.Real("10", canvas.ViewLeft);
    out.Real("20", canvas.ViewBottom);
    out.Text("30", kZ);
    out.Text("9", "$EXTMAX");
    out.Real("10", canvas.ViewRight);
    out.Real("20", canvas.ViewTop);
    out.Text("30", kZ);
    out.Text("0", "ENDSEC");
}

void WriteTables(TDxfGroupWriter& out, const TLayerNames& layers) {
    out.Text("0", "SECTION");
    out.Text("2", "TABLES");
    out.Text("0", "TABLE");
    out.Text("2", "LAYER");
    out.Int("70", static_cast<long long>(layers.Count()));
    for (const int id : layers.Ids()) {
        if (!layers.HasRecord(id)) continue;
        out.Text("0", "LAYER");
        out.Text("2", layers.Of(id));
        out.Text("70", "0");
        out.Text("62", "7");
        out.Text("6", "CONTINUOUS");
    }
    out.Text("0", "ENDTAB");
    out.Text("0", "ENDSEC");
}

void WritePoint(TDxfGroupWriter& out, double x, double y) {
    out.Real("10", x);
    out.Real("20", y);
    out.Text("30", kZ);
}

// A POLYLINE of the points with its VERTEX entities and the closing SEQEND.
template <class Points>
void WritePolyline(TDxfGroupWriter& out, std::string_view layer, bool closed,
                   const Points& points) {
    out.Text("0", "POLYLINE");
    out.Text("8", layer);
    out.Text("66", "1");
    out.Text("70", closed ? "1" : "0");
    for (const auto& p : points) {
        out.Text("0", "VERTEX");
        out.Text("8", layer);
        WritePoint(out, p.X, p.Y);
    }
    out.Text("0", "SEQEND");
    out.Text("8", layer);
}

void WriteCircle(TDxfGroupWriter& out, std::string_view layer, double cx, double cy, double r) {
    out.Text("0", "CIRCLE");
    out.Text("8", layer);
    WritePoint(out, cx, cy);
    out.Real("40", r);
}

void WriteText(TDxfGroupWriter& out, std::string_view layer, const TQText& text) {
    out.Text("0", "TEXT");
    out.Text("8", layer);
    WritePoint(out, text.X, text.Y);
    out.Real("40", text.Size > 0 ? text.Size : kDefaultTextHeight);
    out.Text("1", DxfTextValue(text.Text));
    if (text.Angle != 0) out.Real("50", text.Angle);
}

// ShapeType tells the class (QShape.h).
void WriteShape(TDxfGroupWriter& out, std::string_view layer, const TQShape& shape) {
    switch (shape.ShapeType) {
        case stRectangle: {
            const auto& r = static_cast<const TQRectangle&>(shape);
            const TWorldPoint corners[] = {{r.X1, r.Y1}, {r.X2, r.Y1}, {r.X2, r.Y2}, {r.X1, r.Y2}};
            WritePolyline(out, layer, true, corners);
            break;
        }
        case stLine: {
            const auto& l = static_cast<const TQLine&>(shape);
            out.Text("0", "LINE");
            out.Text("8", layer);
            WritePoint(out, l.X1, l.Y1);
            out.Real("11", l.X2);
            out.Real("21", l.Y2);
            out.Text("31", kZ);
            break;
        }
        case stPolyline:
        case stPolygon: {
            const auto& p = static_cast<const TQPolyline&>(shape);
            if (!p.Vertices.empty()) WritePolyline(out, layer, p.Closed, p.Vertices);
            break;
        }
        case stText:
            WriteText(out, layer, static_cast<const TQText&>(shape));
            break;
        case stPoint: {
            const auto& p = static_cast<const TQPoint&>(shape);
            out.Text("0", "POINT");
            out.Text("8", layer);
            WritePoint(out, p.X, p.Y);
            break;
        }
        case stCircle: {
            const auto& c = static_cast<const TQCircle&>(shape);
            WriteCircle(out, layer, c.CX, c.CY, c.R);
            break;
        }
        case stEllipse: {
            const auto& e = static_cast<const TQEllipse&>(shape);
            const double r = (std::abs(e.Y2 - e.Y1) / 2 + std::abs(e.X2 - e.X1) / 2) / 2;
            WriteCircle(out, layer, (e.X1 + e.X2) / 2, (e.Y1 + e.Y2) / 2, r);
            break;
        }
        default:
            break;
    }
}

void WriteEntities(TDxfGroupWriter& out, const TCanvasModel& canvas, const TLayerNames& layers) {
    out.Text("0", "SECTION");
    out.Text("2", "ENTITIES");
    for (const auto& shape : canvas.Shapes()) {
        if (!shape->Visible) continue;
        out.BeginEntity();
        WriteShape(out, layers.Of(shape->LayerId), *shape);
        out.EndEntity();
    }
    out.Text("0", "ENDSEC");
    out.Text("0", "EOF");
}

}  // namespace

bool WriteDxfFile(const TCanvasModel& canvas, const std::string& path, std::string& reason) {
    try {
        TAtomicFile file(path);
        TDxfGroupWriter out(file);
        const TLayerNames layers(canvas);
        WriteHeader(out, canvas);
        WriteTables(out, layers);
        WriteEntities(out, canvas, layers);
        if (out.Finish() && file.Commit()) return true;
        reason = file.Error();
    } catch (const std::bad_alloc&) {
        reason = "out of memory";
    }
    return false;
}
