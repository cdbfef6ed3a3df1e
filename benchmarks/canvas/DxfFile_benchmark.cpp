// The DXF import of a large background drawing (500,000 entities, about 115 MB, around
// (500000, 4500000)) and of one a tenth its size, against GDAL reading every feature of the
// same file (ogrinfo -so, a child process) and against a bare pass that reads the file the same
// way, splits it into lines and parses every group code. Then the export of the imported drawing
// against a bare to_chars loop that writes the same bytes to a file in the same way (pieces, flush
// to disk, rename).
//
// Prints Google Benchmark's table, then the ratios against their goals and the peak memory of
// one import.

#include "benchmarks/canvas/MedianReporter.h"
#include "benchmarks/canvas/ProcessMemory.h"
#include "canvas/CanvasModel.h"
#include "canvas/DxfExport.h"
#include "canvas/DxfImport.h"
#include "canvas/QShapeCircle.h"
#include "canvas/QShapeLine.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapePolyline.h"
#include "canvas/QShapeText.h"
#include "platform/FileBytes.h"
#include "platform/TextFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <QProcess>
#include <QTemporaryDir>
#include <charconv>
#include <cstdio>
#include <memory>
#include <random>
#include <string>

namespace {

constexpr double kEast = 500000, kNorth = 4500000;

// Writes groups as CAD programs do: codes right-aligned in three columns, CR LF.
class TGenerator {
public:
    void Group(int code, std::string_view value) {
        char digits[8];
        const auto end = std::to_chars(digits, digits + sizeof digits, code).ptr;
        text_.append(3 - std::min<std::ptrdiff_t>(3, end - digits), ' ');
        text_.append(digits, end);
        text_ += "\r\n";
        text_ += value;
        text_ += "\r\n";
    }
    void Real(int code, double value) {
        char digits[64];
        const auto end =
            std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 6).ptr;
        Group(code, std::string_view(digits, end - digits));
    }
    // "  0 / TYPE / 5 / handle / 100 / AcDbEntity / 8 / layer / 100 / subclass"
    void Entity(const char* type, const char* subclass, const std::string& layer) {
        Group(0, type);
        char handle[16];
        std::snprintf(handle, sizeof handle, "%X", ++handle_);
        Group(5, handle);
        Group(100, "AcDbEntity");
        Group(8, layer);
        Group(100, subclass);
    }
    std::string& Text() { return text_; }

private:
    std::string text_;
    unsigned handle_ = 0x100;
};

// 40 % LINE, 20 % LWPOLYLINE of 10 vertices, 20 % TEXT, 10 % CIRCLE, 10 % POINT on four layers.
std::string Drawing(int entities) {
    TGenerator g;
    const std::string layers[] = {"Kerb", "Quay_Wall", "Soundings_2025", "Buoys"};
    g.Group(0, "SECTION");
    g.Group(2, "HEADER");
    g.Group(9, "$ACADVER");
    g.Group(1, "AC1015");
    g.Group(0, "ENDSEC");
    g.Group(0, "SECTION");
    g.Group(2, "TABLES");
    g.Group(0, "TABLE");
    g.Group(2, "LAYER");
    for (int i = 0; i < 4; ++i) {
        g.Group(0, "LAYER");
        g.Group(2, layers[i]);
        g.Group(70, "0");
        g.Group(62, std::to_string(i + 1));
    }
    g.Group(0, "ENDTAB");
    g.Group(0, "ENDSEC");
    g.Group(0, "SECTION");
    g.Group(2, "BLOCKS");
    g.Group(0, "ENDSEC");
    g.Group(0, "SECTION");
    g.Group(2, "ENTITIES");
    std::mt19937 random(26);
    std::uniform_real_distribution<double> offset(0, 10000);
    for (int i = 0; i < entities; ++i) {
        const std::string& layer = layers[i % 4];
        const double x = kEast + offset(random), y = kNorth + offset(random);
        switch (i % 10) {
            case 0:
            case 1:
            case 2:
            case 3:
                g.Entity("LINE", "AcDbLine", layer);
                g.Real(10, x), g.Real(20, y), g.Real(30, 0);
                g.Real(11, x + 12.5), g.Real(21, y - 3.25), g.Real(31, 0);
                break;
            case 4:
            case 5:
                g.Entity("LWPOLYLINE", "AcDbPolyline", layer);
                g.Group(90, "10");
                g.Group(70, i % 20 == 4 ? "1" : "0");
                for (int k = 0; k < 10; ++k) g.Real(10, x + k * 3.5), g.Real(20, y + (k % 3));
                break;
            case 6:
            case 7:
                g.Entity("TEXT", "AcDbText", layer);
                g.Real(10, x), g.Real(20, y), g.Real(30, 0), g.Real(40, 1.8);
                g.Group(1, "D " + std::to_string(i % 997) + ".4");
                g.Group(100, "AcDbText");
                break;
            case 8:
                g.Entity("CIRCLE", "AcDbCircle", layer);
                g.Real(10, x), g.Real(20, y), g.Real(30, 0), g.Real(40, 2.5);
                break;
            default:
                g.Entity("POINT", "AcDbPoint", layer);
                g.Real(10, x), g.Real(20, y), g.Real(30, 0);
                break;
        }
    }
    g.Group(0, "ENDSEC");
    g.Group(0, "EOF");
    return std::move(g.Text());
}

struct TDrawingFile {
    std::string path;
    std::size_t bytes = 0;
};

TDrawingFile WriteDrawing(int entities, const std::string& folder) {
    TDrawingFile file{folder + "/drawing " + std::to_string(entities) + ".dxf"};
    const std::string text = Drawing(entities);
    file.bytes = text.size();
    WriteFileAtomically(file.path, text);
    return file;
}

void Import(benchmark::State& state, const TDrawingFile* file) {
    std::string reason;
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<TCanvasModel>();
        state.ResumeTiming();
        if (!ReadDxfFile(*model, file->path, reason)) state.SkipWithError(reason.c_str());
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
}

void Gdal(benchmark::State& state, const TDrawingFile* file) {
    for (auto _ : state) {
        QProcess ogrinfo;
        ogrinfo.start("ogrinfo", {"-ro", "-al", "-so", QString::fromStdString(file->path)});
        if (!ogrinfo.waitForFinished(600000) || ogrinfo.exitCode() != 0) {
            state.SkipWithError("ogrinfo failed");
        }
    }
}

// Reads the file as the import does, splits it at LF, skips the blanks before each code line
// and parses it.
void BarePass(benchmark::State& state, const TDrawingFile* file) {
    for (auto _ : state) {
        TFileBytes read;
        std::string reason;
        read.Read(file->path, reason);
        const std::string_view bytes = read.Bytes();
        long sum = 0;
        const char* p = bytes.data();
        const char* end = p + bytes.size();
        bool code = true;
        while (p < end) {
            const char* lineFeed = static_cast<const char*>(std::memchr(p, '\n', end - p));
            const char* lineEnd = lineFeed ? lineFeed : end;
            if (code) {
                const char* start = p;
                while (start < lineEnd && *start == ' ') ++start;
                int value = 0;
                std::from_chars(start, lineEnd, value);
                sum += value;
            }
            code = !code;
            p = lineEnd + 1;
        }
        benchmark::DoNotOptimize(sum);
    }
}

void Export(benchmark::State& state, const TCanvasModel* model, const std::string* path) {
    std::string reason;
    for (auto _ : state) {
        if (!WriteDxfFile(*model, *path, reason)) state.SkipWithError(reason.c_str());
    }
}

// The export's bytes from a plain loop: the same groups through to_chars into a buffer that
// goes to a temporary file in pieces, which is flushed to disk and renamed.
class TBareWriter {
public:
    explicit TBareWriter(const std::string& path) : path_(path), temporary_(path + ".bare") {
        descriptor_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        buffer_.reserve(2 << 20);
    }
    void Text(std::string_view code, std::string_view value) {
        buffer_ += code;
        buffer_ += "\r\n";
        buffer_ += value;
        buffer_ += "\r\n";
        if (buffer_.size() > (1 << 20)) Flush();
    }
    void Real(std::string_view code, double value) {
        char digits[400];
        const auto end =
            std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 6).ptr;
        Text(code, std::string_view(digits, end - digits));
    }
    void Finish() {
        Flush();
        ::fsync(descriptor_);
        ::close(descriptor_);
        std::rename(temporary_.c_str(), path_.c_str());
    }

private:
    void Flush() {
        if (::write(descriptor_, buffer_.data(), buffer_.size()) < 0) std::perror("write");
        buffer_.clear();
    }
    std::string path_, temporary_, buffer_;
    int descriptor_ = -1;
};

void BareShape(TBareWriter& out, const std::string& layer, const TQShape& shape) {
    const auto point = [&](double x, double y) {
        out.Real("10", x), out.Real("20", y), out.Text("30", "0.0");
    };
    switch (shape.ShapeType) {
        case stLine: {
            const auto& l = static_cast<const TQLine&>(shape);
            out.Text("0", "LINE"), out.Text("8", layer), point(l.X1, l.Y1);
            out.Real("11", l.X2), out.Real("21", l.Y2), out.Text("31", "0.0");
            break;
        }
        case stPolyline:
        case stPolygon: {
            const auto& p = static_cast<const TQPolyline&>(shape);
            out.Text("0", "POLYLINE"), out.Text("8", layer), out.Text("66", "1");
            out.Text("70", p.Closed ? "1" : "0");
            for (const TWorldPoint& v : p.Vertices) {
                out.Text("0", "VERTEX"), out.Text("8", layer), point(v.X, v.Y);
            }
            out.Text("0", "SEQEND"), out.Text("8", layer);
            break;
        }
        case stText: {
            const auto& t = static_cast<const TQText&>(shape);
            out.Text("0", "TEXT"), out.Text("8", layer), point(t.X, t.Y);
            out.Real("40", t.Size), out.Text("1", t.Text.toStdString());
            break;
        }
        case stCircle: {
            const auto& c = static_cast<const TQCircle&>(shape);
            out.Text("0", "CIRCLE"), out.Text("8", layer), point(c.CX, c.CY), out.Real("40", c.R);
            break;
        }
        case stPoint: {
            const auto& p = static_cast<const TQPoint&>(shape);
            out.Text("0", "POINT"), out.Text("8", layer), point(p.X, p.Y);
            break;
        }
    }
}

// Knows the drawing holds one layer and only the kinds the import makes.
void BareExport(const TCanvasModel& model, const std::string& path) {
    TBareWriter out(path);
    const std::string layer = model.FindLayer(model.ImportLayerId)->Name.toStdString();
    out.Text("0", "SECTION"), out.Text("2", "HEADER"), out.Text("9", "$ACADVER");
    out.Text("1", "AC1009"), out.Text("9", "$DWGCODEPAGE"), out.Text("3", "ANSI_1254");
    out.Text("9", "$INSBASE"), out.Text("10", "0.0"), out.Text("20", "0.0"), out.Text("30", "0.0");
    out.Text("9", "$EXTMIN");
    out.Real("10", model.ViewLeft), out.Real("20", model.ViewBottom), out.Text("30", "0.0");
    out.Text("9", "$EXTMAX");
    out.Real("10", model.ViewRight), out.Real("20", model.ViewTop), out.Text("30", "0.0");
    out.Text("0", "ENDSEC"), out.Text("0", "SECTION"), out.Text("2", "TABLES");
    out.Text("0", "TABLE"), out.Text("2", "LAYER"), out.Text("70", "1");
    out.Text("0", "LAYER"), out.Text("2", layer), out.Text("70", "0"), out.Text("62", "7");
    out.Text("6", "CONTINUOUS"), out.Text("0", "ENDTAB"), out.Text("0", "ENDSEC");
    out.Text("0", "SECTION"), out.Text("2", "ENTITIES");
    for (const auto& shape : model.Shapes()) BareShape(out, layer, *shape);
    out.Text("0", "ENDSEC"), out.Text("0", "EOF");
    out.Finish();
}

void BareExportLoop(benchmark::State& state, const TCanvasModel* model, const std::string* path) {
    for (auto _ : state) BareExport(*model, *path);
}

void PrintImportMemory(const TDrawingFile& file) {
    TCanvasModel model;
    std::string reason;
    const TMemoryUse use = MeasureMemory([&] { ReadDxfFile(model, file.path, reason); });
    std::printf(
        "import of 500,000 entities (%.1f MB file, %d shapes): peak %.0f MB above the %.0f MB "
        "before it; the drawing keeps %.0f MB\n",
        file.bytes / 1e6, model.ShapeCount(), use.peak, use.before, use.kept);
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir folder;
    const std::string root = folder.path().toStdString();
    static const TDrawingFile large = WriteDrawing(500000, root);
    static const TDrawingFile small = WriteDrawing(50000, root);
    // First, while the heap holds no drawing.
    PrintImportMemory(large);
    static TCanvasModel imported;
    std::string reason;
    ReadDxfFile(imported, large.path, reason);
    static const std::string ours = root + "/export.dxf", bare = root + "/bare.dxf";
    BareExport(imported, bare);
    WriteDxfFile(imported, ours, reason);
    std::string a, b;
    ReadFileBytes(ours, a);
    ReadFileBytes(bare, b);
    std::printf("export and bare loop write the same %zu bytes: %s\n", a.size(),
                a == b ? "yes" : "NO");

    const auto add = [](const char* name, auto run, auto... args) {
        benchmark::RegisterBenchmark(name, run, args...)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(1)
            ->Repetitions(5);
    };
    add("import/50k", Import, &small);
    add("import/500k", Import, &large);
    add("gdal_ogrinfo/500k", Gdal, &large);
    add("bare_pass/500k", BarePass, &large);
    add("export/500k", Export, &imported, &ours);
    add("bare_export/500k", BareExportLoop, &imported, &bare);
    benchmark::Initialize(&argc, argv);
    TMedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    reporter.PrintRatio("import against GDAL, 500,000", "import/500k", "gdal_ogrinfo/500k",
                        "<= 0.25");
    reporter.PrintRatio("import against a bare pass, 500,000", "import/500k", "bare_pass/500k",
                        "<= 3");
    reporter.PrintRatio("import, 500,000 / 50,000", "import/500k", "import/50k", "<= 12");
    reporter.PrintRatio("export against a bare loop, 500,000", "export/500k", "bare_export/500k",
                        "<= 1.5");
    return 0;
}
