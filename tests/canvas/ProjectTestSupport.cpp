#include "tests/canvas/ProjectTestSupport.h"

#include "canvas/CanvasModel.h"
#include "canvas/CullBox.h"
#include "canvas/ProjectFile.h"
#include "canvas/QShapeArc.h"
#include "canvas/QShapeCircle.h"
#include "canvas/QShapeEllipse.h"
#include "canvas/QShapeLine.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapeRectangle.h"
#include "canvas/QShapeText.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <charconv>
#include <sstream>

namespace {

// Shortest text that reads back to the same value.
template <class Number>
std::string Num(Number value) {
    char text[64];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

std::string Points(std::initializer_list<double> values) {
    std::string text;
    for (double v : values) text += " " + Num(v);
    return text;
}

std::string Geometry(const TQShape& s) {
    if (const auto* r = dynamic_cast<const TQRectangle*>(&s)) {
        return Points({r->X1, r->Y1, r->X2, r->Y2}) + " fill " + Num(r->FillColor) + " brush " +
               Num(r->BrushStyle) + " value " + Num(r->Value);
    }
    if (const auto* c = dynamic_cast<const TQCornerShape*>(&s)) {
        return Points({c->X1, c->Y1, c->X2, c->Y2}) + " fill " + Num(c->FillColor) + " brush " +
               Num(c->BrushStyle);
    }
    if (const auto* c = dynamic_cast<const TQCircle*>(&s)) {
        return Points({c->CX, c->CY, c->R}) + " fill " + Num(c->FillColor) + " brush " +
               Num(c->BrushStyle);
    }
    if (const auto* a = dynamic_cast<const TQArc*>(&s)) {
        return " arc" + Points({a->X1, a->Y1, a->X2, a->Y2, a->X3, a->Y3});
    }
    if (const auto* p = dynamic_cast<const TQPoint*>(&s)) {
        return Points({p->X, p->Y}) + " value " + Num(p->Value) + " radius " + Num(p->Radius);
    }
    if (const auto* t = dynamic_cast<const TQText*>(&s)) {
        return Points({t->X, t->Y}) + " font " + t->FontName.toStdString() + " " + Num(t->Size) +
               (t->Bold ? " bold" : "") + (t->Italic ? " italic" : "") + " angle " + Num(t->Angle) +
               " index " + Num(t->FontIndex) + " align " + Num(t->HAlign) + Num(t->VAlign) + " [" +
               t->Text.toStdString() + "]";
    }
    if (const auto* p = dynamic_cast<const TQPolyline*>(&s)) {
        std::string text = p->Closed ? " closed" : " open";
        for (const TWorldPoint& v : p->Vertices) text += " " + Num(v.X) + "," + Num(v.Y);
        return text;
    }
    return " ?";
}

std::string ShapeLine(const TQShape& s) {
    return "type " + Num(s.ShapeType) + " layer " + Num(s.LayerId) + " pen " + Num(s.Color) + "/" +
           Num(s.LineWidth) + (s.Visible ? "" : " hidden") + (s.Selected ? " selected" : "") +
           Geometry(s) + "\n";
}

// Only what differs from a new layer, so that most layers read as they always did.
std::string LayerPen(const TQLayer& layer) {
    std::string text;
    if (!layer.Visible) text += " hidden";
    if (layer.Locked) text += " locked";
    if (layer.Color != 0) text += " colour " + Num(layer.Color);
    if (layer.LineWidth != 1) text += " width " + Num(layer.LineWidth);
    return text;
}

}  // namespace

std::string CompressedProject(std::string_view text, int level) {
    uLongf size = compressBound(text.size());
    std::string out(size, '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size,
              reinterpret_cast<const Bytef*>(text.data()), text.size(), level);
    out.resize(size);
    return "SMK1" + out;
}

bool InflateOneStream(std::string_view bytes, std::string& text, size_t& trailing) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) return false;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    text.clear();
    char out[65536];
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(out);
        stream.avail_out = sizeof out;
        status = inflate(&stream, Z_NO_FLUSH);
        text.append(out, sizeof out - stream.avail_out);
    }
    trailing = stream.avail_in;
    inflateEnd(&stream);
    return status == Z_STREAM_END;
}

std::string SaveAndInflate(const TCanvasModel& model, const std::string& path) {
    std::string reason;
    EXPECT_TRUE(WriteProjectFile(model, path, reason)) << reason;
    std::string text;
    size_t trailing = 0;
    EXPECT_TRUE(InflateOneStream(std::string_view(ReadFileBytes(path)).substr(4), text, trailing));
    EXPECT_EQ(trailing, 0u);
    return text;
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string DescribeShapes(const TCanvasModel& model) {
    std::string text;
    for (const auto& shape : model.Shapes()) text += ShapeLine(*shape);
    return text;
}

std::string Describe(const TCanvasModel& model, bool layerPens) {
    std::string text = "view" +
                       Points({model.ViewLeft, model.ViewRight, model.ViewBottom, model.ViewTop}) +
                       "\ncurrent layer " + Num(model.CurrentLayer) + " next ids " +
                       Num(model.NextLayerId()) + " " + Num(model.NextShapeId()) + " selected";
    for (int id : model.SelectedIds) text += " " + Num(id);
    text += "\n";
    for (const auto& layer : model.Layers()) {
        text += "layer " + Num(layer->Id) + " [" + layer->Name.toStdString() + "] tag " +
                Num(layer->Tag) + (layerPens ? LayerPen(*layer) : "") + "\n";
    }
    for (const auto& shape : model.Shapes())
        text += "shape " + Num(shape->Id) + " " + ShapeLine(*shape);
    if (model.ImportLayerId != 0) text += "import layer " + Num(model.ImportLayerId) + "\n";
    for (const auto& block : model.Blocks) {
        text += "block [" + block->Name.toStdString() + "] base" +
                Points({block->BaseX, block->BaseY}) + "\n";
        for (const auto& shape : block->Shapes) text += "  " + ShapeLine(*shape);
    }
    return text;
}

bool BoundsUpToDate(TCanvasModel& model) {
    const auto sameBox = [](const TCullBox& a, const TCullBox& b) {
        return a.MinX == b.MinX && a.MinY == b.MinY && a.MaxX == b.MaxX && a.MaxY == b.MaxY;
    };
    for (size_t i = 0; i < model.Shapes().size(); ++i) {
        TQShape& shape = *model.Shapes()[i];
        const TCullBox kept = CullBoxOf(shape);
        shape.UpdateBounds();
        if (!sameBox(kept, CullBoxOf(shape)) || !sameBox(model.CullBoxes()[i], kept)) {
            return false;
        }
    }
    return true;
}
