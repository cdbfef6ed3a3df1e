// File > Import through the scripted dialogs: real KML and KMZ files projected into a zone
// around them and checked against PROJ, our own export read back, GDAL as the writer, the XYZ
// branch with its unchanged-file rule, the layer names the program keeps, and refusals that
// leave the map as it was.

#include "canvas/MapLayerNames.h"
#include "canvas/OrvaltCanvas.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapePolyline.h"
#include "canvas/QShapeText.h"
#include "navigation/KmlReader.h"
#include "navigation/NavigationState.h"
#include "navigation/SurveyLogWriter.h"
#include "navigation/SurveyRecord.h"
#include "navigation/unavigation.h"
#include "platform/TextFile.h"
#include "tests/geodesy/ProjPeer.h"
#include "tests/navigation/KmlTestSupport.h"
#include "tests/navigation/RealtimeWindowSet.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/UrlCatcher.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace {

constexpr double kGridToleranceM = 0.003;

int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = 0; (at = text.find(part, at)) != std::string::npos; at += part.size()) {
        ++count;
    }
    return count;
}

// The shapes of one layer by kind.
struct TLayerShapes {
    std::vector<const TQPoint*> points;
    std::vector<const TQPolyline*> lines;
    std::vector<const TQText*> labels;
    std::size_t others = 0;
};

class MapImportTest : public ::testing::Test {
protected:
    void SetUp() override { SetEd50Settings(w_.settings, "30"); }
    TOrvaltCanvas& Map() { return *w_.main.fcad; }
    void Import(const std::string& path) {
        dialogs_.fileNames = {QString::fromStdString(path)};
        w_.main.Import1Click();
    }
    TLayerShapes Shapes(const QString& layer) {
        TLayerShapes shapes;
        const int id = Map().FindLayerByName(layer);
        for (const int shape : Map().GetLayerShapeIds(id)) {
            const TQShape* s = Map().FindShape(shape);
            if (const auto* p = dynamic_cast<const TQPoint*>(s)) {
                shapes.points.push_back(p);
            } else if (const auto* l = dynamic_cast<const TQPolyline*>(s)) {
                shapes.lines.push_back(l);
            } else if (const auto* t = dynamic_cast<const TQText*>(s)) {
                shapes.labels.push_back(t);
            } else {
                ++shapes.others;
            }
        }
        return shapes;
    }
    // The refusal leaves the map as it was and logs no import.
    void ExpectRefused(const std::string& path, const std::string& message) {
        const std::string before = MapSnapshot(Map());
        const std::string log = EventsLog();
        dialogs_.messages.clear();
        Import(path);
        EXPECT_EQ(dialogs_.messages, std::vector<QString>{QString::fromStdString(message)});
        EXPECT_EQ(MapSnapshot(Map()), before);
        EXPECT_EQ(Count(EventsLog().substr(log.size()), "Imported"), 0);
    }

    TRealtimeWindowSet w_;
    TScriptedDialogs dialogs_;
    TUrlCatcher urls_;
};

TEST_F(MapImportTest, RealFilesLandWhereProjPutsThem) {
    if (RealKml("").empty()) GTEST_SKIP() << "no real data";
    const struct {
        const char* legend;
        const char* file;
        const char* centralMeridian;
        std::size_t points, lines, labels;
    } cases[] = {
        {"a GPS track as points", "giscore__time-stamp-point.kmz", "-123", 361, 0, 0},
        {"named points in folders", "giscore__kitchensink.kmz", "-100", 12, 0, 12},
        {"a polygon with a hole", "togeojson__polygon.kml", "-123", 0, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        SetEd50Settings(w_.settings, c.centralMeridian);
        const std::string path = RealKml(c.file);
        Import(path);
        const QString layer = QString::fromStdString(std::filesystem::path(path).stem().string());
        const TLayerShapes shapes = Shapes(layer);
        ASSERT_EQ(shapes.points.size(), c.points);
        ASSERT_EQ(shapes.lines.size(), c.lines);
        ASSERT_EQ(shapes.labels.size(), c.labels);
        EXPECT_EQ(shapes.others, 0u);
        EXPECT_EQ(Map().GetLayerTag(Map().FindLayerByName(layer)), kUserShapeTag);
        EXPECT_EQ(
            Count(EventsLog(), "Imported KML/KMZ: " + path + " to layer: " + layer.toStdString()),
            1);
        EXPECT_EQ(LastOpenedPath, path);

        TKMLReader plain;
        ASSERT_TRUE(plain.Load(path));
        TProjPeer pipeline(Ed50GridPipeline(c.centralMeridian));
        const auto near = [&](const TKMLCoordinate& c, double x, double y) {
            const PJ_COORD grid = pipeline.Forward(proj_torad(c.lon), proj_torad(c.lat));
            return std::hypot(x - grid.xy.x, y - grid.xy.y);
        };
        const auto points = plain.GetPoints();
        for (std::size_t i = 0; i < shapes.points.size(); ++i) {
            EXPECT_LT(near(points[i], shapes.points[i]->X, shapes.points[i]->Y), kGridToleranceM);
        }
        const auto lines = plain.GetLines();
        for (std::size_t i = 0; i < shapes.lines.size(); ++i) {
            EXPECT_FALSE(shapes.lines[i]->Closed);
            ASSERT_EQ(shapes.lines[i]->Vertices.size(), lines[i].size());
            for (std::size_t k = 0; k < lines[i].size(); ++k) {
                const TWorldPoint& v = shapes.lines[i]->Vertices[k];
                EXPECT_LT(near(lines[i][k], v.X, v.Y), kGridToleranceM);
            }
        }
        if (!shapes.labels.empty()) {
            EXPECT_EQ(shapes.labels[0]->Text.toStdString(), plain.Placemarks()[0].name);
            const auto& first = plain.Placemarks()[0].geometries[0].coordinates[0];
            EXPECT_LT(near(first, shapes.labels[0]->X, shapes.labels[0]->Y), kGridToleranceM);
        }
    }
}

// Points, texts and tracks exported as KMZ come back as points, open polylines and labels where
// they were.
TEST_F(MapImportTest, OurOwnExportComesBack) {
    const int user = Map().FindLayerByName(kUserShapeLayerName);
    Map().AddPoint(501234.567, 4512345.678, user);
    const int track = Map().AddPolyline({{500100, 4510100}, {500150, 4510180}, {500260, 4510210}},
                                        Map().FindLayerByName(kFixedTrackLayerName), false);
    Map().AddText(user, "Mole & Quay", 502000.25, 4511000.75, 0);
    const std::string folder = FreshTestPath("trip") + "/";
    std::filesystem::create_directories(folder);
    dialogs_.fileNames = {QString::fromStdString(folder + "trip.kmz")};
    w_.main.Export1Click();
    Import(folder + "trip.kmz");
    const TLayerShapes shapes = Shapes("trip");
    ASSERT_EQ(shapes.points.size(), 2u);
    ASSERT_EQ(shapes.lines.size(), 1u);
    ASSERT_EQ(shapes.labels.size(), 3u);
    const auto within = [](double x, double y, double ex, double ey) {
        return std::hypot(x - ex, y - ey) < kGridToleranceM;
    };
    EXPECT_TRUE(within(shapes.points[0]->X, shapes.points[0]->Y, 501234.567, 4512345.678));
    EXPECT_TRUE(within(shapes.points[1]->X, shapes.points[1]->Y, 502000.25, 4511000.75));
    ASSERT_EQ(shapes.lines[0]->Vertices.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const TWorldPoint& v = shapes.lines[0]->Vertices[i];
        EXPECT_TRUE(within(v.X, v.Y, Map().GetVertexX(track, i), Map().GetVertexY(track, i))) << i;
    }
    EXPECT_FALSE(shapes.lines[0]->Closed);
    const std::vector<std::string> names = {shapes.labels[0]->Text.toStdString(),
                                            shapes.labels[1]->Text.toStdString(),
                                            shapes.labels[2]->Text.toStdString()};
    EXPECT_EQ(names, (std::vector<std::string>{"Point_0", "Track_1", "Mole & Quay"}));
    EXPECT_TRUE(within(shapes.labels[1]->X, shapes.labels[1]->Y, 500100, 4510100));
}

TEST_F(MapImportTest, KmlWrittenByGdal) {
    SetEd50Settings(w_.settings, "29");
    const std::string folder = FreshTestPath("gdal") + "/";
    std::filesystem::create_directories(folder);
    ASSERT_TRUE(WriteFileAtomically(
        folder + "marks.csv",
        "WKT,Name\n\"POINT (29.01 41.02)\",Pier & Co\n"
        "\"LINESTRING (29.0 41.0,29.1 41.05,29.2 41.0)\",Route\n"
        "\"POLYGON ((29.3 41.3,29.4 41.3,29.4 41.4,29.3 41.3),(29.36 41.32,29.38 41.32,29.38 "
        "41.34,29.36 41.32))\",Basin\n"));
    std::vector<std::string> descriptions;
    for (const char* driver : {"KML", "LIBKML"}) {
        SCOPED_TRACE(driver);
        const std::string out = folder + driver + ".kml";
        const TPeerRun run =
            RunPeer("ogr2ogr", {"-f", driver, "-a_srs", "EPSG:4326", QString::fromStdString(out),
                                QString::fromStdString(folder + "marks.csv")});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        Import(out);
        const TLayerShapes shapes = Shapes(driver);
        ASSERT_EQ(shapes.points.size(), 1u);
        ASSERT_EQ(shapes.lines.size(), 2u);
        ASSERT_EQ(shapes.labels.size(), 3u);
        EXPECT_EQ(shapes.lines[1]->Vertices.size(), 4u) << "the outer ring";
        std::string description;
        for (const TQText* label : shapes.labels) description += label->Text.toStdString() + ";";
        char position[64];
        std::snprintf(position, sizeof position, "%.3f %.3f", shapes.points[0]->X,
                      shapes.points[0]->Y);
        descriptions.push_back(description + position);
    }
    EXPECT_EQ(descriptions[0], descriptions[1]);
    EXPECT_EQ(descriptions[0].substr(0, 22), "Pier & Co;Route;Basin;");

    const std::string kmz = folder + "layered.kmz";
    const TPeerRun run =
        RunPeer("ogr2ogr", {"-f", "LIBKML", "-a_srs", "EPSG:4326", QString::fromStdString(kmz),
                            QString::fromStdString(folder + "marks.csv")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ExpectRefused(kmz, "Failed to load KML/KMZ file: No placemark with coordinates found");
}

TEST_F(MapImportTest, RefusalsLeaveTheMapUnchanged) {
    const std::string folder = FreshTestPath("refusals") + "/";
    std::filesystem::create_directories(folder);
    const std::string good = folder + "plan.kml";
    ASSERT_TRUE(WriteFileAtomically(good,
                                    "<kml><Placemark><name>P</name><Point><coordinates>"
                                    "30.1,40.1</coordinates></Point></Placemark></kml>"));
    Import(good);
    ASSERT_EQ(Shapes("plan").points.size(), 1u);
    const std::string datum =
        "Please configure datum parameters in GPS Settings before importing KML/KMZ files.";

    w_.settings.edRZ->setText("");
    ExpectRefused(good, datum);
    SetEd50Settings(w_.settings, "30");
    w_.settings.edIF->setText("298.257");
    ExpectRefused(good, datum);
    SetEd50Settings(w_.settings, "30");
    w_.settings.cbUseLCCProjection->setChecked(true);
    ExpectRefused(good,
                  "KML/KMZ needs the Transverse Mercator projection; the map uses Lambert (GPS "
                  "Settings).");
    SetEd50Settings(w_.settings, "30");

    ASSERT_TRUE(WriteFileAtomically(good, "<kml><Placemark><name>P</name></Placemark></kml>"));
    ExpectRefused(good, "Failed to load KML/KMZ file: No placemark with coordinates found");
    std::filesystem::remove(good);
    ExpectRefused(good, "Failed to load KML/KMZ file: File not found: " + good);
    ASSERT_TRUE(WriteFileAtomically(folder + "plan.kmz", "PK\x03\x04 cut"));
    ExpectRefused(folder + "plan.kmz",
                  "Failed to load KML/KMZ file: Failed to read extracted KML file");
    ASSERT_TRUE(WriteFileAtomically(folder + "plan.xyz", "Easting,Northing,Elevation\r\n"));
    ExpectRefused(folder + "plan.xyz", "No point found in XYZ file: " + folder + "plan.xyz");
    std::filesystem::create_directories(folder + "folder.xyz");
    ExpectRefused(folder + "folder.xyz", "Failed to open XYZ file: " + folder + "folder.xyz");
    EXPECT_EQ(Shapes("plan").points.size(), 1u) << "the first import is still there";
}

// A cancelled dialog only makes sure the standard layers are there.
TEST_F(MapImportTest, CancelRestoresTheStandardLayers) {
    Map().ClearDrawing();
    w_.main.Import1Click();
    ASSERT_EQ(dialogs_.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs_.fileRequests[0].title, "Dialog Open");
    EXPECT_EQ(dialogs_.fileRequests[0].filter,
              "KML/KMZ Files (*.kml *.kmz);;XYZ Files (*.xyz *.txt *.csv);;AutoCAD 2018 DXF "
              "(*.dxf);;All Files (*)");
    EXPECT_NE(Map().FindLayerByName(kFixedTrackLayerName), -1);
    EXPECT_NE(Map().FindLayerByName(kVesselLayerName), -1);
}

TEST_F(MapImportTest, SimpleXyzFromTheSurveyLogWriter) {
    const std::string folder = FreshTestPath("xyz") + "/";
    const TSurveyFiles files{folder + "log.csv", "header", folder + "2024-05-06 Simple XYZ.csv",
                             kSimpleXyzHeader};
    TSurveyLogWriter writer;
    const double rows[][3] = {
        {501000.125, 4501000.5, 12.346}, {501010, 4501005, 7.5}, {501020, 4501010, 0}};
    for (const auto& row : rows) {
        writer.Append(files, {std::string("log"), SimpleXyzRecord(row[0], row[1], row[2])});
    }
    Import(files.xyzPath);
    const TLayerShapes shapes = Shapes("2024-05-06 Simple XYZ");
    ASSERT_EQ(shapes.points.size(), 3u);
    ASSERT_EQ(shapes.labels.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(shapes.points[i]->X, rows[i][0], 0.01);
        EXPECT_NEAR(shapes.labels[i]->Y, rows[i][1], 0.01);
        EXPECT_EQ(shapes.points[i]->Radius, 1);
        EXPECT_EQ(shapes.points[i]->LineWidth, 1);
        EXPECT_EQ(shapes.labels[i]->HAlign, taCenter);
        EXPECT_EQ(shapes.labels[i]->VAlign, taMiddle);
    }
    EXPECT_EQ(shapes.labels[0]->Text, "12.35");
    EXPECT_EQ(shapes.labels[2]->Text, "0.00");
    EXPECT_EQ(Count(EventsLog(), "Imported XYZ: " + files.xyzPath +
                                     " (3 points) to layer: 2024-05-06 Simple XYZ"),
              1);
}

// Unchanged, the file is skipped while its layer shows it; after New, which keeps the empty
// layer, and after the file is written again, it is imported again.
TEST_F(MapImportTest, UnchangedXyzIsSkippedOnlyWhileItsLayerShowsIt) {
    const std::string path = FreshTestPath("soundings.xyz");
    ASSERT_TRUE(WriteFileAtomically(path, "100.5 200.25 12.346\r\n7,300,400,5\r\n"));
    const QString layer = QString::fromStdString(std::filesystem::path(path).stem().string());
    Import(path);
    ASSERT_EQ(Shapes(layer).points.size(), 2u);
    dialogs_.messages.clear();
    const std::string before = MapSnapshot(Map());
    Import(path);
    EXPECT_EQ(dialogs_.messages,
              std::vector<QString>{"File unchanged since last import. Skipping."});
    EXPECT_EQ(MapSnapshot(Map()), before);
    dialogs_.answers = {TModalResult::Yes};
    w_.main.New1Click();
    ASSERT_NE(Map().FindLayerByName(layer), -1);
    ASSERT_TRUE(Shapes(layer).points.empty());
    Import(path);
    EXPECT_EQ(Shapes(layer).points.size(), 2u) << "after New";
    const auto later = std::filesystem::last_write_time(path) + std::chrono::seconds(1);
    std::filesystem::last_write_time(path, later);
    Import(path);
    EXPECT_EQ(Count(EventsLog(), "Imported XYZ: " + path + " (2 points)"), 3)
        << "after touching the file too";
}

// Files named like a layer the program keeps go to a layer of their own.
TEST_F(MapImportTest, ProgramLayersAreNeverImportedInto) {
    const int fixed = Map().FindLayerByName(kFixedTrackLayerName);
    Map().AddLine(500000, 4500000, 500010, 4500010, fixed);
    const std::string folder = FreshTestPath("names") + "/";
    std::filesystem::create_directories(folder);
    for (const char* name : {"track_fix.xyz", "Orvalt_Runlines.xyz", "orvalt_usershape.kml"}) {
        SCOPED_TRACE(name);
        const std::string path = folder + name;
        ASSERT_TRUE(WriteFileAtomically(
            path, std::string(name).ends_with(".kml")
                      ? "<kml><Placemark><Point><coordinates>30,40</coordinates></Point>"
                        "</Placemark></kml>"
                      : "500100 4500100 3\r\n"));
        Import(path);
        const std::string layer = std::filesystem::path(path).stem().string() + " (import)";
        EXPECT_EQ(Shapes(QString::fromStdString(layer)).points.size(), 1u);
    }
    EXPECT_EQ(Map().GetLayerShapeIds(fixed).size(), 1u);
    EXPECT_NE(Map().GetLayerTag(fixed), kUserShapeTag);
    EXPECT_EQ(Map().FindLayerByName("Orvalt_Runlines"), -1) << "not created either";
}

// Any other extension goes to the DXF reader, which keeps the drawing on a layer of its own and
// shows its own refusals; only a drawing that came in is logged.
TEST_F(MapImportTest, DxfBranch) {
    const std::string folder = FreshTestPath("dxf") + "/";
    std::filesystem::create_directories(folder);
    const std::string drawing = folder + "quay.dxf";
    Map().AddLine(500000, 4500000, 500010, 4500020, Map().FindLayerByName(kUserShapeLayerName));
    ASSERT_TRUE(Map().ExportDXF(QString::fromStdString(drawing)));
    const std::string log = EventsLog();
    Import(drawing);
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_EQ(Map().GetLayerShapeIds(Map().FindLayerByName("_dxf_quay.dxf")).size(), 1u);
    EXPECT_EQ(Count(EventsLog().substr(log.size()), "Imported DXF: " + drawing), 1);
    EXPECT_NE(Map().FindLayerByName(kVesselLayerName), -1);

    ASSERT_TRUE(WriteFileAtomically(folder + "notes.txt.bak", "no drawing here"));
    ExpectRefused(folder + "notes.txt.bak", "DXF load failed: ENTITIES section not found");
}

}  // namespace
