#include "canvas/ProjectTextReader.h"

#include "canvas/QShapeArc.h"
#include "canvas/QShapeCircle.h"
#include "canvas/QShapeEllipse.h"
#include "canvas/QShapeLine.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapePolyline.h"
#include "canvas/QShapeRectangle.h"
#include "canvas/QShapeText.h"
#include "platform/CodePage.h"
#include "platform/NumberFormat.h"

#include <charconv>
#include <tuple>
#include <type_traits>

namespace {

// A word quoted in a reason is cut to this many characters.
constexpr size_t kQuotedWordLength = 24;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string Quoted(std::string_view word) {
    if (word.size() <= kQuotedWordLength) return "\"" + std::string(word) + "\"";
    return "\"" + std::string(word.substr(0, kQuotedWordLength)) + "...\"";
}

// Whole decimal integers with an optional sign, within 32 bits.
bool ReadInteger(std::string_view word, int& value) {
    if (!word.empty() && word.front() == '+') word.remove_prefix(1);
    if (word.empty() || word.front() == '+') return false;
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    return result.ec == std::errc() && result.ptr == word.data() + word.size();
}

// The fields of one line, read word by word. The first failure is kept and every later read
// does nothing.
class TFields {
public:
    explicit TFields(std::string_view line) : rest_(line) {}

    std::string_view Next() {
        while (!rest_.empty() && IsSpace(rest_.front())) rest_.remove_prefix(1);
        size_t end = 0;
        while (end < rest_.size() && !IsSpace(rest_[end])) ++end;
        const std::string_view word = rest_.substr(0, end);
        rest_.remove_prefix(end);
        return word;
    }
    // The rest of the line after the last word read, without the one blank after that word.
    std::string_view Remainder() const {
        return !rest_.empty() && rest_.front() == ' ' ? rest_.substr(1) : rest_;
    }

    void Real(double& value, const char* name) { Read(value, name, true); }
    void OptionalReal(double& value, const char* name) { Read(value, name, false); }
    void Integer(int& value, const char* name) { Read(value, name, true); }
    void OptionalInteger(int& value, const char* name) { Read(value, name, false); }
    void OptionalFlag(bool& value, const char* name) {
        int flag = value ? 1 : 0;
        Read(flag, name, false);
        value = flag != 0;
    }

    void Refuse(std::string problem) {
        if (!Failed()) error_ = std::move(problem);
    }
    bool Failed() const { return !error_.empty(); }
    const std::string& Error() const { return error_; }

private:
    template <class Number>
    void Read(Number& value, const char* name, bool required) {
        if (Failed()) return;
        const std::string_view word = Next();
        if (word.empty()) {
            if (required) error_ = std::string(name) + " is missing";
            return;
        }
        constexpr bool kWhole = std::is_same_v<Number, int>;
        bool read = false;
        if constexpr (kWhole) {
            read = ReadInteger(word, value);
        } else {
            read = TryStrToFloat(word, value);
        }
        if (!read) {
            error_ = Quoted(word) + (kWhole ? " is not a whole number (" : " is not a number (") +
                     name + ")";
        }
    }

    std::string_view rest_;
    std::string error_;
};

// A name or text as the writer would write it again.
QString LineTextOf(std::string_view bytes) {
    return QString::fromStdString(LineText(SystemTextToUtf8(bytes)));
}

template <size_t N>
std::array<double, N> ReadCoordinates(TFields& f, const char* const (&names)[N]) {
    std::array<double, N> c{};
    for (size_t i = 0; i < N; ++i) f.Real(c[i], names[i]);
    return c;
}

constexpr const char* kCorners[] = {"x1", "y1", "x2", "y2"};

// Colour and width; a colour of 0 leaves the shape its default (or its layer's) pen.
void ReadColour(TFields& f, TQShape& shape) {
    int color = 0;
    int width = 1;
    f.OptionalInteger(color, "colour");
    f.OptionalInteger(width, "width");
    if (color == 0) return;
    shape.Color = color;
    shape.LineWidth = width;
}

void ReadPen(TFields& f, TProjectRecord& r, TQShape& shape) {
    f.Integer(r.layer, "layer");
    ReadColour(f, shape);
}

// Points and rectangles take colour and width as they are.
void ReadFixedPen(TFields& f, TProjectRecord& r, TQShape& shape) {
    f.Integer(r.layer, "layer");
    shape.Color = 0;
    shape.LineWidth = 1;
    f.OptionalInteger(shape.Color, "colour");
    f.OptionalInteger(shape.LineWidth, "width");
}

using TReadShape = std::unique_ptr<TQShape>;

TReadShape ReadWorld(TFields& f, TProjectRecord& r, TProjectRecords& project) {
    const auto view = ReadCoordinates(f, {"left", "right", "bottom", "top"});
    r.index = static_cast<int>(project.views.size());
    project.views.push_back(view);
    return nullptr;
}

TReadShape ReadLayer(TFields& f, TProjectRecord& r, TProjectRecords& project) {
    f.Integer(r.layer, "layer id");
    r.index = static_cast<int>(project.names.size());
    project.names.push_back(LineTextOf(f.Remainder()));
    return nullptr;
}

// A shape given by its coordinates alone, then layer, colour and width.
template <class Kind, size_t N>
TReadShape ReadOutline(TFields& f, TProjectRecord& r, const char* const (&names)[N]) {
    const auto c = ReadCoordinates(f, names);
    auto shape = std::apply([](auto... v) { return std::make_unique<Kind>(0, v...); }, c);
    ReadPen(f, r, *shape);
    return shape;
}

TReadShape ReadLine(TFields& f, TProjectRecord& r, TProjectRecords&) {
    return ReadOutline<TQLine>(f, r, kCorners);
}

TReadShape ReadCircle(TFields& f, TProjectRecord& r, TProjectRecords&) {
    return ReadOutline<TQCircle>(f, r, {"cx", "cy", "radius"});
}

TReadShape ReadEllipse(TFields& f, TProjectRecord& r, TProjectRecords&) {
    return ReadOutline<TQEllipse>(f, r, kCorners);
}

TReadShape ReadArc(TFields& f, TProjectRecord& r, TProjectRecords&) {
    return ReadOutline<TQArc>(f, r, {"x1", "y1", "x2", "y2", "x3", "y3"});
}

TReadShape ReadRectangle(TFields& f, TProjectRecord& r, TProjectRecords&) {
    const auto c = ReadCoordinates(f, kCorners);
    auto rectangle = std::make_unique<TQRectangle>(0, c[0], c[1], c[2], c[3], 0.0, 0);
    ReadFixedPen(f, r, *rectangle);
    rectangle->FillColor = 0;
    rectangle->BrushStyle = 0;
    f.OptionalInteger(rectangle->FillColor, "fill");
    f.OptionalInteger(rectangle->BrushStyle, "brush");
    f.OptionalReal(rectangle->Value, "value");
    return rectangle;
}

TReadShape ReadPoint(TFields& f, TProjectRecord& r, TProjectRecords&) {
    const auto c = ReadCoordinates(f, {"x", "y"});
    auto point = std::make_unique<TQPoint>(0, c[0], c[1]);
    ReadFixedPen(f, r, *point);
    f.OptionalReal(point->Value, "value");
    return point;
}

// The vertex lines that follow are read by the caller.
template <int Type>
TReadShape ReadPolyline(TFields& f, TProjectRecord& r, TProjectRecords&) {
    auto polyline = std::make_unique<TQPolyline>(0, Type, Type == stPolygon);
    int count = 0;
    f.Integer(r.layer, "layer");
    f.Integer(count, "vertex count");
    if (count < 0) f.Refuse("vertex count " + std::to_string(count) + " is negative");
    ReadColour(f, *polyline);
    r.vertexCount = static_cast<std::uint32_t>(count);
    return polyline;
}

// The text is the rest of the line after the font name, less one blank.
TReadShape ReadText(TFields& f, TProjectRecord& r, TProjectRecords&) {
    const auto c = ReadCoordinates(f, {"x", "y"});
    int fontIndex = 0;
    f.Integer(r.layer, "layer");
    f.Integer(fontIndex, "font index");
    auto text = std::make_unique<TQText>(0, c[0], c[1], QString(), fontIndex);
    f.OptionalInteger(text->Color, "colour");
    f.OptionalReal(text->Size, "size");
    f.OptionalReal(text->Angle, "angle");
    f.OptionalFlag(text->Bold, "bold");
    f.OptionalFlag(text->Italic, "italic");
    if (f.Failed()) return text;
    text->FontName = QString::fromStdString(FontWord(SystemTextToUtf8(f.Next())));
    text->Text = LineTextOf(f.Remainder());
    text->UserText2 = text->Text;  // as a text built with its text keeps it
    return text;
}

using TRecordReader = TReadShape (*)(TFields&, TProjectRecord&, TProjectRecords&);

struct TKeyword {
    std::string_view word;
    TRecordKind kind;
    TRecordReader read;
};

const TKeyword kKeywords[] = {
    {"WORLD", TRecordKind::World, ReadWorld},
    {"LAYER", TRecordKind::Layer, ReadLayer},
    {"LINE", TRecordKind::LayerPen, ReadLine},
    {"CIRCLE", TRecordKind::LayerPen, ReadCircle},
    {"ELLIPSE", TRecordKind::Shape, ReadEllipse},
    {"ARC", TRecordKind::Shape, ReadArc},
    {"RECTANGLE", TRecordKind::Shape, ReadRectangle},
    {"POINT", TRecordKind::Shape, ReadPoint},
    {"POLYLINE", TRecordKind::Shape, ReadPolyline<stPolyline>},
    {"POLYGON", TRecordKind::Shape, ReadPolyline<stPolygon>},
    {"SPLINE", TRecordKind::Shape, ReadPolyline<stSpline>},
    {"ARC3P", TRecordKind::Shape, ReadPolyline<stArc3P>},
    {"TEXT", TRecordKind::Text, ReadText},
};

const TKeyword* FindKeyword(std::string_view word) {
    for (const TKeyword& keyword : kKeywords) {
        if (keyword.word == word) return &keyword;
    }
    return nullptr;
}

}  // namespace

bool TProjectTextReader::Read(std::string_view piece) {
    while (error_.empty() && !piece.empty()) {
        const size_t end = piece.find('\n');
        if (end == std::string_view::npos) {
            partial_.append(piece);
            return true;
        }
        const std::string_view line = piece.substr(0, end);
        piece.remove_prefix(end + 1);
        if (partial_.empty()) {
            ReadLine(line);
            continue;
        }
        partial_.append(line);
        ReadLine(partial_);
        partial_.clear();
    }
    return error_.empty();
}

bool TProjectTextReader::Finish() {
    if (error_.empty() && !partial_.empty()) ReadLine(partial_);
    partial_.clear();
    if (error_.empty() && polyline_) {
        const std::uint32_t count = project_.records.back().vertexCount;
        Refuse(polylineLine_,
               "vertex count " + std::to_string(count) + " runs past the end of the text");
    }
    return error_.empty();
}

bool TProjectTextReader::ReadLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++lineNumber_;
    return polyline_ ? ReadVertex(line) : ReadRecord(line);
}

bool TProjectTextReader::ReadRecord(std::string_view line) {
    if (line.empty() || line.front() == '#') return true;
    TFields fields(line);
    const TKeyword* keyword = FindKeyword(fields.Next());
    if (!keyword) return true;
    const bool shape = keyword->kind != TRecordKind::World && keyword->kind != TRecordKind::Layer;
    if (shape && ++shapes_ > maxShapes_) {
        error_ = "more than " + std::to_string(maxShapes_) + " shapes";
        return false;
    }
    TProjectRecord record;
    record.kind = keyword->kind;
    record.shape = keyword->read(fields, record, project_);
    if (fields.Failed()) return Refuse(lineNumber_, fields.Error());
    if (record.vertexCount > 0) {
        polyline_ = static_cast<TQPolyline*>(record.shape.get());
        polylineLine_ = lineNumber_;
    }
    project_.records.push_back(std::move(record));
    return true;
}

// A vertex line is taken whatever it holds.
bool TProjectTextReader::ReadVertex(std::string_view line) {
    TFields fields(line);
    double x = 0, y = 0;
    fields.Real(x, "vertex x");
    fields.Real(y, "vertex y");
    if (fields.Failed()) return Refuse(lineNumber_, fields.Error());
    polyline_->Vertices.push_back({x, y});
    if (polyline_->Vertices.size() == project_.records.back().vertexCount) {
        // Once, not after every vertex: a long polyline would cost its length squared.
        polyline_->UpdateBounds();
        polyline_ = nullptr;
    }
    return true;
}

bool TProjectTextReader::Refuse(int lineNumber, const std::string& problem) {
    error_ = "line " + std::to_string(lineNumber) + ": " + problem;
    return false;
}
