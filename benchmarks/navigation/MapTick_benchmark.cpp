// One map tick and the frame it causes (projection, vessel redraw with follow, a track point,
// a depth label, and the map widget painted into a 1600 x 1000 image as it paints itself), with
// a day's track of 300,000 points over a 10 km x 6 km survey block against the same tick on an
// empty map. The view is survey scale (1000 m x 625 m, about 1 % of the block); the vessel runs
// along a survey line inside the block and every tick draws a track point.
//
// The tick alone (no frame) is timed the same way, to show that nothing in it grows with the
// track. Prints Google Benchmark's table, then ms per tick and the ratios.

#include "app/UMsg.h"
#include "benchmarks/canvas/MedianReporter.h"
#include "benchmarks/navigation/BenchmarkRoots.h"
#include "benchmarks/navigation/SurveyTrack.h"
#include "canvas/DisplaySettings.h"
#include "canvas/OrvaltCanvas.h"
#include "navigation/Latency.h"
#include "navigation/NavigationState.h"
#include "navigation/RealtimeData.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "tools/UGPS.h"
#include "tools/UShape.h"
#include "tools/unavset.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <clocale>
#include <memory>
#include <string>

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;
// The block's south-west corner in the zone below (central meridian 30, false easting 500000).
constexpr double kBlockEast = 495000;
constexpr double kBlockNorth = 4425000;
constexpr double kLatitude = 39.96;  // the vessel's run, inside the block
constexpr double kLongitude = 30.0;
constexpr double kDegreesPer25Metres = 25.0 / 111000;

// The settings windows the tick reads, as the program holds them.
struct TWindows {
    TWindows() {
        FGPS = &settings;
        Navset = &navset;
        FShape = &shape;
        fRealtime = &realtime;
        FMsg = &messages;
        const std::pair<QLineEdit*, const char*> texts[] = {
            {settings.edSMA, "6378137"}, {settings.edIF, "0.0033528106647474"},
            {settings.edPPM, "0"},       {settings.edRX, "0"},
            {settings.edRY, "0"},        {settings.edRZ, "0"},
            {settings.edSX, "0"},        {settings.edSY, "0"},
            {settings.edSZ, "0"},        {settings.edCM, "30"},
            {settings.edRL, "0"},        {settings.edSF, "1"},
            {settings.edFE, "500000"},   {settings.edFN, "0"},
            {shape.edAmount, "2"},       {shape.edInterval, "10"},
            {shape.edRadious, "10"},     {shape.edBArrow, "100"},
            {shape.edLArrow, "10"},      {navset.TrackDistance, "20"}};
        for (const auto& [edit, text] : texts) edit->setText(text);
        settings.cbUseLCCProjection->setChecked(false);
        settings.SensorEnabled->setChecked(true);
        settings.GyroEnabled->setChecked(true);
        navset.cLineOrDot->setChecked(false);
        ShowDepthLabels = true;
        DepthLabelSpacing = 10;
        SoundingDepth = 23.4;
        SpeedKnots = 9.7;
        settings.StoreRunSettings();  // a start stores them, and its projection reads them
    }
    TFGPS settings;
    TNavset navset;
    TFShape shape;
    TfRealtime realtime;
    TFMsg messages;
};

std::unique_ptr<TFNav> Map(bool withTrack) {
    auto window = std::make_unique<TFNav>();
    window->LoadRunGeodesy();
    TOrvaltCanvas& map = *window->fcad;
    TFNav::CreateStandardLayers(&map);
    map.ResizeClient(kWidth, kHeight);
    map.SetView(0, 625, 1000, 0);
    if (withTrack) AddDayTrack(map, kBlockEast, kBlockNorth);
    return window;
}

void Tick(benchmark::State& state, bool withTrack, bool withFrame) {
    const std::unique_ptr<TFNav> window = Map(withTrack);
    FNav = window.get();
    QImage frame(kWidth, kHeight, QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        CurrentLatitude = kLatitude + kDegreesPer25Metres * (step++ % 4000);
        CurrentLongitude = kLongitude;
        GyroHeading = 0;
        // A sounding recorded where the last tick put the vessel.
        PendingDepthLabel = TDepthLabel{CurrentEasting, CurrentNorthing, SoundingDepth};
        window->tMapTimer();
        if (!withFrame) continue;
        // The widget's own paint: the picture brought up to date, then the live layer and
        // the overlays.
        window->fcad->render(&frame);
    }
    state.counters["shapes"] = window->fcad->ShapeCount();
    FNav = nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir roots;
    UseBenchmarkRoots(roots);
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    InitDayFolderGlobals();
    TWindows windows;
    for (const bool frame : {true, false}) {
        const std::string kind = frame ? "tick_and_frame/" : "tick_alone/";
        for (const bool track : {false, true}) {
            benchmark::RegisterBenchmark((kind + (track ? "day_track" : "empty_map")).c_str(), Tick,
                                         track, frame)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::Initialize(&argc, argv);
    TMedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    reporter.PrintRatio("Tick and frame, 300,000 track points", "tick_and_frame/day_track",
                        "tick_and_frame/empty_map", "<= 1.5");
    reporter.PrintRatio("Tick alone, 300,000 track points", "tick_alone/day_track",
                        "tick_alone/empty_map", "about 1");
    return 0;
}
