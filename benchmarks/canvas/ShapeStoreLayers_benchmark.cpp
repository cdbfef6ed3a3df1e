// The shape store's per-layer work in the map tick, on drawings like a day's survey of 100,000
// and 1,000,000 shapes against the same work on an empty drawing (the standard layers and the
// vessel alone):
//   delete  DeleteLayerShapes of the vessel layer's 13 shapes, which lie on top as they do
//           between ticks; the vessel is drawn again after each run, outside the timing;
//   find    FindLayerByName of "track_nofix" among the standard layers.
// Neither may grow with the drawing: goal 1.5 times the empty drawing at most. A plain walk
// over the drawing for the vessel layer's shapes, the cost of a delete without the index, is
// printed beside them.
//
// Prints Google Benchmark's table, then the figures against the goals.

#include "canvas/CanvasModel.h"
#include "tests/canvas/SurveyDrawing.h"

#include "benchmarks/canvas/MedianReporter.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

const QString kVesselLayer = "~~Orvalt Vessel";

// Hull, bow line, rings and antenna marks: 13 shapes about the vessel's position.
void DrawVessel(TCanvasModel& model, int layer) {
    const double x = 500000, y = 4100000;
    model.AddPolyline(
        {{x - 3, y - 10}, {x + 3, y - 10}, {x + 3, y + 6}, {x, y + 10}, {x - 3, y + 6}}, layer,
        true);
    for (int i = 0; i < 4; ++i) model.AddLine(x, y, x + i, y + 50, layer);
    for (int i = 1; i <= 4; ++i) model.AddCircle(x, y, 25.0 * i, layer);
    for (int i = 0; i < 4; ++i) model.AddPoint(x + i, y - i, layer);
}

struct TScene {
    std::unique_ptr<TCanvasModel> Model = std::make_unique<TCanvasModel>();
    int Vessel = -1;
};

// A survey drawing whose vessel layer holds the 13 vessel shapes alone, on top.
TScene BuildScene(int shapes) {
    TScene scene;
    BuildSurveyDrawing(*scene.Model, shapes, 1);
    scene.Vessel = scene.Model->FindLayerByName(kVesselLayer);
    scene.Model->DeleteLayerShapes(scene.Vessel);
    DrawVessel(*scene.Model, scene.Vessel);
    return scene;
}

TScene& SceneOf(int shapes) {
    static TScene empty = BuildScene(0);
    static TScene small = BuildScene(100000);
    static TScene large = BuildScene(1000000);
    return shapes == 0 ? empty : shapes == 100000 ? small : large;
}

void DeleteVessel(benchmark::State& state, int shapes) {
    TScene& scene = SceneOf(shapes);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        scene.Model->DeleteLayerShapes(scene.Vessel);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        DrawVessel(*scene.Model, scene.Vessel);
    }
    state.counters["shapes"] = scene.Model->ShapeCount();
}

void FindLayer(benchmark::State& state, int shapes) {
    const TScene& scene = SceneOf(shapes);
    const QString name = "track_nofix";
    for (auto _ : state) benchmark::DoNotOptimize(scene.Model->FindLayerByName(name));
}

void ScanForVessel(benchmark::State& state, int shapes) {
    const TScene& scene = SceneOf(shapes);
    for (auto _ : state) {
        int found = 0;
        for (const auto& shape : scene.Model->Shapes()) found += shape->LayerId == scene.Vessel;
        benchmark::DoNotOptimize(found);
    }
}

void Register(const char* step, void (*run)(benchmark::State&, int), int shapes) {
    const std::string name = std::string(step) + "/" + std::to_string(shapes);
    auto* benchmark = benchmark::RegisterBenchmark(name.c_str(), run, shapes)
                          ->Unit(benchmark::kMicrosecond)
                          ->Repetitions(10)
                          ->ReportAggregatesOnly(true);
    if (run == DeleteVessel) benchmark->UseManualTime();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    for (int shapes : {0, 100000, 1000000}) {
        Register("delete", DeleteVessel, shapes);
        Register("find", FindLayer, shapes);
    }
    Register("scan", ScanForVessel, 1000000);
    TMedianReporter reporter;
    RunInterleavedInMicroseconds(argc, argv, reporter);
    std::printf("\nEach step on a survey drawing against the empty drawing (goal <= 1.5):\n");
    for (const char* step : {"delete", "find"}) {
        for (const char* shapes : {"100000", "1000000"}) {
            reporter.PrintRatio((std::string(step) + ", " + shapes + " shapes").c_str(),
                                std::string(step) + "/" + shapes, std::string(step) + "/0",
                                "<= 1.5");
        }
    }
    std::printf("\nThe delete against a plain walk over 1,000,000 shapes for the vessel layer:\n");
    reporter.PrintRatio("delete / walk, 1000000 shapes", "delete/1000000", "scan/1000000",
                        "far below 1");
    return 0;
}
