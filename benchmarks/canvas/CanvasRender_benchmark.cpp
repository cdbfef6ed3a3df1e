// Frame cost of the map renderer against a bare QPainter loop that draws the same primitives
// into the same 1920 x 1080 image, for (a) a track of 100,000 points, (b) 100,000 lines and
// (c) 1,000,000 mixed shapes spread over the view; and the cost of culling: 1,000,000 shapes
// of which 1 % lie in view against those 10,000 alone.
//
// Prints Google Benchmark's table, then ms per frame and the ratios.

#include "canvas/CanvasModel.h"
#include "canvas/MapPicture.h"
#include "canvas/QPainterSurface.h"

#include "benchmarks/canvas/MedianReporter.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr TColor kLayerColors[] = {0x800000, 0x0000C0, 0x008000, 0x404040};

enum class TKind { Point, Line, Circle, Rectangle, Polyline, Text };

// One shape as plain numbers, shared by the model and the bare loop. World units are pixels:
// the view is (0, kWidth) x (0, kHeight).
struct TPrimitive {
    TKind Kind;
    double X1, Y1, X2, Y2;
    int Layer;
};

// A track snaking over the whole view, 3 pixels between points and rows, so none merges.
std::vector<TPrimitive> Track(int count) {
    std::vector<TPrimitive> track;
    for (int i = 0; i < count; ++i) {
        const int perRow = kWidth / 3;
        const double x = 3.0 * (i % perRow) + 0.5;
        const double y = kHeight - 3.0 * ((i / perRow) % (kHeight / 3)) - 0.5;
        track.push_back({TKind::Point, x, y, 0, 0, i % 4});
    }
    return track;
}

std::vector<TPrimitive> Scatter(int count, const std::vector<TKind>& kinds, double left,
                                unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> x(left, left + kWidth), y(0, kHeight), size(2, 20);
    std::vector<TPrimitive> shapes;
    for (int i = 0; i < count; ++i) {
        const double x1 = x(random), y1 = y(random);
        shapes.push_back(
            {kinds[i % kinds.size()], x1, y1, x1 + size(random), y1 + size(random), i % 4});
    }
    return shapes;
}

const std::vector<TKind> kMixed = {
    TKind::Point,    TKind::Line,     TKind::Circle, TKind::Rectangle, TKind::Polyline,
    TKind::Line,     TKind::Point,    TKind::Line,   TKind::Rectangle, TKind::Circle,
    TKind::Polyline, TKind::Line,     TKind::Point,  TKind::Line,      TKind::Line,
    TKind::Point,    TKind::Polyline, TKind::Circle, TKind::Line,      TKind::Text};

void AddToModel(TCanvasModel& model, const TPrimitive& p) {
    const int layer = p.Layer + 1;
    switch (p.Kind) {
        case TKind::Point:
            model.AddPoint(p.X1, p.Y1, layer);
            break;
        case TKind::Line:
            model.AddLine(p.X1, p.Y1, p.X2, p.Y2, layer);
            break;
        case TKind::Circle:
            model.AddCircle(p.X1, p.Y1, (p.X2 - p.X1) / 2, layer);
            break;
        case TKind::Rectangle:
            model.AddRectangle(p.X1, p.Y1, p.X2, p.Y2, layer);
            break;
        case TKind::Polyline:
            model.AddPolyline({{p.X1, p.Y1}, {p.X2, p.Y1}, {p.X2, p.Y2}, {p.X1, p.Y2}}, layer,
                              false);
            break;
        case TKind::Text:
            model.AddText(layer, "12.3", p.X1, p.Y1, 0);
            break;
    }
}

std::unique_ptr<TCanvasModel> ModelOf(const std::vector<TPrimitive>& primitives) {
    auto model = std::make_unique<TCanvasModel>();
    for (int i = 0; i < 4; ++i) {
        const int layer = model->AddLayer(QString("layer %1").arg(i));
        model->SetLayerColor(layer, kLayerColors[i]);
    }
    for (const TPrimitive& p : primitives) AddToModel(*model, p);
    model->ResizeClient(kWidth, kHeight);
    model->SetView(0, kHeight, kWidth, 0);
    return model;
}

QImage& Frame() {
    static QImage image(kWidth, kHeight, QImage::Format_RGB32);
    return image;
}

void RenderModel(benchmark::State& state, const std::vector<TPrimitive>& primitives) {
    const auto model = ModelOf(primitives);
    for (auto _ : state) {
        // The picture drawn afresh, as after a zoom.
        TMapPicture picture;
        picture.Update(*model);
        QPainter painter(&Frame());
        picture.Draw(painter);
    }
}

// What a hand-written renderer of the same primitives would do, pen changes included.
void DrawBare(QPainter& painter, const TPrimitive& p, std::vector<bool>& textCells) {
    const auto px = [](double x) { return static_cast<int>(x); };
    const auto py = [](double y) { return static_cast<int>(kHeight - y); };
    const QColor color = ToQColor(kLayerColors[p.Layer]);
    if (p.Kind != TKind::Point && p.Kind != TKind::Text) painter.setPen(QPen(color, 0));
    switch (p.Kind) {
        case TKind::Point:
            painter.fillRect(px(p.X1), py(p.Y1), 2, 2, color);
            break;
        case TKind::Line:
            painter.drawLine(px(p.X1), py(p.Y1), px(p.X2), py(p.Y2));
            break;
        case TKind::Circle: {
            const int r = static_cast<int>((p.X2 - p.X1) / 2);
            painter.drawEllipse(px(p.X1) - r, py(p.Y1) - r, 2 * r - 1, 2 * r - 1);
            break;
        }
        case TKind::Rectangle:
            painter.drawRect(QRect(QPoint(px(p.X1), py(p.Y2)), QPoint(px(p.X2) - 1, py(p.Y1) - 1)));
            break;
        case TKind::Polyline: {
            const QPoint points[] = {{px(p.X1), py(p.Y1)},
                                     {px(p.X2), py(p.Y1)},
                                     {px(p.X2), py(p.Y2)},
                                     {px(p.X1), py(p.Y2)}};
            painter.drawPolyline(points, 4);
            break;
        }
        case TKind::Text: {
            const size_t cell = (py(p.Y1) / 60) * (kWidth / 60 + 2) + px(p.X1) / 60;
            if (textCells[cell]) break;
            textCells[cell] = true;
            painter.setPen(color);
            painter.drawText(px(p.X1), py(p.Y1) + painter.fontMetrics().ascent(), "12.3");
            break;
        }
    }
}

void RenderBare(benchmark::State& state, const std::vector<TPrimitive>& primitives) {
    QFont font(ScreenFontFamily("Arial"));
    font.setPixelSize(13);
    for (auto _ : state) {
        QPainter painter(&Frame());
        painter.setFont(font);
        painter.fillRect(0, 0, kWidth, kHeight, Qt::white);
        std::vector<bool> textCells((kWidth / 60 + 2) * (kHeight / 60 + 2));
        int drawn = 0;
        for (const TPrimitive& p : primitives) {
            if (++drawn > kMaxDrawnShapes) break;
            DrawBare(painter, p, textCells);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    static const auto track = Track(100000);
    static const auto lines = Scatter(100000, {TKind::Line}, 0, 1);
    static const auto mixed = Scatter(1000000, kMixed, 0, 2);
    static const auto inView = Scatter(10000, kMixed, 0, 3);
    static auto mostlyOutside = [] {
        auto shapes = Scatter(990000, kMixed, 10 * kWidth, 4);
        shapes.insert(shapes.end(), inView.begin(), inView.end());
        return shapes;
    }();
    const std::pair<const char*, const std::vector<TPrimitive>*> cases[] = {
        {"a_track_points", &track}, {"b_lines", &lines}, {"c_mixed", &mixed}};
    for (const auto& [name, data] : cases) {
        benchmark::RegisterBenchmark((std::string("model/") + name).c_str(), RenderModel, *data)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("bare/") + name).c_str(), RenderBare, *data)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("model/cull_1M_1pct_in_view", RenderModel, mostlyOutside)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("model/cull_10k_alone", RenderModel, inView)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    TMedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    reporter.PrintRatio("(a) 100,000 track points", "model/a_track_points", "bare/a_track_points",
                        "<= 1.3");
    reporter.PrintRatio("(b) 100,000 lines", "model/b_lines", "bare/b_lines", "<= 1.3");
    reporter.PrintRatio("(c) 1,000,000 mixed shapes", "model/c_mixed", "bare/c_mixed", "<= 1.3");
    reporter.PrintRatio("1,000,000 shapes, 1 % in view", "model/cull_1M_1pct_in_view",
                        "model/cull_10k_alone", "<= 2");
    return 0;
}
