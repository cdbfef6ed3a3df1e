// Saving and loading a project of 1,000,000 shapes like a day's survey (and of 100,000, to
// show that the cost grows linearly) against zlib alone: deflate of the same project text at the
// default level, and inflate of the same file body, both in memory.
//
// Prints the peak memory of one load and the loads of the largest project a file may hold
// (5,000,000 points) and of one point more, then Google Benchmark's table and the ratios.

#include "benchmarks/canvas/MedianReporter.h"
#include "benchmarks/canvas/ProcessMemory.h"
#include "canvas/CanvasModel.h"
#include "canvas/ProjectFile.h"
#include "canvas/ZlibStream.h"
#include "platform/Clock.h"
#include "platform/TextFile.h"
#include "tests/canvas/SurveyDrawing.h"

#include <malloc.h>
#include <zlib.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace {

constexpr double kBytesPerMb = 1024 * 1024;

struct TProject {
    std::unique_ptr<TCanvasModel> model = std::make_unique<TCanvasModel>();
    std::string path;
    std::string text;  // the project text the file holds
    std::string body;  // the file's bytes after the magic
};

// The whole project text at once, as the writer hands it to the compressor.
std::string ProjectText(const TCanvasModel& model) {
    std::string text;
    WriteProjectText(model, Now(), [&text](std::string_view piece) {
        text += piece;
        return true;
    });
    return text;
}

TProject MakeProject(int shapes, const std::string& folder) {
    TProject project;
    BuildSurveyDrawing(*project.model, shapes, 1);
    project.path = folder + "/survey " + std::to_string(shapes) + ".smk";
    std::string reason;
    if (!WriteProjectFile(*project.model, project.path, reason))
        std::printf("%s\n", reason.c_str());
    project.text = ProjectText(*project.model);
    std::string bytes;
    ReadFileBytes(project.path, bytes);
    project.body = bytes.substr(4);
    return project;
}

void Save(benchmark::State& state, const TProject* project) {
    std::string reason;
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteProjectFile(*project->model, project->path, reason));
}

void Load(benchmark::State& state, const TProject* project) {
    std::string reason;
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<TCanvasModel>();
        state.ResumeTiming();
        benchmark::DoNotOptimize(ReadProjectFile(*model, project->path, 0, reason));
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
}

// A competent deflate of the whole text into a reused buffer.
void BareDeflate(benchmark::State& state, const TProject* project) {
    std::string out(256 * 1024, '\0');
    for (auto _ : state) {
        z_stream stream{};
        deflateInit(&stream, Z_DEFAULT_COMPRESSION);
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(project->text.data()));
        stream.avail_in = static_cast<uInt>(project->text.size());
        int status = Z_OK;
        while (status != Z_STREAM_END) {
            stream.next_out = reinterpret_cast<Bytef*>(out.data());
            stream.avail_out = static_cast<uInt>(out.size());
            status = deflate(&stream, Z_FINISH);
        }
        deflateEnd(&stream);
    }
}

// Inflate of the file body into one buffer of the text's size.
void BareInflate(benchmark::State& state, const TProject* project) {
    std::string text(project->text.size(), '\0');
    for (auto _ : state) {
        uLongf size = text.size();
        uncompress(reinterpret_cast<Bytef*>(text.data()), &size,
                   reinterpret_cast<const Bytef*>(project->body.data()), project->body.size());
        benchmark::DoNotOptimize(text.data());
    }
}

// One load into a fresh drawing: its result, time, and memory in MB above what was resident
// before it, at its peak and kept by the drawing afterwards.
struct TLoadFigures {
    bool loaded = false;
    std::string reason;
    double ms = 0;
    TMemoryUse memory;
    int shapes = 0;
};

TLoadFigures MeasureLoad(const std::string& path) {
    TLoadFigures figures;
    auto model = std::make_unique<TCanvasModel>();
    // Memory freed earlier goes back to the system first, or the load would reuse it unseen.
    malloc_trim(0);
    const auto start = std::chrono::steady_clock::now();
    figures.memory =
        MeasureMemory([&] { figures.loaded = ReadProjectFile(*model, path, 0, figures.reason); });
    figures.ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    figures.shapes = model->ShapeCount();
    return figures;
}

void PrintLoadMemory(const TProject& project) {
    const TLoadFigures load = MeasureLoad(project.path);
    std::printf(
        "load of 1,000,000 shapes: peak %.0f MB (%.0f bytes a shape; goal <= 300), the drawing "
        "keeps %.0f MB; file %.1f MB, text %.1f MB\n",
        load.memory.peak, load.memory.peak * kBytesPerMb / load.shapes, load.memory.kept,
        project.body.size() / 1e6, project.text.size() / 1e6);
}

// "POINT 0 0 1" count times on one layer: a small file that asks for many shapes.
std::string WritePointsProject(const std::string& folder, int count) {
    const std::string path = folder + "/points " + std::to_string(count) + ".smk";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite("SMK1", 1, 4, file);
    TZlibWriter zlib([file](std::string_view bytes) {
        return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    });
    zlib.Write("LAYER 1 Survey Points\n");
    std::string block;
    for (int i = 0; i < 1000; ++i) block += "POINT 0 0 1\n";
    for (int i = 0; i < count / 1000; ++i) zlib.Write(block);
    for (int i = 0; i < count % 1000; ++i) zlib.Write("POINT 0 0 1\n");
    zlib.Finish();
    std::fclose(file);
    return path;
}

void PrintShapeBound(const std::string& folder) {
    for (const int count : {kMaxProjectShapes, kMaxProjectShapes + 1}) {
        const std::string path = WritePointsProject(folder, count);
        const double fileKb = QFileInfo(QString::fromStdString(path)).size() / 1e3;
        const TLoadFigures load = MeasureLoad(path);
        std::printf("%d points (file %.0f KB): %s in %.0f ms, peak %.0f MB\n", count, fileKb,
                    load.loaded ? ("accepted, " + std::to_string(load.shapes) + " shapes").c_str()
                                : ("refused: " + load.reason).c_str(),
                    load.ms, load.memory.peak);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir folder;
    const std::string root = folder.path().toStdString();
    static const TProject large = MakeProject(1000000, root);
    static const TProject small = MakeProject(100000, root);
    for (const auto& [name, project] : {std::pair{"1M", &large}, std::pair{"100k", &small}}) {
        const std::pair<const char*, void (*)(benchmark::State&, const TProject*)> runs[] = {
            {"save/", Save},
            {"bare_deflate/", BareDeflate},
            {"load/", Load},
            {"bare_inflate/", BareInflate}};
        for (const auto& [kind, run] : runs) {
            benchmark::RegisterBenchmark((std::string(kind) + name).c_str(), run, project)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->Iterations(1)
                ->Repetitions(3);
        }
    }
    benchmark::Initialize(&argc, argv);
    // Memory first, while no benchmark has left freed memory behind.
    PrintLoadMemory(large);
    PrintShapeBound(root);
    TMedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    const auto key = [](const char* kind, const char* size) { return std::string(kind) + size; };
    reporter.PrintRatio("save, 1,000,000 shapes", key("save/", "1M"), key("bare_deflate/", "1M"),
                        "<= 1.3");
    reporter.PrintRatio("load, 1,000,000 shapes", key("load/", "1M"), key("bare_inflate/", "1M"),
                        "<= 2, and <= 2000 ms");
    reporter.PrintRatio("save, 1,000,000 / 100,000 shapes", key("save/", "1M"),
                        key("save/", "100k"), "<= 12");
    reporter.PrintRatio("load, 1,000,000 / 100,000 shapes", key("load/", "1M"),
                        key("load/", "100k"), "<= 12");
    return 0;
}
