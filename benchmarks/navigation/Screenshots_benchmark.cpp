// The screenshot tick's cost on the user-interface thread and on its worker. The canvas
// renderer draws 100,000 shapes into a 1920 x 1080 and a 3840 x 2160 picture; the capture seam
// hands them over as three monitors of the first size and one of the second.
//
// - tick/ui_share: what the user-interface thread spends on one tick (folder, names, capture,
//   hand-over), the worker idle at its start; the batch is written, untimed, before the next.
// - worker/<size>: the worker's job for one picture (24-bit conversion, level-9 PNG, temporary
//   file, flush and rename) against one QImageWriter save of the same picture at the strongest
//   level, the fair hand-written baseline; the two take turns in every iteration.
// - grab/platform: QScreen::grabWindow(0) of every screen of the platform it runs on (offscreen,
//   or X11 under xvfb-run), the part of a real tick that the seam stands in for.
//
// Prints Google Benchmark's table, then the figures, the ratios and the goals.

#include "benchmarks/canvas/MedianReporter.h"
#include "canvas/CanvasModel.h"
#include "canvas/MapPicture.h"
#include "canvas/QPainterSurface.h"
#include "navigation/Screenshots.h"
#include "platform/DataFolders.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kShapes = 100000;
// The world the shapes are spread over, metres; both pictures show all of it.
constexpr double kWorldWidth = 4000;
constexpr double kWorldHeight = 2250;

std::unique_ptr<TCanvasModel> SurveyMap() {
    auto model = std::make_unique<TCanvasModel>();
    const TColor colours[] = {0x800000, 0x0000C0, 0x008000, 0x404040};
    int layers[4];
    for (int i = 0; i < 4; ++i) {
        layers[i] = model->AddLayer(QString("layer %1").arg(i));
        model->SetLayerColor(layers[i], colours[i]);
    }
    std::mt19937 random(122);
    std::uniform_real_distribution<double> x(0, kWorldWidth), y(0, kWorldHeight), size(1, 25);
    for (int i = 0; i < kShapes; ++i) {
        const double x1 = x(random), y1 = y(random), s = size(random);
        const int layer = layers[i % 4];
        switch (i % 5) {
            case 0:
                model->AddPoint(x1, y1, layer);
                break;
            case 1:
            case 2:
                model->AddLine(x1, y1, x1 + s, y1 + size(random), layer);
                break;
            case 3:
                model->AddRectangle(x1, y1, x1 + s, y1 + s / 2, layer);
                break;
            default:
                model->AddText(layer, QString::number(s, 'f', 1), x1, y1, 0);
        }
    }
    return model;
}

QImage Rendered(TCanvasModel& model, int width, int height) {
    model.ResizeClient(width, height);
    model.SetView(0, kWorldHeight, kWorldWidth, 0);
    QImage picture(width, height, QImage::Format_RGB32);
    TMapPicture map;
    map.Update(model);
    QPainter painter(&picture);
    map.Draw(painter);
    return picture;
}

struct TPictures {
    QImage hd, uhd;
};

TPictures& Pictures() {
    static TPictures pictures = [] {
        const auto model = SurveyMap();
        return TPictures{Rendered(*model, 1920, 1080), Rendered(*model, 3840, 2160)};
    }();
    return pictures;
}

class TSeamCapture final : public TScreenCapture {
public:
    std::vector<QRect> Screens() override {
        return {{0, 0, 1920, 1080},
                {1920, 0, 1920, 1080},
                {3840, 0, 1920, 1080},
                {0, 1080, 3840, 2160}};
    }
    QImage Grab(int index) override { return index < 3 ? Pictures().hd : Pictures().uhd; }
};

const std::string& Folder() {
    static QTemporaryDir folder;
    static const std::string path = folder.path().toStdString() + "/";
    return path;
}

void TickUiShare(benchmark::State& state) {
    TScreenshots shots(std::make_unique<TSeamCapture>(), EncodeStrongestPng,
                       [](const QString& text) { std::printf("%s\n", qPrintable(text)); });
    for (auto _ : state) {
        shots.Tick();
        state.PauseTiming();
        while (shots.Writing()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        state.ResumeTiming();
    }
}

// Wall-clock and this thread's processor time of one write, ms; the processor time is what a
// shared machine's load leaves alone.
struct TCost {
    double wallMs = 0, cpuMs = 0;
};

double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

TCost Cost(const std::function<bool()>& write, benchmark::State& state) {
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = ThreadCpuMs();
    if (!write()) state.SkipWithError("a picture was not written");
    return {
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count(),
        ThreadCpuMs() - cpuStart};
}

double MedianOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct TWorkerFigures {
    TCost ours, bare;  // medians
};

std::map<std::string, TWorkerFigures>& WorkerFigures() {
    static std::map<std::string, TWorkerFigures> figures;
    return figures;
}

// Ours and the bare save take turns within each iteration, which of them first alternating, so
// that the load of a shared machine falls on both alike.
void WorkerAgainstBare(benchmark::State& state, const char* name, const QImage* picture) {
    const TScreenshotJob job{Folder() + "ours.png", *picture};
    const QString barePath = QString::fromStdString(Folder() + "bare.png");
    const std::function<bool()> ours = [&] {
        return WriteScreenshot(job, EncodeStrongestPng).empty();
    };
    const std::function<bool()> bare = [&] {
        QImageWriter writer(barePath, "png");
        writer.setQuality(0);
        return writer.write(*picture);
    };
    std::vector<double> oursWall, oursCpu, bareWall, bareCpu;
    for (auto _ : state) {
        const bool oursFirst = oursWall.size() % 2 == 0;
        const TCost first = Cost(oursFirst ? ours : bare, state);
        const TCost second = Cost(oursFirst ? bare : ours, state);
        const TCost& o = oursFirst ? first : second;
        const TCost& b = oursFirst ? second : first;
        oursWall.push_back(o.wallMs);
        oursCpu.push_back(o.cpuMs);
        bareWall.push_back(b.wallMs);
        bareCpu.push_back(b.cpuMs);
        state.SetIterationTime(o.wallMs / 1000);
    }
    WorkerFigures()[name] = {{MedianOf(oursWall), MedianOf(oursCpu)},
                             {MedianOf(bareWall), MedianOf(bareCpu)}};
}

void GrabPlatform(benchmark::State& state) {
    TPlatformScreenCapture capture;
    for (auto _ : state) {
        const int screens = static_cast<int>(capture.Screens().size());
        for (int i = 0; i < screens; ++i) benchmark::DoNotOptimize(capture.Grab(i));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::setenv("QUELLBAY_SMK_ROOT", Folder().c_str(), 1);
    InitDayFolderGlobals();
    const TPictures& pictures = Pictures();
    benchmark::RegisterBenchmark("tick/ui_share", TickUiShare)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    for (const auto& [name, picture] :
         {std::pair{"1920x1080", &pictures.hd}, std::pair{"3840x2160", &pictures.uhd}}) {
        benchmark::RegisterBenchmark((std::string("worker/") + name).c_str(), WorkerAgainstBare,
                                     name, picture)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(5);
    }
    benchmark::RegisterBenchmark("grab/platform", GrabPlatform)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    TMedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nplatform %s, %d screen(s)\n", qPrintable(QGuiApplication::platformName()),
                static_cast<int>(QGuiApplication::screens().size()));
    if (reporter.medianMs.count("tick/ui_share")) {
        std::printf("%-36s %10.3f ms  (goal <= 50 ms)\n", "tick, user-interface thread, 4 monitors",
                    reporter.medianMs["tick/ui_share"]);
    }
    for (const auto& [name, f] : WorkerFigures()) {
        std::printf(
            "worker per picture, %s: wall %.1f ms vs %.1f ms, ratio %.2f; processor %.1f ms "
            "vs %.1f ms, ratio %.2f (goal <= 1.1)\n",
            name.c_str(), f.ours.wallMs, f.bare.wallMs, f.ours.wallMs / f.bare.wallMs, f.ours.cpuMs,
            f.bare.cpuMs, f.ours.cpuMs / f.bare.cpuMs);
    }
    if (reporter.medianMs.count("grab/platform")) {
        std::printf("%-36s %10.3f ms\n", "platform grab, every screen",
                    reporter.medianMs["grab/platform"]);
    }
    return 0;
}
