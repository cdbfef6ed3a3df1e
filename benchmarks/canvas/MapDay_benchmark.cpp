// The map through a survey day, painted as the widget paints it (the picture brought up to
// date, then the live layer and the overlays) on 1900 x 980 pixels.
//
// The day: 108,000 track lines of 1.6 m along survey lines of 200 m, 10 m apart (12 hours at
// 4 m/s, in 8 blocks of 108 lines), a depth label every 10 m (the store keeps the newest
// 10,000), and the vessel on its live layer.
//
// 1. The whole day in view (after Extents): a tick (pan 0.8 m, vessel redrawn, every second
//    tick a track line and now and then a label added, paint) and a paint without a view change,
//    each against the same on an empty map, and the picture drawn afresh (what every tick cost
//    before it was kept).
// 2. A simulated day at survey scale with Follow Vessel: the user-interface thread's map work
//    (5 ticks a second, the 20 sounder lines a second add nothing to it now) over one minute at
//    the start and one minute after every further hour, the day laid up to there in between.

#include "benchmarks/canvas/MedianReporter.h"
#include "canvas/MapOverlays.h"
#include "canvas/MapPicture.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

constexpr int kWidth = 1900;
constexpr int kHeight = 980;
constexpr double kStep = 1.6;        // m between track points
constexpr double kLineLength = 200;  // m
constexpr double kLineSpacing = 10;  // m
constexpr int kLinesPerBlock = 108;
constexpr int kStepsPerLine = 125;  // 200 m / 1.6 m
constexpr int kDayLines = 864;      // 8 blocks: 108,000 track lines
constexpr double kBlockGap = 20;    // m between blocks
constexpr double kSpeed = 4;        // m/s
constexpr int kTicksPerSecond = 5;

// The map of a survey: a track layer, the vessel's live layer, and where the vessel is.
class TSurveyDay {
public:
    TSurveyDay() {
        model.ResizeClient(kWidth, kHeight);
        model.SetView(0, kHeight, kWidth, 0);
        model.SetSoundingStyle(true, 10, "Arial", 12, 0x000000);
        track_ = model.AddLayer("track");
        vessel_ = model.AddLayer("vessel");
        model.SetLayerColor(track_, 0x0000C0);
        model.LiveLayer = vessel_;
        model.ReserveShapes(kDayLines * kStepsPerLine + 1000);
    }

    // One step of 1.6 m along the current line: a track line, and a label every 10 m.
    void Step() {
        const int line = steps_ / kStepsPerLine, along = steps_ % kStepsPerLine;
        const double blockX = (line / kLinesPerBlock) * (kLineLength + kBlockGap);
        const double y = (line % kLinesPerBlock) * kLineSpacing;
        // Lines run east and west in turn.
        const double x0 = line % 2 ? kLineLength - along * kStep : along * kStep;
        const double x1 = line % 2 ? x0 - kStep : x0 + kStep;
        model.AddLine(blockX + x0, y, blockX + x1, y, track_);
        x_ = blockX + x1;
        y_ = y;
        metresSinceLabel_ += kStep;
        if (metresSinceLabel_ >= kLineSpacing) {
            metresSinceLabel_ = 0;
            model.AddSounding(x_, y_, 20 + (steps_ % 97) / 10.0);
        }
        ++steps_;
    }

    void DrawVessel() {
        model.DeleteLayerShapes(vessel_);
        model.AddLine(x_, y_ - 6, x_ + 2, y_ + 4, vessel_);
        model.AddLine(x_ + 2, y_ + 4, x_ - 2, y_ + 4, vessel_);
        model.AddCircle(x_, y_, 10, vessel_);
    }

    void Follow() {
        model.Pan(x_ - (model.ViewLeft + model.ViewRight) / 2,
                  y_ - (model.ViewTop + model.ViewBottom) / 2);
    }

    // The paint the widget does.
    void Paint() {
        picture_.Update(model);
        model.Dirty = false;
        QPainter painter(&frame_);
        PaintMapFrame(model, picture_, painter);
    }

    int Steps() const { return steps_; }

    TCanvasModel model;

private:
    TMapPicture picture_;
    QImage frame_{kWidth, kHeight, QImage::Format_RGB32};
    int track_ = 0, vessel_ = 0, steps_ = 0;
    double x_ = 0, y_ = 0, metresSinceLabel_ = 0;
};

TSurveyDay& Day(bool full) {
    static TSurveyDay empty, day;
    static const bool laid = [] {
        for (int i = 0; i < kDayLines * kStepsPerLine; ++i) day.Step();
        return true;
    }();
    TSurveyDay& d = full && laid ? day : empty;
    d.model.ZoomExtents();
    d.DrawVessel();
    d.Paint();
    return d;
}

void Tick(benchmark::State& state, bool full) {
    TSurveyDay& d = Day(full);
    double sign = 1;
    for (auto _ : state) {
        sign = -sign;  // back and forth, so that the view stays on the day
        d.model.Pan(0.8 * sign, 0.3 * sign);
        if (sign > 0) d.Step();  // a track line every second tick, as at 4 m/s
        d.DrawVessel();
        d.Paint();
    }
    state.counters["shapes"] = static_cast<double>(d.model.ShapeCount());
    state.counters["labels"] = static_cast<double>(d.model.GetSoundings().size());
}

void PaintOnly(benchmark::State& state, bool full) {
    TSurveyDay& d = Day(full);
    for (auto _ : state) d.Paint();
}

// What every paint cost when the picture was not kept: drawn afresh.
void Afresh(benchmark::State& state) {
    TSurveyDay& d = Day(true);
    QImage frame(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        TMapPicture picture;
        picture.Update(d.model);
        QPainter painter(&frame);
        PaintMapFrame(d.model, picture, painter);
    }
}

// Seconds of map work per second of survey over one minute from where the day stands.
double MinuteShare(TSurveyDay& d) {
    using Clock = std::chrono::steady_clock;
    // Ticks of 200 ms at 4 m/s: 0.8 m each, a track step every second tick.
    double metres = 0;
    const auto start = Clock::now();
    for (int tick = 0; tick < 60 * kTicksPerSecond; ++tick) {
        metres += kSpeed / kTicksPerSecond;
        if (metres >= kStep) {
            metres -= kStep;
            d.Step();
        }
        d.DrawVessel();
        d.Follow();
        d.Paint();
    }
    return std::chrono::duration<double>(Clock::now() - start).count() / 60;
}

void SimulatedDay() {
    TSurveyDay d;
    // Survey scale: 400 m across.
    d.model.SetView(-200, 103, 200, -103);
    const int stepsPerHour = static_cast<int>(3600 * kSpeed / kStep);
    std::printf("\nSimulated day at survey scale, Follow Vessel, 5 ticks a second:\n");
    std::printf("%6s %10s %8s %22s %8s\n", "hour", "track", "labels", "map work (ms/s)", "ratio");
    double first = 0, worst = 0;
    for (int hour = 0; hour <= 12; ++hour) {
        while (d.Steps() < hour * stepsPerHour) d.Step();
        d.Follow();
        d.Paint();  // the picture after the jump, not counted
        const double share = MinuteShare(d);
        if (hour == 0) first = share;
        worst = std::max(worst, share / first);
        std::printf("%6d %10d %8zu %22.2f %8.2f\n", hour, d.Steps(), d.model.GetSoundings().size(),
                    share * 1000, share / first);
    }
    std::printf("Worst minute against the first: %.2f (goal <= 1.5)\n", worst);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    for (const bool full : {false, true}) {
        const char* map = full ? "whole_day" : "empty_map";
        benchmark::RegisterBenchmark((std::string("tick/") + map).c_str(), Tick, full)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("paint/") + map).c_str(), PaintOnly, full)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("afresh/whole_day", Afresh)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    TMedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    reporter.PrintRatio("Tick, whole day in view", "tick/whole_day", "tick/empty_map", "<= 5 ms");
    reporter.PrintRatio("Paint, whole day in view", "paint/whole_day", "paint/empty_map",
                        "<= 2 ms");
    reporter.PrintRatio("Tick, against drawn afresh", "tick/whole_day", "afresh/whole_day",
                        "well below 1");
    SimulatedDay();
    return 0;
}
