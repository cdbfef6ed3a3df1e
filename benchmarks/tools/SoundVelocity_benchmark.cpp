// A CTD-scale cast through the sound-velocity window: 300,000 lines in the CastAway's layout
// (24 Hz down to 6,000 m and back), the detected pattern, N 6000. Each step's click is timed
// with its memos, against the least the same work costs: a loop that splits each line at its
// commas and reads the two fields with std::from_chars into per-metre sums. The same cast at
// 30,000 lines shows how the steps scale. The graph's paint of the 6,001 averaged points is
// timed against a bare QPainter loop that draws the same polyline and circles.

#include "benchmarks/canvas/MedianReporter.h"
#include "benchmarks/tools/BenchmarkRoots.h"
#include "platform/NumberFormat.h"
#include "tools/SvpHeaderDetection.h"
#include "tools/USVPGraph.h"
#include "tools/USoundVelocity.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kMaxDepth = 6000;  // m
constexpr int kMetadataLines = 28;

// Depth goes down to 6,000 m and back up; velocity follows a smooth deep-water curve.
std::vector<std::string> CtdCast(int samples) {
    std::vector<std::string> lines;
    for (int i = 0; i < kMetadataLines; ++i)
        lines.push_back("% Cast metadata," + std::to_string(i));
    lines.push_back(
        "Pressure (Decibar),Depth (Meter),Temperature (Celsius),Conductivity (MicroSiemens per "
        "Centimeter),Specific conductance (MicroSiemens per Centimeter),Salinity (Practical "
        "Salinity Scale),Sound velocity (Meters per Second),Density (Kilograms per Cubic Meter)");
    for (int i = 0; i < samples; ++i) {
        const double turn = samples / 2.0;
        const double depth = kMaxDepth * (1 - std::fabs(i - turn) / turn);
        const double sv = 1480 + 30 * std::exp(-depth / 800) + 0.016 * depth / 1000 * 60;
        lines.push_back(FormatFixed(depth * 1.0067, 14) + "," + FormatFixed(depth, 14) +
                        ",16.44616462140171,45033.875,54328.157275071106,35.607839890028522," +
                        FormatFixed(sv, 13) + ",1026.1134459830698");
    }
    return lines;
}

struct TCast {
    std::unique_ptr<TfSVP> window;
    std::vector<std::string> lines;
};

TCast* Prepare(const std::string& memoFolder, int samples) {
    auto* cast = new TCast{std::make_unique<TfSVP>(nullptr, memoFolder), CtdCast(samples)};
    TfSVP& window = *cast->window;
    window.mRawSVData->SetLines(cast->lines);
    const std::optional<TSvpHeaderFormat> format = DetectSvpHeader(cast->lines);
    window.eSearchString->setText(QString::fromStdString(format ? format->pattern : ""));
    window.rDFirst->setChecked(true);
    window.eMaxDepth->setText(QString::number(kMaxDepth));
    window.bRawToSVVClick();
    window.bSVVtoAveragedSVClick();
    return cast;
}

void Step1(benchmark::State& state, TCast* cast) {
    for (auto _ : state) cast->window->bRawToSVVClick();
}

void Step2(benchmark::State& state, TCast* cast) {
    for (auto _ : state) cast->window->bSVVtoAveragedSVClick();
}

void Step3(benchmark::State& state, TCast* cast) {
    for (auto _ : state) cast->window->bAveragedSVtoSVPClick();
}

// Depth in field 1, velocity in field 6.
void BareLoop(benchmark::State& state, TCast* cast) {
    for (auto _ : state) {
        std::vector<double> sums(kMaxDepth + 1), counts(kMaxDepth + 1);
        for (const std::string& line : cast->lines) {
            double fields[7] = {};
            std::size_t start = 0;
            int field = 0;
            for (; field < 7; ++field) {
                const std::size_t end = line.find(',', start);
                if (end == std::string::npos) break;
                if (field == 1 || field == 6) {
                    std::from_chars(line.data() + start, line.data() + end, fields[field]);
                }
                start = end + 1;
            }
            if (field < 7) continue;
            const long metre = std::lround(fields[1]);
            if (metre < 0 || metre > kMaxDepth) continue;
            sums[static_cast<std::size_t>(metre)] += fields[6];
            counts[static_cast<std::size_t>(metre)] += 1;
        }
        benchmark::DoNotOptimize(sums.data());
        benchmark::DoNotOptimize(counts.data());
    }
}

void GraphPaint(benchmark::State& state, TfSVPGraph* graph) {
    QImage image(graph->PlotWidth, graph->PlotHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        graph->PaintBox1Paint(painter);
    }
}

void BarePaint(benchmark::State& state, TfSVPGraph* graph) {
    QImage image(graph->PlotWidth, graph->PlotHeight, QImage::Format_RGB32);
    QPolygon line;
    for (const TSVPPoint& point : graph->Points) {
        line << QPoint(graph->SVToX(point.SV), graph->DepthToY(point.Depth));
    }
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setPen(QColor(0, 0, 255));
        painter.drawPolyline(line);
        painter.setPen(QColor(0, 0, 128));
        painter.setBrush(QColor(0, 0, 255));
        for (const QPoint& at : line) painter.drawEllipse(at.x() - 4, at.y() - 4, 9, 9);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir folder(QDir::tempPath() + "/sound-velocity-XXXXXX");
    UseBenchmarkRoots(folder.path());
    QApplication application(argc, argv);
    StartBenchmarkDay();
    const std::string memos = folder.path().toStdString() + "/";
    const std::unique_ptr<TCast> large(Prepare(memos, 300000));
    const std::unique_ptr<TCast> small(Prepare(memos, 30000));
    std::printf("extracted lines: %zu of 300000, %zu of 30000\n",
                large->window->mRawSVExtracted->LineCount(),
                small->window->mRawSVExtracted->LineCount());

    TfSVPGraph graph;
    graph.PaintBox1->resize(700, 500);
    graph.LoadPoints(large->window->mSortedAveragedSV->Lines());
    std::printf("graph points: %zu\n", graph.Points.size());

    for (auto* run : {benchmark::RegisterBenchmark("step1_300k", Step1, large.get()),
                      benchmark::RegisterBenchmark("step2_300k", Step2, large.get()),
                      benchmark::RegisterBenchmark("step3_300k", Step3, large.get()),
                      benchmark::RegisterBenchmark("bare_loop_300k", BareLoop, large.get()),
                      benchmark::RegisterBenchmark("step1_30k", Step1, small.get()),
                      benchmark::RegisterBenchmark("step2_30k", Step2, small.get()),
                      benchmark::RegisterBenchmark("step3_30k", Step3, small.get()),
                      benchmark::RegisterBenchmark("bare_loop_30k", BareLoop, small.get()),
                      benchmark::RegisterBenchmark("graph_paint", GraphPaint, &graph),
                      benchmark::RegisterBenchmark("bare_paint", BarePaint, &graph)}) {
        run->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
    }
    benchmark::Initialize(&argc, argv);
    TMedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    reporter.PrintRatio("step 1 against the bare loop", "step1_300k", "bare_loop_300k", "<= 4");
    for (const char* step : {"step1", "step2", "step3"}) {
        const std::string name = step;
        reporter.PrintRatio((name + " 300k against 30k").c_str(), name + "_300k", name + "_30k",
                            "<= 12");
    }
    reporter.PrintRatio("bare loop 300k against 30k", "bare_loop_300k", "bare_loop_30k", "none");
    reporter.PrintRatio("graph paint of 6,001 points", "graph_paint", "bare_paint", "<= 1.3");
    return 0;
}
