// Other programs read our DXF files as we meant them, and we read theirs: ezdxf and GDAL, both
// installed by the set-up script, so a missing peer fails the test.
#include "canvas/CanvasModel.h"
#include "canvas/DxfExport.h"
#include "canvas/DxfImport.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapePolyline.h"
#include "canvas/QShapeRectangle.h"
#include "canvas/QShapeText.h"
#include "tests/canvas/DxfTestSupport.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <cmath>
#include <filesystem>
#include <map>

namespace {

// Coordinates we wrote come back as the same doubles; this is for the numbers a peer computes,
// such as GDAL's points on a circle.
constexpr double kTolerance = 1e-6;

// An entity as we write it: type, layer, points, and for texts the text, height and rotation.
struct TWritten {
    QString type;
    QString layer;
    std::vector<TWorldPoint> points;
    QString text;
    double height = 0, rotation = 0;
    bool closed = false;
};

TWritten Entity(const QString& type, const QString& layer, std::vector<TWorldPoint> points,
                bool closed = false) {
    TWritten w;
    w.type = type;
    w.layer = layer;
    w.points = std::move(points);
    w.closed = closed;
    return w;
}

TWritten Text(const QString& layer, TWorldPoint at, const QString& text, double height,
              double rotation) {
    TWritten w = Entity("TEXT", layer, {at});
    w.text = text;
    w.height = height;
    w.rotation = rotation;
    return w;
}

// Every kind on layers a survey has, a layer id without a record, invisible shapes (one layer
// holds nothing else), the kinds that are not written, and the texts that are hard to carry.
std::vector<TWritten> PeerDrawing(TCanvasModel& model) {
    const int track = model.AddLayer("track_fix");
    const int vessel = model.AddLayer("~~Orvalt Vessel");
    const int survey = model.AddLayer("\xC3\x96l\xC3\xA7\xC3\xBCm");
    const int hidden = model.AddLayer("hidden");
    const QString surveyName = "\xC3\x96l\xC3\xA7\xC3\xBCm";
    std::vector<TWritten> written;
    model.AddLine(500000.5, 4500000.25, 500100.125, 4500050, track);
    written.push_back(Entity("LINE", "track_fix", {{500000.5, 4500000.25}, {500100.125, 4500050}}));
    model.AddRectangle(500000, 4500000, 500010, 4500020, track);
    written.push_back(
        Entity("POLYLINE", "track_fix",
               {{500000, 4500000}, {500010, 4500000}, {500010, 4500020}, {500000, 4500020}}, true));
    // At grid coordinates with every decimal the file holds.
    const std::vector<TWorldPoint> vesselTrack = {
        {500010.123456, 4500020.654321}, {500020.5, 4500031.000001}, {500030.999999, 4500010.25}};
    model.AddPolyline(vesselTrack, vessel, false);
    written.push_back(Entity("POLYLINE", "~~Orvalt Vessel", vesselTrack));
    model.AddPolyline({{0, 0}, {4, 0}, {4, 3}}, survey, true);
    written.push_back(Entity("POLYLINE", surveyName, {{0, 0}, {4, 0}, {4, 3}}, true));
    auto single = std::make_unique<TQPolyline>(survey, stPolygon, true);
    single->AddVertex(7, 7);
    model.AddShape(std::move(single));
    written.push_back(Entity("POLYLINE", surveyName, {{7, 7}}, true));
    model.AddCircle(3, 4, 2, survey);
    written.push_back(Entity("CIRCLE", surveyName, {{3, 4}}));
    model.AddEllipse(0, 0, 4, 2, survey);
    written.push_back(Entity("CIRCLE", surveyName, {{2, 1}}));
    model.AddPoint(5, 6, 42);  // no layer 42: "Default"
    written.push_back(Entity("POINT", "Default", {{5, 6}}));
    model.AddShape(std::make_unique<TQPoint>(42, 8, 9));
    written.push_back(Entity("POINT", "0", {{8, 9}}));
    const int plain = model.AddText(track, "Pier 3", 1, 2, 0);
    dynamic_cast<TQText*>(model.FindShape(plain))->Size = 0;
    written.push_back(Text("track_fix", {1, 2}, "Pier 3", 2.5, 0));
    const int turned = model.AddText(survey,
                                     "\xC3\x87"
                                     "e\xC5\x9Fme\n\xC4\xB0skele",
                                     3, 4, 0);
    dynamic_cast<TQText*>(model.FindShape(turned))->Angle = 30;
    written.push_back(Text(surveyName, {3, 4},
                           "\xC3\x87"
                           "e\xC5\x9Fme \xC4\xB0skele",
                           10, 30));
    model.FindShape(model.AddLine(0, 0, 1, 1, hidden))->Visible = false;
    model.FindShape(model.AddCircle(0, 0, 1, track))->Visible = false;
    model.AddShape(std::make_unique<TQRectangle>(track, 0, 0, 1, 1, 0.0, 1));
    auto spline = std::make_unique<TQPolyline>(track, stSpline, false);
    spline->AddVertex(0, 0);
    spline->AddVertex(1, 1);
    model.AddShape(std::move(spline));
    model.AddShape(std::make_unique<TQPolyline>(track, stPolyline, false));
    return written;
}

std::string Exported(const TCanvasModel& model) {
    const std::string path = FreshTestPath("peer.dxf");
    std::string reason;
    EXPECT_TRUE(WriteDxfFile(model, path, reason)) << reason;
    return path;
}

void ExpectPoints(const QJsonArray& points, const std::vector<TWorldPoint>& expected) {
    ASSERT_EQ(points.size(), static_cast<qsizetype>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_DOUBLE_EQ(points[i][0].toDouble(), expected[i].X) << "point " << i;
        EXPECT_DOUBLE_EQ(points[i][1].toDouble(), expected[i].Y) << "point " << i;
    }
}

TEST(DxfPeers, EzdxfReadsOurExportWithoutRepairs) {
    TCanvasModel model;
    const std::vector<TWritten> written = PeerDrawing(model);
    const QJsonObject doc =
        PeerJson(RunEzdxf({"read", QString::fromStdString(Exported(model))})).object();
    EXPECT_EQ(doc["version"].toString(), "AC1009");
    EXPECT_EQ(doc["encoding"].toString(), "cp1254");
    EXPECT_TRUE(doc["errors"].toArray().isEmpty())
        << QJsonDocument(doc["errors"].toArray()).toJson().toStdString();
    EXPECT_TRUE(doc["fixes"].toArray().isEmpty())
        << QJsonDocument(doc["fixes"].toArray()).toJson().toStdString();
    const QJsonArray entities = doc["entities"].toArray();
    ASSERT_EQ(entities.size(), static_cast<qsizetype>(written.size()));
    std::map<std::string, int> perType, perLayer;
    for (size_t i = 0; i < written.size(); ++i) {
        SCOPED_TRACE("entity " + std::to_string(i));
        const QJsonObject e = entities[static_cast<qsizetype>(i)].toObject();
        const TWritten& w = written[i];
        perType[e["type"].toString().toStdString()]++;
        perLayer[e["layer"].toString().toStdString()]++;
        EXPECT_EQ(e["type"].toString(), w.type);
        EXPECT_EQ(e["layer"].toString(), w.layer);
        ExpectPoints(e["points"].toArray(), w.points);
        if (w.type == "POLYLINE") {
            EXPECT_EQ(e["closed"].toBool(), w.closed);
        }
        if (w.type == "TEXT") {
            EXPECT_EQ(e["text"].toString(), w.text);
            EXPECT_NEAR(e["height"].toDouble(), w.height, kTolerance);
            EXPECT_NEAR(e["rotation"].toDouble(), w.rotation, kTolerance);
        }
    }
    const std::map<std::string, int> types = {
        {"LINE", 1}, {"POLYLINE", 4}, {"CIRCLE", 2}, {"POINT", 2}, {"TEXT", 2}};
    EXPECT_EQ(perType, types);
    const std::map<std::string, int> layers = {{"track_fix", 3},
                                               {"~~Orvalt Vessel", 1},
                                               {"\xC3\x96l\xC3\xA7\xC3\xBCm", 5},
                                               {"Default", 1},
                                               {"0", 1}};
    EXPECT_EQ(perLayer, layers);
    EXPECT_NEAR(entities[5].toObject()["radius"].toDouble(), 2, kTolerance);
    EXPECT_NEAR(entities[6].toObject()["radius"].toDouble(), 1.5, kTolerance);
}

TEST(DxfPeers, GdalCountsAndReadsOurExport) {
    TCanvasModel model;
    const std::vector<TWritten> written = PeerDrawing(model);
    const QString path = QString::fromStdString(Exported(model));
    const TPeerRun summary = RunPeer("ogrinfo", {"-ro", "-al", "-so", path});
    ASSERT_EQ(summary.exitCode, 0) << summary.err;
    EXPECT_NE(summary.out.find("Layer name: entities"), std::string::npos) << summary.out;
    EXPECT_NE(summary.out.find("Feature Count: " + std::to_string(written.size()) + "\n"),
              std::string::npos)
        << summary.out;
    EXPECT_EQ(summary.err.find("ERROR"), std::string::npos) << summary.err;

    const TPeerRun geojson = RunPeer("ogr2ogr", {"-f", "GeoJSON", "/vsistdout/", path});
    ASSERT_EQ(geojson.exitCode, 0) << geojson.err;
    const QJsonArray features = PeerJson(geojson).object()["features"].toArray();
    ASSERT_EQ(features.size(), static_cast<qsizetype>(written.size()));
    for (size_t i = 0; i < written.size(); ++i) {
        const QJsonObject f = features[static_cast<qsizetype>(i)].toObject();
        EXPECT_EQ(f["properties"].toObject()["Layer"].toString(), written[i].layer) << i;
    }
    const auto geometry = [&](int i) { return features[i].toObject()["geometry"].toObject(); };
    // The rectangle: a closed LineString of five points.
    EXPECT_EQ(geometry(1)["type"].toString(), "LineString");
    const QJsonArray ring = geometry(1)["coordinates"].toArray();
    ASSERT_EQ(ring.size(), 5);
    EXPECT_EQ(ring[0], ring[4]);
    EXPECT_DOUBLE_EQ(ring[2][0].toDouble(), 500010);
    EXPECT_DOUBLE_EQ(ring[2][1].toDouble(), 4500020);
    // The one-vertex polygon: a point.
    EXPECT_EQ(geometry(4)["type"].toString(), "Point");
    // The circle: a closed LineString of 91 points at its radius.
    EXPECT_EQ(geometry(5)["type"].toString(), "LineString");
    const QJsonArray circle = geometry(5)["coordinates"].toArray();
    ASSERT_EQ(circle.size(), 91);
    EXPECT_EQ(circle[0], circle[90]);
    for (const QJsonValue& p : circle) {
        EXPECT_NEAR(std::hypot(p[0].toDouble() - 3, p[1].toDouble() - 4), 2, kTolerance);
    }
    // A text: a point with its text.
    EXPECT_EQ(geometry(10)["type"].toString(), "Point");
    EXPECT_NEAR(geometry(10)["coordinates"][0].toDouble(), 3, kTolerance);
    EXPECT_EQ(features[10].toObject()["properties"].toObject()["Text"].toString(),
              "\xC3\x87"
              "e\xC5\x9Fme \xC4\xB0skele");
}

TEST(DxfPeers, AnEmptyDrawingIsCleanForBoth) {
    TCanvasModel model;
    const QString path = QString::fromStdString(Exported(model));
    const QJsonObject doc = PeerJson(RunEzdxf({"read", path})).object();
    EXPECT_TRUE(doc["errors"].toArray().isEmpty());
    EXPECT_TRUE(doc["fixes"].toArray().isEmpty());
    EXPECT_TRUE(doc["entities"].toArray().isEmpty());
    const TPeerRun summary = RunPeer("ogrinfo", {"-ro", "-al", "-so", path});
    ASSERT_EQ(summary.exitCode, 0) << summary.err;
    EXPECT_NE(summary.out.find("Feature Count: 0\n"), std::string::npos) << summary.out;
}

// ezdxf's layer table ends with layer 0 in white (7), which becomes the colour of the target
// layer and so of every shape without a colour of its own; block lines keep their own (0).
struct TWrittenByEzdxf {
    const char* legend;
    const char* drawing;   // a case of dxf_peer.py
    bool r12;              // written as R12 too (as R2010 always)
    const char* expected;  // DxfShapes() after the import
};

const TWrittenByEzdxf kWrittenByEzdxf[] = {
    {"an ARC from 350 to 10 degrees", "arc", true,
     "polyline open 21 (4.924,-0.8682) (5,0) (4.924,0.8682) pen 16777215/1\n"},
    {"a full ELLIPSE and an arc from 5.5 to 0.8 on the short side", "ellipses", false,
     "polyline closed 37 (4,0) (-4,0) (4,0) pen 16777215/1\n"
     "polyline open 37 (22.8347,-1.4111) (23.9999,0.0168) (22.7868,1.4347) pen 16777215/1\n"},
    {"closed LWPOLYLINE, 2D POLYLINE and a triangular SOLID", "polylines", true,
     "polyline closed 3 (0,0) (4,0) (4,3) pen 16777215/1\n"
     "polyline closed 4 (10,0) (14,0) (14,3) (10,3) pen 16777215/1\n"
     "polyline closed 3 (20,0) (24,0) (20,3) pen 16777215/1\n"},
    {"a Turkish TEXT and an MTEXT with line break and underline", "texts", true,
     "text [\xC3\x87"
     "e\xC5\x9Fme] (1,2) size 0.5 angle 30 Arial font -1 align 02 pen 16777215/1\n"
     "text [LINE1 LINE2underlined] (0,10) size 2.5 angle 0 Arial font -1 align 02 pen "
     "16777215/1\n"},
    {"a block of two lines and a circle, scaled and turned", "block", true,
     "line (10,20) (10,24) pen 0/1\nline (10,20) (7,20) pen 0/1\n"},
    {"colours by layer table, own and by layer", "layer_colours", true,
     "line (0,0) (1,0) pen 65280/1\nline (0,1) (1,1) pen 255/1\nline (0,2) (1,2) pen 65280/1\n"},
    {"a solid HATCH adds no polygon", "hatch", false, "line (1,1) (2,2) pen 16777215/1\n"},
    {"a POLYLINE on layer POINT adds no point at the origin", "polyline_on_point_layer", true,
     "polyline open 2 (100,100) (101,100) pen 16777215/1\npoint (102,100) pen 16777215/1\n"},
    {"an attribute ENDSEC does not end the drawing", "attribute_endsec", true,
     "line (5,5) (6,6) pen 16777215/1\n"},
};

// The file ezdxf wrote of the drawing; each version's drawings are written once, in one run.
std::string WrittenByEzdxf(const char* drawing, const std::string& version) {
    static std::map<std::string, std::string> folders;
    std::string& folder = folders[version];
    if (folder.empty()) {
        folder = FreshTestPath("ezdxf " + version);
        std::filesystem::create_directories(folder);
        const TPeerRun run =
            RunEzdxf({"write", QString::fromStdString(version), QString::fromStdString(folder)});
        EXPECT_EQ(run.exitCode, 0) << run.err;
    }
    return folder + "/" + drawing + ".dxf";
}

TEST(DxfPeers, DrawingsWrittenByEzdxfReadAsTheyWereMade) {
    for (const TWrittenByEzdxf& c : kWrittenByEzdxf) {
        for (const char* version : {"R12", "R2010"}) {
            if (!c.r12 && std::string(version) == "R12") continue;
            SCOPED_TRACE(std::string(c.legend) + ", " + version);
            std::string expected = c.expected;
            // Release 12 has neither LWPOLYLINE nor MTEXT.
            if (std::string(version) == "R12" && std::string(c.drawing) == "polylines") {
                expected = expected.substr(expected.find('\n') + 1);
            }
            if (std::string(version) == "R12" && std::string(c.drawing) == "texts") {
                expected = expected.substr(0, expected.find('\n') + 1);
            }
            TCanvasModel model;
            std::string reason;
            EXPECT_TRUE(ReadDxfFile(model, WrittenByEzdxf(c.drawing, version), reason)) << reason;
            EXPECT_EQ(DxfShapes(model), expected);
        }
    }
}

TEST(DxfPeers, ReimportUsesTheEditedBlockAndAnEarlierOneStillResolves) {
    for (const char* version : {"R12", "R2010"}) {
        SCOPED_TRACE(version);
        TCanvasModel model;
        const std::string site = FreshTestPath(std::string("site-") + version);
        std::filesystem::create_directories(site);
        std::string reason;
        const auto import = [&](const char* drawing, const std::string& name) {
            const std::string path = site + "/" + name;
            std::filesystem::copy_file(WrittenByEzdxf(drawing, version), path,
                                       std::filesystem::copy_options::overwrite_existing);
            EXPECT_TRUE(ReadDxfFile(model, path, reason)) << drawing << " " << reason;
        };
        import("block", "site.dxf");
        import("edited_block", "site.dxf");
        import("earlier_block_only", "other.dxf");
        EXPECT_EQ(DxfShapes(model), "line (0,0) (0,5) pen 0/1\nline (100,0) (100,5) pen 0/1\n");
    }
}

}  // namespace
