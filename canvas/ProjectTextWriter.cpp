#include "canvas/ProjectTextWriter.h"

#include "canvas/CanvasModel.h"
#include "canvas/QShapeCircle.h"
#include "canvas/QShapeEllipse.h"
#include "canvas/QShapeLine.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapePolyline.h"
#include "canvas/QShapeRectangle.h"
#include "canvas/QShapeText.h"
#include "platform/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kRealDecimals = 6;
// The text goes to the compressor in pieces of this size, which stay in the cache.
constexpr size_t kPieceBytes = 1 << 20;

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

// Writes one record, its fields separated by one blank, its lines ended by LF. A record with a
// real that is not finite is taken back out whole.
class TRecordWriter {
public:
    explicit TRecordWriter(std::string& out) : out_(out), start_(out.size()) {}

    TRecordWriter& Field(std::string_view text) {
        if (!lineStart_) out_ += ' ';
        out_ += text;
        lineStart_ = false;
        return *this;
    }
    TRecordWriter& Int(long long value) {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        return Field(std::string_view(digits, end - digits));
    }
    TRecordWriter& Real(double value) {
        finite_ = finite_ && std::isfinite(value);
        return Field(FormatFixed(value, kRealDecimals));
    }
    TRecordWriter& EndLine() {
        out_ += '\n';
        lineStart_ = true;
        return *this;
    }
    void Finish() {
        if (!finite_) out_.resize(start_);
    }

private:
    std::string& out_;
    size_t start_;
    bool lineStart_ = true;
    bool finite_ = true;
};

void WritePolyline(TRecordWriter& record, const TQPolyline& polyline) {
    const char* keyword = polyline.Closed ? "POLYGON" : "POLYLINE";
    if (polyline.ShapeType == stSpline) keyword = "SPLINE";
    if (polyline.ShapeType == stArc3P) keyword = "ARC3P";
    record.Field(keyword).Int(polyline.LayerId).Int(polyline.VertexCount());
    record.Int(polyline.Color).Int(polyline.LineWidth).EndLine();
    for (const TWorldPoint& v : polyline.Vertices) record.Real(v.X).Real(v.Y).EndLine();
}

void WriteText(TRecordWriter& record, const TQText& text) {
    record.Field("TEXT").Real(text.X).Real(text.Y).Int(text.LayerId).Int(text.FontIndex);
    record.Int(text.Color).Real(text.Size).Real(text.Angle).Int(text.Bold).Int(text.Italic);
    record.Field(FontWord(text.FontName.toStdString()))
        .Field(LineText(text.Text.toStdString()))
        .EndLine();
}

template <class Kind>
const Kind* As(const TQShape& shape) {
    return dynamic_cast<const Kind*>(&shape);
}

TRecordWriter& WritePen(TRecordWriter& record, const TQShape& shape) {
    return record.Int(shape.LayerId).Int(shape.Color).Int(shape.LineWidth);
}

TRecordWriter& WriteCorners(TRecordWriter& record, const char* keyword,
                            const TQCornerShape& shape) {
    record.Field(keyword).Real(shape.X1).Real(shape.Y1).Real(shape.X2).Real(shape.Y2);
    return WritePen(record, shape);
}

// Writes the shape's record when the file holds its kind and the object is of that kind.
void WriteShape(TRecordWriter& record, const TQShape& shape) {
    switch (shape.ShapeType) {
        case stRectangle:
            if (const auto* r = As<TQRectangle>(shape)) {
                WriteCorners(record, "RECTANGLE", *r);
                record.Int(r->FillColor).Int(r->BrushStyle).Real(r->Value).EndLine();
            }
            break;
        case stLine:
            if (const auto* l = As<TQLine>(shape)) WriteCorners(record, "LINE", *l).EndLine();
            break;
        case stEllipseTool:
        case stEllipse:
            if (const auto* e = As<TQEllipse>(shape)) WriteCorners(record, "ELLIPSE", *e).EndLine();
            break;
        case stPolyline:
        case stPolygon:
        case stSpline:
        case stArc3P:
            if (const auto* p = As<TQPolyline>(shape)) WritePolyline(record, *p);
            break;
        case stText:
            if (const auto* t = As<TQText>(shape)) WriteText(record, *t);
            break;
        case stPoint:
            if (const auto* p = As<TQPoint>(shape)) {
                WritePen(record.Field("POINT").Real(p->X).Real(p->Y), *p).Real(p->Value).EndLine();
            }
            break;
        case stCircle:
            if (const auto* c = As<TQCircle>(shape)) {
                WritePen(record.Field("CIRCLE").Real(c->CX).Real(c->CY).Real(c->R), *c).EndLine();
            }
            break;
    }
}

// "YYYY-MM-DD hh:mm:ss.cc", the last two digits hundredths of a second.
std::string CreatedText(const QDateTime& created) {
    const QDate d = created.date();
    const QTime t = created.time();
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%02d", d.year(), d.month(),
                  d.day(), t.hour(), t.minute(), t.second(), t.msec() / 10);
    return text;
}

}  // namespace

bool WriteProjectText(const TCanvasModel& model, const QDateTime& created, const TTextSink& sink) {
    std::string out = "# Stellmark - SMK\n# Orvalt Quellbay - www.orvalt.com\n# Created on: " +
                      CreatedText(created) + "\n#\n";
    out.reserve(kPieceBytes + kPieceBytes / 4);
    TRecordWriter world(out);
    world.Field("WORLD").Real(model.ViewLeft).Real(model.ViewRight);
    world.Real(model.ViewBottom).Real(model.ViewTop).EndLine().Finish();
    for (const auto& layer : model.Layers()) {
        TRecordWriter(out)
            .Field("LAYER")
            .Int(layer->Id)
            .Field(LineText(layer->Name.toStdString()))
            .EndLine();
    }
    for (const auto& shape : model.Shapes()) {
        TRecordWriter record(out);
        WriteShape(record, *shape);
        record.Finish();
        if (out.size() < kPieceBytes) continue;
        if (!sink(out)) return false;
        out.clear();
    }
    return sink(out);
}

std::string LineText(std::string_view text) {
    std::string bytes(text);
    for (char& c : bytes) {
        if (IsControl(c)) c = ' ';
    }
    return bytes;
}

// "0" stands for none.
std::string FontWord(std::string_view font) {
    std::string bytes(font);
    for (char& c : bytes) {
        if (IsControl(c) || c == ' ') c = '_';
    }
    return bytes.empty() ? "0" : bytes;
}
