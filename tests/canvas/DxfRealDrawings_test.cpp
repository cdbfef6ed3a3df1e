// Real drawings from ../shared/realdata/dxf (ezdxf's test and example files), each as the
// import reads it, checked against ezdxf's and GDAL's reading of the same file; skipped when
// the folder is absent.
#include "canvas/CanvasModel.h"
#include "canvas/DxfImport.h"
#include "canvas/QShapeCircle.h"
#include "canvas/QShapeLine.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapePolyline.h"
#include "canvas/QShapeText.h"
#include "platform/TextFile.h"
#include "tests/canvas/DxfTestSupport.h"
#include "tests/canvas/ProjectTestSupport.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <cmath>
#include <random>

namespace {

struct TRealDrawing {
    const char* file;
    const char* kinds;  // Kinds() of the import
    int gdalFeatures;   // GDAL's count where no block, dimension or mesh is involved, else -1
    bool ezdxfReads;    // ezdxf 0.18.1 reads it (the AC1003 file only through its recovery)
};

const TRealDrawing kRealDrawings[] = {
    {"ezdxf__AC1003_LINE_Example.dxf", "22: 13 lines, 9 polylines (0 closed, 189 vertices)", 22,
     true},
    {"ezdxf__Leica_Disto_S910.dxf", "32: 10 lines, 11 points, 11 texts", 32, true},
    {"ezdxf__POLI-ALL210_12.DXF", "30: 30 polylines (14 closed, 101 vertices)", -1, true},
    {"ezdxf__cc_dxflib.dxf", "1: 1 polylines (0 closed, 5 vertices)", 1, true},
    {"ezdxf__duplicate_handles.dxf",
     "138: 111 lines, 8 polylines (0 closed, 296 vertices), 19 texts", -1, true},
    {"ezdxf__forms.dxf", "40: 5 circles, 35 polylines (35 closed, 260 vertices)", 40, true},
    {"ezdxf__houses_of_parliament_georeferenced.dxf", "1: 1 polylines (0 closed, 16 vertices)", 1,
     true},
    {"ezdxf__images_R2000.dxf",
     "169: 28 circles, 40 polylines (28 closed, 157 vertices), 101 texts", -1, true},
    {"ezdxf__issue1106.dxf", "10: 5 lines, 3 circles, 2 polylines (0 closed, 42 vertices)", 10,
     false},
    {"ezdxf__uncommon.dxf",
     "54: 19 lines, 1 circles, 6 points, 9 polylines (3 closed, 66 vertices), 19 texts", -1, true},
};

std::string Kinds(const TCanvasModel& model) {
    int lines = 0, circles = 0, points = 0, texts = 0, polylines = 0, closed = 0, vertices = 0;
    for (const auto& shape : model.Shapes()) {
        lines += shape->ShapeType == stLine;
        circles += shape->ShapeType == stCircle;
        points += shape->ShapeType == stPoint;
        texts += shape->ShapeType == stText;
        if (const auto* p = dynamic_cast<const TQPolyline*>(shape.get())) {
            ++polylines;
            closed += p->Closed;
            vertices += p->VertexCount();
        }
    }
    std::string text = std::to_string(model.ShapeCount()) + ":";
    const auto part = [&](int count, const char* name) {
        if (count > 0) text += " " + std::to_string(count) + " " + name + ",";
    };
    part(lines, "lines");
    part(circles, "circles");
    part(points, "points");
    if (polylines > 0) {
        text += " " + std::to_string(polylines) + " polylines (" + std::to_string(closed) +
                " closed, " + std::to_string(vertices) + " vertices),";
    }
    part(texts, "texts");
    text.pop_back();
    return text;
}

std::string RealFile(const char* name) { return RealDataFolder() + "dxf/" + name; }

class DxfRealDrawingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (RealDataFolder().empty()) GTEST_SKIP() << "no real data";
    }
};

TEST_F(DxfRealDrawingsTest, EachDrawingGivesItsShapes) {
    for (const TRealDrawing& d : kRealDrawings) {
        SCOPED_TRACE(d.file);
        TCanvasModel model;
        std::string reason;
        EXPECT_TRUE(ReadDxfFile(model, RealFile(d.file), reason)) << reason;
        EXPECT_EQ(Kinds(model), d.kinds);
        EXPECT_TRUE(BoundsUpToDate(model));
    }
    TCanvasModel model;
    std::string reason;
    ASSERT_TRUE(ReadDxfFile(model, RealFile("ezdxf__AC1003_LINE_Example.dxf"), reason));
    // Its groups come in an unusual order; the first LINE runs from (1.5, 0) to (2, 0).
    EXPECT_EQ(DxfShape(*model.Shapes().front()), "line (1.5,0) (2,0) pen 16711680/1");
}

TEST_F(DxfRealDrawingsTest, ABinaryDrawingIsRefusedAndChangesNothing) {
    TCanvasModel model;
    model.AddLine(0, 0, 1, 1, 0);
    const std::string before = Describe(model, true);
    std::string reason;
    EXPECT_FALSE(ReadDxfFile(model, RealFile("ezdxf__bin_dxf_r12.dxf"), reason));
    EXPECT_EQ(reason, "DXF load failed: binary DXF is not supported");
    EXPECT_EQ(Describe(model, true), before);
}

TEST_F(DxfRealDrawingsTest, GdalCountsTheSameFeatures) {
    for (const TRealDrawing& d : kRealDrawings) {
        if (d.gdalFeatures < 0) continue;
        SCOPED_TRACE(d.file);
        const TPeerRun run =
            RunPeer("ogrinfo", {"-ro", "-al", "-so", QString::fromStdString(RealFile(d.file))});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(run.out.find("Feature Count: " + std::to_string(d.gdalFeatures) + "\n"),
                  std::string::npos);
    }
}

// Vertices are doubles, and we and the peer read the same decimal text: the same number, to
// within four units in the last place (at a northing of 4,500,000, about 4 nanometres).
void ExpectNear(double ours, double theirs) { EXPECT_DOUBLE_EQ(ours, theirs); }

const char* KindName(const TQShape& shape) {
    switch (shape.ShapeType) {
        case stLine:
            return "line";
        case stCircle:
            return "circle";
        case stPoint:
            return "point";
        case stText:
            return "text";
        default:
            return "polyline";
    }
}

TEST_F(DxfRealDrawingsTest, PointsAreEzdxfsRawValues) {
    QStringList files = {"expect"};
    for (const TRealDrawing& d : kRealDrawings) {
        if (d.ezdxfReads) files << QString::fromStdString(RealFile(d.file));
    }
    // One run for all: ezdxf takes a while to start.
    const QJsonObject byFile = PeerJson(RunEzdxf(files)).object();
    for (const TRealDrawing& d : kRealDrawings) {
        if (!d.ezdxfReads) continue;
        SCOPED_TRACE(d.file);
        const QString path = QString::fromStdString(RealFile(d.file));
        const QJsonArray expected = byFile[path].toArray();
        TCanvasModel model;
        std::string reason;
        ASSERT_TRUE(ReadDxfFile(model, path.toStdString(), reason)) << reason;
        ASSERT_EQ(model.Shapes().size(), static_cast<size_t>(expected.size()));
        for (size_t i = 0; i < model.Shapes().size(); ++i) {
            SCOPED_TRACE("shape " + std::to_string(i));
            const TQShape& shape = *model.Shapes()[i];
            const QJsonObject e = expected[static_cast<qsizetype>(i)].toObject();
            ASSERT_EQ(KindName(shape), e["kind"].toString().toStdString());
            if (!e.contains("points")) continue;  // computed vertices
            const QJsonArray theirs = e["points"].toArray();
            const std::vector<TWorldPoint> ours = DxfShapePoints(shape);
            ASSERT_EQ(ours.size(), static_cast<size_t>(theirs.size()));
            for (size_t k = 0; k < ours.size(); ++k) {
                ExpectNear(ours[k].X, theirs[static_cast<qsizetype>(k)][0].toDouble());
                ExpectNear(ours[k].Y, theirs[static_cast<qsizetype>(k)][1].toDouble());
            }
        }
    }
}

// ezdxf 0.18.1 cannot read issue1106.dxf; GDAL can.
TEST_F(DxfRealDrawingsTest, LineEndsAndCircleCentresAreGdalsForIssue1106) {
    const QString path = QString::fromStdString(RealFile("ezdxf__issue1106.dxf"));
    const QJsonArray features = PeerJson(RunPeer("ogr2ogr", {"-f", "GeoJSON", "/vsistdout/", path}))
                                    .object()["features"]
                                    .toArray();
    TCanvasModel model;
    std::string reason;
    ASSERT_TRUE(ReadDxfFile(model, path.toStdString(), reason)) << reason;
    ASSERT_EQ(model.Shapes().size(), static_cast<size_t>(features.size()));
    int circles = 0, lines = 0;
    for (qsizetype i = 0; i < features.size(); ++i) {
        SCOPED_TRACE("feature " + std::to_string(i));
        const QJsonArray coordinates =
            features[i].toObject()["geometry"].toObject()["coordinates"].toArray();
        const TQShape& shape = *model.Shapes()[static_cast<size_t>(i)];
        if (shape.ShapeType == stLine) {
            ++lines;
            const std::vector<TWorldPoint> ends = DxfShapePoints(shape);
            ASSERT_EQ(coordinates.size(), 2);
            ExpectNear(ends[0].X, coordinates[0][0].toDouble());
            ExpectNear(ends[1].Y, coordinates[1][1].toDouble());
        } else if (shape.ShapeType == stCircle) {
            ++circles;
            // GDAL draws the circle as a closed ring; the mean of its points is the centre.
            double x = 0, y = 0;
            for (qsizetype k = 0; k + 1 < coordinates.size(); ++k) {
                x += coordinates[k][0].toDouble();
                y += coordinates[k][1].toDouble();
            }
            const auto& c = static_cast<const TQCircle&>(shape);
            EXPECT_NEAR(c.CX, x / static_cast<double>(coordinates.size() - 1), 1e-6 * c.R);
            EXPECT_NEAR(c.CY, y / static_cast<double>(coordinates.size() - 1), 1e-6 * c.R);
        }
    }
    EXPECT_EQ(lines, 5);
    EXPECT_EQ(circles, 3);
}

TEST_F(DxfRealDrawingsTest, ADrawingCutInsideItsEntitiesIsRefusedAndChangesNothing) {
    std::mt19937 random(26);
    for (const TRealDrawing& d : kRealDrawings) {
        SCOPED_TRACE(d.file);
        const std::string bytes = ReadFileBytes(RealFile(d.file));
        const size_t entities = bytes.find("ENTITIES");
        // The ENDSEC of ENTITIES is the first one after it.
        const size_t end = bytes.find("ENDSEC", entities);
        ASSERT_NE(end, std::string::npos);
        TCanvasModel model;
        model.AddLine(0, 0, 1, 1, 0);
        std::string reason;
        ASSERT_TRUE(ImportDxfBytes(model, DxfEntitiesFile("0/LINE/11/1"), "earlier.dxf").added);
        const std::string before = Describe(model, true);
        std::uniform_int_distribution<size_t> at(entities + 8, end);
        for (int i = 0; i < 10; ++i) {
            const size_t length = at(random);
            SCOPED_TRACE("cut at " + std::to_string(length));
            const TDxfImportResult cut = ImportDxfBytes(model, bytes.substr(0, length), d.file);
            EXPECT_FALSE(cut.added);
            EXPECT_EQ(cut.reason, "DXF load failed: file ends inside the ENTITIES section");
            EXPECT_EQ(Describe(model, true), before);
        }
    }
}

}  // namespace
