// A seeded, bounded fuzz run of the DXF reader over damaged copies of the real drawings and of
// our own exports: bit flips, cuts, duplicated and swapped lines, numbers that are not finite or
// do not fit, and group codes replaced. Every input must finish within a second with no
// sanitizer report; a refusal must change nothing, and every shape added must be finite.
#include "canvas/CanvasModel.h"
#include "canvas/DxfExport.h"
#include "canvas/DxfImport.h"
#include "canvas/QShapeCircle.h"
#include "canvas/QShapeLine.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapePolyline.h"
#include "canvas/QShapeText.h"
#include "platform/TextFile.h"
#include "tests/canvas/DxfTestSupport.h"
#include "tests/canvas/ProjectTestSupport.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <random>

namespace {

constexpr std::uint32_t kSeed = 20260526;
constexpr int kInputsPerSource = 25;
constexpr auto kBoundPerInput = std::chrono::seconds(1);

using TRandom = std::mt19937;

std::size_t Pick(TRandom& random, std::size_t count) {
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
}

// The lines of a text, each with its LF.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size() - 1);
        lines.push_back(text.substr(start, end - start + 1));
        start = end + 1;
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line;
    return text;
}

bool IsNumber(const std::string& line) {
    return !line.empty() && (std::isdigit(static_cast<unsigned char>(line[0])) || line[0] == '-');
}

// One damage of the kinds listed above, at random places.
std::string Damaged(const std::string& source, TRandom& random) {
    std::string bytes = source;
    std::vector<std::string> lines = Lines(source);
    if (lines.size() < 4) return bytes;
    const std::size_t at = Pick(random, lines.size() - 1);
    switch (Pick(random, 7)) {
        case 0:  // bit flips
            for (int i = 0; i < 8; ++i) bytes[Pick(random, bytes.size())] ^= 1 << Pick(random, 8);
            return bytes;
        case 1:  // a cut anywhere
            return bytes.substr(0, Pick(random, bytes.size()));
        case 2:  // a run of lines twice
            lines.insert(lines.begin() + at, lines.begin() + at,
                         lines.begin() + std::min(lines.size(), at + 1 + Pick(random, 40)));
            return Joined(lines);
        case 3:  // two lines swapped
            std::swap(lines[at], lines[Pick(random, lines.size())]);
            return Joined(lines);
        case 4: {  // numbers that are not finite or do not fit
            const char* hostile[] = {"nan\n",  "1e999\n", "-1e999\n", "12345678901234567890\n",
                                     "-inf\n", "1e308\n"};
            for (int i = 0; i < 50; ++i) {
                std::string& line = lines[Pick(random, lines.size())];
                if (IsNumber(line)) line = hostile[Pick(random, std::size(hostile))];
            }
            return Joined(lines);
        }
        case 5: {  // group codes replaced (every other line from an even start is a code)
            const char* codes[] = {"0\n",  "2\n",  "8\n",  "10\n",  "20\n",         "40\n",
                                   "62\n", "70\n", "66\n", "101\n", "99999999999\n"};
            for (int i = 0; i < 20; ++i) {
                lines[Pick(random, lines.size() / 2) * 2] = codes[Pick(random, std::size(codes))];
            }
            return Joined(lines);
        }
        default:  // a run of lines dropped
            lines.erase(lines.begin() + at,
                        lines.begin() + std::min(lines.size(), at + 1 + Pick(random, 20)));
            return Joined(lines);
    }
}

bool AllFinite(std::initializer_list<double> values) {
    for (double v : values) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

bool Finite(const TQShape& s) {
    if (!AllFinite({s.MinX, s.MinY, s.MaxX, s.MaxY})) return false;
    if (const auto* l = dynamic_cast<const TQLine*>(&s))
        return AllFinite({l->X1, l->Y1, l->X2, l->Y2});
    if (const auto* c = dynamic_cast<const TQCircle*>(&s)) return AllFinite({c->CX, c->CY, c->R});
    if (const auto* p = dynamic_cast<const TQPoint*>(&s)) return AllFinite({p->X, p->Y});
    if (const auto* t = dynamic_cast<const TQText*>(&s)) {
        return AllFinite({t->X, t->Y, t->Size, t->Angle});
    }
    if (const auto* p = dynamic_cast<const TQPolyline*>(&s)) {
        for (const TWorldPoint& v : p->Vertices) {
            if (!AllFinite({v.X, v.Y})) return false;
        }
    }
    return true;
}

// The real drawings, and our exports of two of them.
std::vector<std::string> Sources() {
    std::vector<std::string> sources;
    const std::string folder = RealDataFolder();
    if (folder.empty()) return sources;
    for (const auto& entry : std::filesystem::directory_iterator(folder + "dxf")) {
        sources.push_back(ReadFileBytes(entry.path().string()));
    }
    for (const char* file : {"ezdxf__uncommon.dxf", "ezdxf__POLI-ALL210_12.DXF"}) {
        TCanvasModel model;
        std::string reason;
        EXPECT_TRUE(ReadDxfFile(model, folder + "dxf/" + file, reason));
        const std::string path = FreshTestPath("export.dxf");
        EXPECT_TRUE(WriteDxfFile(model, path, reason)) << reason;
        sources.push_back(ReadFileBytes(path));
    }
    return sources;
}

TEST(DxfFuzz, DamagedDrawingsAreReadOrRefusedSafely) {
    const std::vector<std::string> sources = Sources();
    if (sources.empty()) GTEST_SKIP() << "no real data";
    TRandom random(kSeed);
    int refused = 0, read = 0;
    for (const std::string& source : sources) {
        for (int i = 0; i < kInputsPerSource; ++i) {
            const std::string input = Damaged(source, random);
            TCanvasModel model;
            ImportDxfBytes(model, DxfEntitiesFile("0/LINE/11/1"), "earlier.dxf");
            const std::string before = Describe(model, true);
            const auto start = std::chrono::steady_clock::now();
            const TDxfImportResult result = ImportDxfBytes(model, input, "damaged.dxf");
            const auto took = std::chrono::steady_clock::now() - start;
            SCOPED_TRACE("input " + std::to_string(i) + " of a source of " +
                         std::to_string(source.size()) + " bytes, saved as " + result.path);
            EXPECT_LT(took, kBoundPerInput);
            if (!result.reason.empty()) {
                ++refused;
                EXPECT_EQ(Describe(model, true), before);
            } else {
                ++read;
                for (const auto& shape : model.Shapes()) ASSERT_TRUE(Finite(*shape));
            }
            // A file that shows no fault is not kept.
            if (!HasFailure()) std::filesystem::remove(result.path);
        }
    }
    // Both roads were taken.
    EXPECT_GT(refused, 0);
    EXPECT_GT(read, 0);
}

}  // namespace
