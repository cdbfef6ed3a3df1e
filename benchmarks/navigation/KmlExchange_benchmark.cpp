// The KML reader, the KML and XYZ imports and the KML export against their fair baselines, all
// in one run:
//
//   - the reader on a document like our export (200,000 placemarks, a quarter of them line
//     strings of 10 vertices, the rest points) against GDAL's ogrinfo on the same file as a
//     child process, with its LIBKML and its KML driver; and on a tenth of it, for the growth;
//   - the whole KML import (read, project, add to the map) against the reader plus a bare loop
//     of the same GeodeticToGrid calls;
//   - the XYZ import of 1,000,000 lines against a bare fgets/strtod loop adding the same point
//     and label;
//   - the KML export of 100,000 track segments and 10,000 depth labels against a bare loop of
//     the same GridToGeodetic calls.
//
// Prints Google Benchmark's table, then each ratio with its goal.

#include "benchmarks/canvas/MedianReporter.h"
#include "canvas/CanvasModel.h"
#include "canvas/MapLayerNames.h"
#include "geodesy/GeodesyText.h"
#include "geodesy/TMText.h"
#include "navigation/KmlDocument.h"
#include "navigation/KmlExport.h"
#include "navigation/KmlReader.h"
#include "navigation/MapImport.h"
#include "navigation/Wgs84Conversions.h"
#include "platform/AtomicFile.h"
#include "platform/NumberFormat.h"
#include "platform/TextFile.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr int kPlacemarks = 200000;
constexpr int kLineVertices = 10;
constexpr int kXyzLines = 1000000;
constexpr int kTrackSegments = 100000;
constexpr int kSoundings = 10000;

TGeodeticTexts Ed50Zone30() {
    TGeodeticTexts t;
    t.semiMajorAxis = "6378388";
    t.flattening = "0.0033670033670034";
    t.scalePpm = "-1.5";
    t.rotationX = "0.8";
    t.rotationY = "0.3";
    t.rotationZ = "-0.6";
    t.shiftX = "-84.003";
    t.shiftY = "-102.315";
    t.shiftZ = "-129.879";
    t.tmCentralMeridian = "30";
    t.tmReferenceLatitude = "0";
    t.tmScaleFactor = "1";
    t.tmFalseEasting = "500000";
    t.tmFalseNorthing = "0";
    return t;
}

// Positions spread over a survey area at 29.5-30.5 E, 40-41 N.
TLonLat Position(int i) {
    return {29.5 + (i % 1000) * 0.001, 40 + (i / 1000 % 1000) * 0.001 + (i % 7) * 1e-5};
}

std::string SurveyDocument(int placemarks) {
    std::string bytes;
    TKmlDocument document("survey.kml", [&bytes](std::string_view piece) {
        bytes += piece;
        return true;
    });
    std::array<TLonLat, kLineVertices> vertices;
    for (int i = 0; i < placemarks; ++i) {
        const TLonLat at = Position(i);
        if (i % 4 != 3) {
            document.AddPoint("Point_" + std::to_string(i), "#pointStyle", at);
            continue;
        }
        for (int k = 0; k < kLineVertices; ++k) {
            vertices[k] = {at.longitude + k * 1e-4, at.latitude + k * 5e-5};
        }
        document.AddPolyline("Track_" + std::to_string(i), "#trackFix", vertices);
    }
    document.Finish();
    return bytes;
}

struct TFixture {
    QTemporaryDir folder;
    std::string large, small, xyz;            // paths
    std::vector<TKMLCoordinate> coordinates;  // of the large document, for the bare loop
    TGeodesyParameterTexts forward = GeodesyParameterTexts(Ed50Zone30());
    TGeodesyParameterTexts back = LocalFirstParameterTexts(Ed50Zone30());
    std::unique_ptr<TCanvasModel> exportMap = std::make_unique<TCanvasModel>();
    std::vector<TWorldPoint> exportPositions;  // every position the export converts
    double documentMb = 0;

    TFixture();
};

TFixture::TFixture() {
    const std::string root = folder.path().toStdString() + "/";
    large = root + "survey.kml";
    small = root + "survey-tenth.kml";
    xyz = root + "soundings.xyz";
    const std::string document = SurveyDocument(kPlacemarks);
    documentMb = document.size() / 1e6;
    WriteFileAtomically(large, document);
    WriteFileAtomically(small, SurveyDocument(kPlacemarks / 10));
    TKMLReader reader;
    reader.Load(large);
    for (const TKMLPlacemark& placemark : reader.Placemarks()) {
        for (const TKMLGeometry& geometry : placemark.geometries) {
            coordinates.insert(coordinates.end(), geometry.coordinates.begin(),
                               geometry.coordinates.end());
        }
    }
    std::string lines;
    for (int i = 0; i < kXyzLines; ++i) {
        lines += FormatFixed(500000 + (i % 1000) * 1.25, 2) + " " +
                 FormatFixed(4500000 + (i / 1000) * 1.5, 2) + " " +
                 FormatFixed(5 + (i % 97) * 0.137, 3) + "\r\n";
    }
    WriteFileAtomically(xyz, lines);
    const int fix = exportMap->AddLayer(kFixedTrackLayerName);
    for (int i = 0; i < kTrackSegments; ++i) {
        const double e = 500000 + (i % 1000) * 2.0, n = 4500000 + (i / 1000) * 3.0;
        exportMap->AddLine(e, n, e + 2, n + 0.5, fix);
        exportPositions.push_back({e, n});
        exportPositions.push_back({e + 2, n + 0.5});
    }
    exportMap->SoundingMinSpacing = 0;
    for (int i = 0; i < kSoundings; ++i) {
        const double e = 501000 + (i % 100) * 10.0, n = 4501000 + (i / 100) * 10.0;
        exportMap->AddSounding(e, n, 7.5 + i * 0.001);
        exportPositions.push_back({e, n});
    }
}

const TFixture& Fixture() {
    static const TFixture fixture;
    return fixture;
}

void Reader(benchmark::State& state, const std::string* path) {
    for (auto _ : state) {
        TKMLReader reader;
        benchmark::DoNotOptimize(reader.Load(*path));
    }
}

void Ogrinfo(benchmark::State& state, bool kmlDriver) {
    QStringList arguments{"-ro", "-al", "-so", QString::fromStdString(Fixture().large)};
    if (kmlDriver) arguments = QStringList{"--config", "GDAL_SKIP", "LIBKML"} + arguments;
    for (auto _ : state) {
        QProcess process;
        process.start("ogrinfo", arguments);
        if (!process.waitForFinished(600000) || process.exitCode() != 0) {
            state.SkipWithError("ogrinfo failed");
        }
    }
}

void Import(benchmark::State& state) {
    TGeodesyParameterTexts texts = Fixture().forward;
    for (auto _ : state) {
        state.PauseTiming();
        auto map = std::make_unique<TCanvasModel>();
        state.ResumeTiming();
        TKMLReader reader;
        reader.ProjectCallback = Wgs84ToGridCallback;
        reader.ProjectContext = &texts;
        reader.Load(Fixture().large);
        reader.ProjectAll();
        const TKmlImport import = KmlImportOf(reader);
        AddKmlImport(*map, ReplaceImportLayer(*map, "survey"), import);
        state.PauseTiming();
        map.reset();
        state.ResumeTiming();
    }
}

void BareGeodeticToGrid(benchmark::State& state) {
    const TGeodesyParameterTexts& t = Fixture().forward;
    std::array<double, 2> grid{};
    for (auto _ : state) {
        for (const TKMLCoordinate& c : Fixture().coordinates) {
            const std::string position = FloatToStr(c.lat) + " " + FloatToStr(c.lon);
            GeodesyText::ReadNumbers(
                GeodeticToGrid(position, t.datum, t.transverseMercator, t.ellipsoids), grid);
            benchmark::DoNotOptimize(grid);
        }
    }
}

void XyzImport(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto map = std::make_unique<TCanvasModel>();
        state.ResumeTiming();
        std::vector<TXyzPoint> points;
        ReadXyzPoints(Fixture().xyz, points);
        AddXyzImport(*map, ReplaceImportLayer(*map, "soundings"), points);
        state.PauseTiming();
        map.reset();
        state.ResumeTiming();
    }
}

// What a competent loop does for the same shapes: fgets, strtod, and the same canvas calls.
void BareXyz(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto map = std::make_unique<TCanvasModel>();
        state.ResumeTiming();
        const int layer = map->AddLayer("soundings");
        std::FILE* file = std::fopen(Fixture().xyz.c_str(), "rb");
        char line[1024];
        while (std::fgets(line, sizeof line, file)) {
            char* end = line;
            const double x = std::strtod(end, &end), y = std::strtod(end, &end),
                         z = std::strtod(end, &end);
            const int id = map->AddPoint(x, y, layer);
            map->SetPointRadius(id, 1);
            map->SetShapeLineWidth(id, 1);
            const int label = map->AddText(layer, QString::number(z, 'f', 2), x, y, 0);
            map->SetTextHAlign(label, 1);
            map->SetTextVAlign(label, 1);
        }
        std::fclose(file);
        state.PauseTiming();
        map.reset();
        state.ResumeTiming();
    }
}

void Export(benchmark::State& state) {
    const std::string path = Fixture().folder.path().toStdString() + "/export.kml";
    const TGeodesyParameterTexts& texts = Fixture().back;
    for (auto _ : state) {
        TAtomicFile file(path);
        const TKmlExport kml = BuildKmlExport(
            *Fixture().exportMap, 0, 0, "export.kml",
            [&texts](double easting, double northing, TLonLat& at) {
                return GridToWgs84(texts, easting, northing, at.latitude, at.longitude);
            },
            [&file](std::string_view piece) { return file.Write(piece); });
        benchmark::DoNotOptimize(kml.written && file.Commit());
    }
}

// The document alone, its pieces dropped.
void ExportDocument(benchmark::State& state) {
    const TGeodesyParameterTexts& texts = Fixture().back;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildKmlExport(
            *Fixture().exportMap, 0, 0, "export.kml",
            [&texts](double easting, double northing, TLonLat& at) {
                return GridToWgs84(texts, easting, northing, at.latitude, at.longitude);
            },
            [](std::string_view) { return true; }));
    }
}

void BareGridToGeodetic(benchmark::State& state) {
    const TGeodesyParameterTexts& t = Fixture().back;
    std::array<double, 2> latLon{};
    for (auto _ : state) {
        for (const TWorldPoint& p : Fixture().exportPositions) {
            const std::string grid = FloatToStr(p.X) + " " + FloatToStr(p.Y);
            GeodesyText::ReadNumbers(
                GridToGeodetic(grid, t.datum, t.transverseMercator, t.ellipsoids), latLon);
            benchmark::DoNotOptimize(latLon);
        }
    }
}

void Register(const char* name, void (*run)(benchmark::State&), int repetitions = 3) {
    benchmark::RegisterBenchmark(name, run)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(1)
        ->Repetitions(repetitions);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    std::printf("preparing: a %.1f MB document, %d XYZ lines, %d segments\n", Fixture().documentMb,
                kXyzLines, kTrackSegments);
    for (const auto& [name, path] :
         {std::pair{"reader/200k", &Fixture().large}, std::pair{"reader/20k", &Fixture().small}}) {
        benchmark::RegisterBenchmark(name, Reader, path)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(1)
            ->Repetitions(5);
    }
    benchmark::RegisterBenchmark("ogrinfo_libkml/200k", Ogrinfo, false)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(1)
        ->Repetitions(3);
    benchmark::RegisterBenchmark("ogrinfo_kml/200k", Ogrinfo, true)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(1)
        ->Repetitions(3);
    Register("import/200k", Import);
    Register("bare_geodetic_to_grid/200k", BareGeodeticToGrid);
    Register("xyz_import/1M", XyzImport);
    Register("bare_xyz/1M", BareXyz);
    Register("kml_export/100k", Export);
    Register("kml_document/100k", ExportDocument);
    Register("bare_grid_to_geodetic/100k", BareGridToGeodetic);
    benchmark::Initialize(&argc, argv);
    TMedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    reporter.PrintRatio("reader vs ogrinfo LIBKML", "reader/200k", "ogrinfo_libkml/200k", "<= 0.5");
    reporter.PrintRatio("reader vs ogrinfo KML driver", "reader/200k", "ogrinfo_kml/200k", "none");
    reporter.PrintRatio("reader, ten times the file", "reader/200k", "reader/20k", "<= 12");
    auto& ms = reporter.medianMs;
    if (ms.count("import/200k") && ms.count("reader/200k") &&
        ms.count("bare_geodetic_to_grid/200k")) {
        const double allowed = ms["reader/200k"] + 1.2 * ms["bare_geodetic_to_grid/200k"];
        std::printf("%-36s %10.3f ms  vs %10.3f ms  ratio %.2f  (goal <= 1, reader + 1.2 x bare)\n",
                    "import vs reader + 1.2 x bare", ms["import/200k"], allowed,
                    ms["import/200k"] / allowed);
    }
    reporter.PrintRatio("XYZ import vs bare loop", "xyz_import/1M", "bare_xyz/1M", "<= 1.5");
    reporter.PrintRatio("KML export vs bare GridToGeodetic", "kml_export/100k",
                        "bare_grid_to_geodetic/100k", "<= 1.3");
    reporter.PrintRatio("KML document (no file) vs bare", "kml_document/100k",
                        "bare_grid_to_geodetic/100k", "none");
    return 0;
}
