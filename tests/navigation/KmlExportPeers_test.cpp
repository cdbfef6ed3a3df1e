// File > Export through the scripted dialogs, with GDAL and Python's zipfile reading what was
// written and PROJ checking every position; then the extension rules and the refusals, each of
// which writes no file and logs nothing.

#include "canvas/MapLayerNames.h"
#include "canvas/OrvaltCanvas.h"
#include "navigation/NavigationState.h"
#include "navigation/unavigation.h"
#include "platform/EventLog.h"
#include "platform/TextFile.h"
#include "tests/geodesy/ProjPeer.h"
#include "tests/navigation/KmlTestSupport.h"
#include "tests/navigation/RealtimeWindowSet.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/UrlCatcher.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <clocale>
#include <filesystem>

namespace {

constexpr double kAngleToleranceDeg = 2e-8;
const QString kKmzFilter = "Google Earth KMZ (*.kmz)";

struct TExpectedFeature {
    std::string name;
    std::string type;
    std::vector<TWorldPoint> grid;
};

int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = 0; (at = text.find(part, at)) != std::string::npos; at += part.size()) {
        ++count;
    }
    return count;
}

std::vector<std::string> Lines(const std::string& bytes, std::size_t count) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; lines.size() < count;) {
        const std::size_t end = bytes.find("\r\n", at);
        if (end == std::string::npos) break;
        lines.push_back(bytes.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

class KmlExportPeersTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetEd50Settings(w_.settings, "30");
        folder_ = FreshTestPath("export") + "/";
        std::filesystem::create_directories(folder_);
    }
    TOrvaltCanvas& Map() { return *w_.main.fcad; }
    int Layer(const char* name) { return Map().FindLayerByName(name); }
    void Export(const std::string& name, const QString& filter = {}) {
        dialogs_.fileNames = {QString::fromStdString(folder_ + name)};
        dialogs_.chosenFilters.clear();
        if (!filter.isEmpty()) dialogs_.chosenFilters = {filter};
        w_.main.Export1Click();
    }
    // A survey map: every kind the export writes, and what it leaves out.
    std::vector<TExpectedFeature> BuildSurveyMap();
    std::vector<std::string> FilesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    TRealtimeWindowSet w_;
    TScriptedDialogs dialogs_;
    TUrlCatcher urls_;
    std::string folder_;
};

std::vector<TExpectedFeature> KmlExportPeersTest::BuildSurveyMap() {
    TOrvaltCanvas& map = Map();
    const int user = Layer(kUserShapeLayerName);
    const double e = 512345.678, n = 4498765.432;
    std::vector<TExpectedFeature> expected;
    map.AddPoint(e, n, user);
    expected.push_back({"Point_0", "Point", {{e, n}}});
    const int track = map.AddPolyline({{e, n}, {e + 20, n + 5}, {e + 40, n + 7}},
                                      Layer(kFixedTrackLayerName), false);
    expected.push_back({"Track_1", "LineString", {}});
    for (int i = 0; i < 3; ++i) {
        expected.back().grid.push_back({map.GetVertexX(track, i), map.GetVertexY(track, i)});
    }
    map.AddText(user, "Harbour & Co <A>", e + 100, n + 100, 0);
    expected.push_back({"Harbour & Co <A>", "Point", {{e + 100, n + 100}}});
    map.AddLine(e - 50, n - 50, e - 10, n - 30, Layer(kNoFixTrackLayerName));
    expected.push_back({"Track_2", "LineString", {{e - 50, n - 50}, {e - 10, n - 30}}});
    const int polygon =
        map.AddPolyline({{e, n - 200}, {e + 80, n - 200}, {e + 80, n - 120}}, user, true);
    expected.push_back({"Track_3", "LineString", {}});
    for (int i = 0; i < 3; ++i) {
        expected.back().grid.push_back({map.GetVertexX(polygon, i), map.GetVertexY(polygon, i)});
    }
    map.AddText(user, "Çeşme", e + 300, n - 300, 0);
    expected.push_back({"Çeşme", "Point", {{e + 300, n - 300}}});
    map.AddCircle(e, n, 30, user);
    map.AddLine(e, n, e + 1, n + 1, Layer(kVesselLayerName));
    map.AddLine(e, n, e + 1, n + 1, Layer(kGridLayerName));
    map.AddSounding(e + 500, n + 500, 7.456);
    map.AddSounding(e + 600, n + 400, 12.3);
    expected.push_back({"7.46m", "Point", {{e + 500, n + 500}}});
    expected.push_back({"12.30m", "Point", {{e + 600, n + 400}}});
    CurrentEasting = e + 700;
    CurrentNorthing = n + 700;
    expected.push_back({"Vessel", "Point", {{e + 700, n + 700}}});
    return expected;
}

TEST_F(KmlExportPeersTest, ReadByGdalAndZipfile) {
    const std::vector<TExpectedFeature> expected = BuildSurveyMap();
    Export("out.kml");
    Export("out.kmz");
    ASSERT_EQ(dialogs_.fileRequests.size(), 2u);
    EXPECT_EQ(dialogs_.fileRequests[0].title, "Dialog Save");
    EXPECT_EQ(dialogs_.fileRequests[0].filter,
              "Google Earth KML (*.kml);;Google Earth KMZ (*.kmz);;AutoCAD R12 DXF (*.dxf);;"
              "All Files (*)");
    EXPECT_TRUE(dialogs_.fileRequests[0].confirmOverwrite);
    const QString message = "Exported: 4 tracks, 2 depth points";
    EXPECT_EQ(dialogs_.messages, (std::vector<QString>{message, message}));
    for (const char* name : {"out.kml", "out.kmz"}) {
        EXPECT_EQ(Count(EventsLog(), message.toStdString() + " to " + folder_ + name), 1) << name;
    }
    ASSERT_EQ(urls_.urls.size(), 2u);
    EXPECT_EQ(urls_.urls[0], QUrl::fromLocalFile(QString::fromStdString(folder_)));

    const std::string kml = folder_ + "out.kml", kmz = folder_ + "out.kmz";
    const struct {
        std::string path, layer;
        bool kmlDriver;
    } reads[] = {{kml, "out.kml", false},
                 {kmz, "out.kmz", false},
                 {"/vsizip/" + kmz + "/doc.kml", "out.kmz", false},
                 {kml, "out.kml", true},
                 {"/vsizip/" + kmz + "/doc.kml", "out.kmz", true}};
    for (const auto& read : reads) {
        SCOPED_TRACE(read.path + (read.kmlDriver ? " with the KML driver" : " with LIBKML"));
        QStringList arguments{"-ro", "-al", "-so", QString::fromStdString(read.path)};
        if (read.kmlDriver) arguments = QStringList{"--config", "GDAL_SKIP", "LIBKML"} + arguments;
        const TPeerRun info = RunPeer("ogrinfo", arguments);
        ASSERT_EQ(info.exitCode, 0) << info.err;
        EXPECT_EQ(Count(info.out, "Layer name: "), 1) << info.out;
        EXPECT_EQ(Count(info.out, "Layer name: " + read.layer + "\n"), 1) << info.out;
        EXPECT_EQ(Count(info.out, "Feature Count: 9\n"), 1) << info.out;
    }

    const TPeerRun json =
        RunPeer("ogr2ogr", {"-f", "GeoJSON", "/vsistdout/", QString::fromStdString(kml)});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const QJsonArray features =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.out))["features"].toArray();
    ASSERT_EQ(features.size(), static_cast<int>(expected.size()));
    TProjPeer pipeline(Ed50GridPipeline("30"));
    for (int i = 0; i < features.size(); ++i) {
        const TExpectedFeature& want = expected[i];
        SCOPED_TRACE(want.name);
        const QJsonObject feature = features[i].toObject();
        EXPECT_EQ(feature["properties"]["Name"].toString().toStdString(), want.name);
        const QJsonObject geometry = feature["geometry"].toObject();
        EXPECT_EQ(geometry["type"].toString().toStdString(), want.type);
        QJsonArray tuples = geometry["coordinates"].toArray();
        if (want.type == "Point") tuples = QJsonArray{tuples};
        ASSERT_EQ(tuples.size(), static_cast<int>(want.grid.size()));
        for (int k = 0; k < tuples.size(); ++k) {
            const PJ_COORD peer = pipeline.Inverse(want.grid[k].X, want.grid[k].Y);
            EXPECT_NEAR(tuples[k][0].toDouble(), proj_todeg(peer.lp.lam), kAngleToleranceDeg);
            EXPECT_NEAR(tuples[k][1].toDouble(), proj_todeg(peer.lp.phi), kAngleToleranceDeg);
        }
    }

    const TPeerRun list = RunZipPeer({"list", QString::fromStdString(kmz)});
    ASSERT_EQ(list.exitCode, 0) << list.err;
    EXPECT_EQ(Count(list.out, "\n"), 1) << list.out;
    EXPECT_EQ(list.out.substr(0, list.out.find('\t', 8)), "doc.kml\t8") << "deflated";
    const std::string bytes = ReadFileBytes(kml);
    ASSERT_TRUE(bytes.starts_with("\xEF\xBB\xBF"));
    EXPECT_EQ(Count(bytes, "\n"), Count(bytes, "\r\n")) << "every line ends in CR LF";
    EXPECT_TRUE(bytes.ends_with("</Document>\r\n</kml>\r\n"));
    const std::vector<std::string> header = Lines(bytes.substr(3), 10);
    ASSERT_EQ(header.size(), 10u);
    EXPECT_EQ(header[0], R"(<?xml version="1.0" encoding="UTF-8"?>)");
    EXPECT_EQ(header[1], R"(<kml xmlns="http://www.opengis.net/kml/2.2">)");
    EXPECT_EQ(header[2], "<Document>");
    EXPECT_EQ(header[3], "<name>out.kml</name>");
    EXPECT_TRUE(header[4].starts_with(R"(<Style id="trackFix"><LineStyle><color>ff00ff00)"));
    EXPECT_TRUE(header[9].starts_with(R"(<Style id="pointStyle">)"));
    const TPeerRun document = RunZipPeer({"read", QString::fromStdString(kmz), "doc.kml"});
    std::string renamed = bytes;
    renamed.replace(renamed.find("<name>out.kml"), 13, "<name>out.kmz");
    EXPECT_EQ(document.out, renamed) << "the same document inside";

    for (const char* locale : {"tr_TR.UTF-8", "de_DE.UTF-8"}) {
        SCOPED_TRACE(locale);
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr) << "the set-up script generates it";
        Export("out.kml");
        EXPECT_EQ(ReadFileBytes(kml), bytes);
    }
    std::setlocale(LC_ALL, "C");
}

TEST_F(KmlExportPeersTest, ExtensionRules) {
    Map().AddPoint(500000, 4500000, Layer(kUserShapeLayerName));
    const struct {
        const char* legend;
        const char* typed;
        QString filter;
        const char* written;  // nullptr: nothing
        bool archive;
    } cases[] = {
        {"KMZ filter, no extension", "plain", kKmzFilter, "plain.kmz", true},
        {"KML filter, no extension", "other", "Google Earth KML (*.kml)", "other.kml", false},
        {"All Files, no extension", "bare", "All Files (*)", nullptr, false},
        {"upper-case KML under the KMZ filter", "UP.KML", kKmzFilter, "UP.KML", false},
        {"upper-case KMZ", "Z.KmZ", {}, "Z.KmZ", true},
        {"another extension", "notes.txt", kKmzFilter, nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        const std::vector<std::string> before = FilesInFolder();
        dialogs_.messages.clear();
        Export(c.typed, c.filter);
        if (!c.written) {
            EXPECT_EQ(FilesInFolder(), before);
            EXPECT_TRUE(dialogs_.messages.empty());
            continue;
        }
        const std::string bytes = ReadFileBytes(folder_ + c.written);
        EXPECT_EQ(bytes.starts_with("PK\x03\x04"), c.archive);
        EXPECT_EQ(dialogs_.messages, std::vector<QString>{"Exported: 1 tracks, 0 depth points"});
    }
}

TEST_F(KmlExportPeersTest, EmptyMapAndAnExistingKmlBesideTheKmz) {
    ASSERT_TRUE(WriteFileAtomically(folder_ + "out.kml", "the surveyor's own file"));
    Export("out.kmz");
    EXPECT_EQ(dialogs_.messages, std::vector<QString>{"Exported: 0 tracks, 0 depth points"});
    EXPECT_EQ(ReadFileBytes(folder_ + "out.kml"), "the surveyor's own file");
    EXPECT_EQ(FilesInFolder(), (std::vector<std::string>{"out.kml", "out.kmz"}));
    const TPeerRun document =
        RunZipPeer({"read", QString::fromStdString(folder_ + "out.kmz"), "doc.kml"});
    EXPECT_EQ(Count(document.out, "\r\n"), 12) << "ten header lines and the two closing ones";
}

// Each refusal shows its message, writes no file, logs nothing and opens no folder.
TEST_F(KmlExportPeersTest, RefusalsWriteNothing) {
    Map().AddPoint(500000, 4500000, Layer(kUserShapeLayerName));
    const std::string datum =
        "Please configure datum parameters in GPS Settings before exporting to KML/KMZ.";
    const struct {
        const char* legend;
        void (*spoil)(TFGPS&);
        std::string name, message;
    } cases[] = {
        {"flattening typed as its inverse", [](TFGPS& s) { s.edIF->setText("298.257"); }, "a.kml",
         datum},
        {"empty scale factor", [](TFGPS& s) { s.edSF->setText(""); }, "b.kmz", datum},
        {"Lambert", [](TFGPS& s) { s.cbUseLCCProjection->setChecked(true); }, "c.kml",
         "KML/KMZ needs the Transverse Mercator projection; the map uses Lambert (GPS Settings)."},
        {"a folder that does not exist", [](TFGPS&) {}, "missing/d.kml", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        SetEd50Settings(w_.settings, "30");
        c.spoil(w_.settings);
        dialogs_.messages.clear();
        const std::string log = EventsLog();
        Export(c.name);
        const std::string path = folder_ + c.name;
        const std::string message = c.message.empty()
                                        ? "KML/KMZ export failed: " + path +
                                              " (cannot create the file: No such file or directory)"
                                        : c.message;
        EXPECT_EQ(dialogs_.messages, std::vector<QString>{QString::fromStdString(message)});
        EXPECT_FALSE(std::filesystem::exists(path));
        EXPECT_EQ(FilesInFolder(), std::vector<std::string>{});
        EXPECT_EQ(EventsLog(), log);
        EXPECT_TRUE(urls_.urls.empty());
    }
}

// A DXF drawing is in grid coordinates: it needs no geodetic parameters, and only a file
// really written is logged.
TEST_F(KmlExportPeersTest, DxfBranch) {
    Map().AddLine(500000, 4500000, 500010, 4500020, Layer(kUserShapeLayerName));
    w_.settings.edSMA->setText("");
    w_.settings.edCM->setText("");
    const std::string log = EventsLog();
    Export("drawing", "AutoCAD R12 DXF (*.dxf)");
    const std::string path = folder_ + "drawing.dxf";
    EXPECT_NE(ReadFileBytes(path).find("ENTITIES"), std::string::npos);
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_EQ(Count(EventsLog().substr(log.size()), "Exported DXF: " + path), 1);
    EXPECT_TRUE(urls_.urls.empty());

    const std::string folder = folder_ + "a folder.dxf";
    std::filesystem::create_directories(folder);
    const std::string before = EventsLog();
    Export("a folder.dxf");
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_TRUE(dialogs_.messages[0].startsWith(
        QString::fromStdString("DXF export failed: " + folder + " (")))
        << dialogs_.messages[0].toStdString();
    EXPECT_EQ(EventsLog(), before);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

}  // namespace
