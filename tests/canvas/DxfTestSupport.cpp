#include "tests/canvas/DxfTestSupport.h"

#include "canvas/CanvasModel.h"
#include "canvas/DxfImport.h"
#include "canvas/QShapeCircle.h"
#include "canvas/QShapeLine.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapePolyline.h"
#include "canvas/QShapeText.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace {

constexpr std::size_t kVerticesShown = 6;

std::string Rounded(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", value);
    std::string s = text;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string At(double x, double y) { return "(" + Rounded(x) + "," + Rounded(y) + ")"; }

std::string Vertices(const TQPolyline& p) {
    const auto& v = p.Vertices;
    std::string text = std::string(p.Closed ? "closed " : "open ") + std::to_string(v.size());
    if (v.size() <= kVerticesShown) {
        for (const TWorldPoint& vertex : v) text += " " + At(vertex.X, vertex.Y);
        return text;
    }
    const TWorldPoint& mid = v[v.size() / 2];
    return text + " " + At(v.front().X, v.front().Y) + " " + At(mid.X, mid.Y) + " " +
           At(v.back().X, v.back().Y);
}

std::string Geometry(const TQShape& s) {
    switch (s.ShapeType) {
        case stLine: {
            const auto& l = static_cast<const TQLine&>(s);
            return "line " + At(l.X1, l.Y1) + " " + At(l.X2, l.Y2);
        }
        case stCircle: {
            const auto& c = static_cast<const TQCircle&>(s);
            return "circle " + At(c.CX, c.CY) + " r " + Rounded(c.R);
        }
        case stPoint: {
            const auto& p = static_cast<const TQPoint&>(s);
            return "point " + At(p.X, p.Y);
        }
        case stText: {
            const auto& t = static_cast<const TQText&>(s);
            return "text [" + t.Text.toStdString() + "] " + At(t.X, t.Y) + " size " +
                   Rounded(t.Size) + " angle " + Rounded(t.Angle) + " " + t.FontName.toStdString() +
                   " font " + std::to_string(t.FontIndex) + " align " + std::to_string(t.HAlign) +
                   std::to_string(t.VAlign);
        }
        case stPolyline:
        case stPolygon:
            return "polyline " + Vertices(static_cast<const TQPolyline&>(s));
        default:
            return "kind " + std::to_string(s.ShapeType);
    }
}

}  // namespace

std::string DxfGroups(std::string_view groups) {
    std::string text;
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = groups.find('/', start);
        text += groups.substr(start, slash - start);
        text += '\n';
        if (slash == std::string_view::npos) return text;
        start = slash + 1;
    }
}

std::string DxfEntitiesFile(std::string_view groups) {
    return DxfGroups("0/SECTION/2/ENTITIES/" + std::string(groups) + "/0/ENDSEC/0/EOF");
}

TDxfImportResult ImportDxfBytes(TCanvasModel& model, const std::string& bytes,
                                const std::string& name) {
    TDxfImportResult result;
    result.path = FreshTestPath(name);
    // Not flushed to disk: the fuzz run writes thousands of these.
    std::FILE* file = std::fopen(result.path.c_str(), "wb");
    EXPECT_TRUE(file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
    if (file) std::fclose(file);
    result.added = ReadDxfFile(model, result.path, result.reason);
    return result;
}

// The points of a shape as the file gives them: line ends, a point, a text's anchor, a
// circle's centre, a polyline's vertices.
std::vector<TWorldPoint> DxfShapePoints(const TQShape& shape) {
    switch (shape.ShapeType) {
        case stLine: {
            const auto& l = static_cast<const TQLine&>(shape);
            return {{l.X1, l.Y1}, {l.X2, l.Y2}};
        }
        case stCircle:
            return {
                {static_cast<const TQCircle&>(shape).CX, static_cast<const TQCircle&>(shape).CY}};
        case stPoint:
            return {{static_cast<const TQPoint&>(shape).X, static_cast<const TQPoint&>(shape).Y}};
        case stText:
            return {{static_cast<const TQText&>(shape).X, static_cast<const TQText&>(shape).Y}};
        default:
            return static_cast<const TQPolyline&>(shape).Vertices;
    }
}

std::string DxfShape(const TQShape& shape) {
    return Geometry(shape) + " pen " + std::to_string(shape.Color) + "/" +
           std::to_string(shape.LineWidth);
}

std::string DxfShapes(const TCanvasModel& model) {
    std::string text;
    for (const auto& shape : model.Shapes()) text += DxfShape(*shape) + "\n";
    return text;
}

TPeerRun RunEzdxf(const QStringList& arguments) {
    return RunPeer("/usr/bin/python3",
                   QStringList{QBY_SOURCE_DIR "/tests/canvas/dxf_peer.py"} + arguments);
}

QJsonDocument PeerJson(const TPeerRun& run) {
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError)
        << "exit " << run.exitCode << ": " << run.err << run.out;
    return json;
}
