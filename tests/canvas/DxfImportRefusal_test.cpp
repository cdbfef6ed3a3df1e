// Files the import refuses: each gives its reason and leaves the drawing exactly as it was,
// down to its layers, ids, blocks and view; and blocks of earlier imports.
#include "canvas/CanvasModel.h"
#include "canvas/DxfImport.h"
#include "platform/TextFile.h"
#include "tests/canvas/DxfTestSupport.h"
#include "tests/canvas/ProjectTestSupport.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

constexpr const char* kBlockFile =
    "0/SECTION/2/BLOCKS/0/BLOCK/2/MARK/0/LINE/11/1/0/ENDBLK/0/ENDSEC/"
    "0/SECTION/2/ENTITIES/0/INSERT/2/MARK/10/5/20/5/0/LINE/10/1/20/1/0/ENDSEC/0/EOF";

// A block of lines inserted so often that it would make more than five million lines.
std::string InsertBomb() {
    std::string groups = "0/SECTION/2/BLOCKS/0/BLOCK/2/B";
    for (int i = 0; i < 2300; ++i) groups += "/0/LINE/11/1";
    groups += "/0/ENDBLK/0/ENDSEC/0/SECTION/2/ENTITIES";
    for (int i = 0; i < 2300; ++i) groups += "/0/INSERT/2/B";
    return DxfGroups(groups + "/0/ENDSEC/0/EOF");
}

struct TRefusedCase {
    const char* legend;
    std::string bytes;  // the file, or none for a missing one
    const char* reason;
    bool folder = false;  // the path names a folder
};

std::vector<TRefusedCase> RefusedCases() {
    const std::string whole = DxfGroups(kBlockFile);
    return {
        {"no file", "", "DXF load failed: the file does not exist"},
        {"a folder", "", "DXF load failed: cannot read the file: Is a directory", true},
        {"a binary DXF", std::string("AutoCAD Binary DXF\r\n\x1A\0", 22) + "\x00\x00SECTION",
         "DXF load failed: binary DXF is not supported"},
        {"no ENTITIES section", DxfGroups("0/SECTION/2/HEADER/0/ENDSEC/0/EOF"),
         "DXF load failed: ENTITIES section not found"},
        {"an empty file", "\n", "DXF load failed: ENTITIES section not found"},
        {"cut inside an entity", whole.substr(0, whole.find("10\n1\n20")),
         "DXF load failed: file ends inside the ENTITIES section"},
        {"cut before ENDSEC", whole.substr(0, whole.rfind("ENDSEC")),
         "DXF load failed: file ends inside the ENTITIES section"},
        {"cut inside a POLYLINE",
         DxfGroups("0/SECTION/2/ENTITIES/0/POLYLINE/0/VERTEX/10/1/0/VERTEX"),
         "DXF load failed: file ends inside the ENTITIES section"},
        {"an INSERT bomb", InsertBomb(), "DXF load failed: more than 5000000 shapes"},
    };
}

class DxfImportRefusalTest : public ::testing::Test {
protected:
    DxfImportRefusalTest() {
        const int survey = model.AddLayer("Survey");
        model.SetLayerColor(survey, 0x123456);
        model.AddLine(0, 0, 10, 10, survey);
        model.AddPoint(3, 4, survey);
        model.SelectShape(1, false);
        // An earlier import of the very name the refused files have, with its block.
        path = FreshTestPath("site.dxf");
        std::filesystem::remove(path);
        EXPECT_TRUE(WriteFileAtomically(path, DxfGroups(kBlockFile)));
        std::string reason;
        EXPECT_TRUE(ReadDxfFile(model, path, reason)) << reason;
        model.SetView(-20, 30, 40, -10);
        before = Describe(model, true);
    }

    TCanvasModel model;
    std::string path;
    std::string before;
};

TEST_F(DxfImportRefusalTest, ARefusedFileChangesNothing) {
    for (const TRefusedCase& c : RefusedCases()) {
        SCOPED_TRACE(c.legend);
        std::filesystem::remove_all(path);
        if (c.folder) {
            std::filesystem::create_directories(path);
        } else if (!c.bytes.empty()) {
            ASSERT_TRUE(WriteFileAtomically(path, c.bytes));
        }
        std::string reason;
        EXPECT_FALSE(ReadDxfFile(model, path, reason));
        EXPECT_EQ(reason, c.reason);
        EXPECT_EQ(Describe(model, true), before);
    }
}

TEST_F(DxfImportRefusalTest, AnEditedBlockReplacesTheOldAndAnEarlierBlockStillResolves) {
    ASSERT_TRUE(WriteFileAtomically(
        path, DxfGroups("0/SECTION/2/BLOCKS/0/BLOCK/2/MARK/0/LINE/21/7/0/ENDBLK/0/ENDSEC/"
                        "0/SECTION/2/ENTITIES/0/INSERT/2/MARK/0/ENDSEC/0/EOF")));
    std::string reason;
    ASSERT_TRUE(ReadDxfFile(model, path, reason)) << reason;
    const int site = model.ImportLayerId;
    const TDxfImportResult other =
        ImportDxfBytes(model, DxfEntitiesFile("0/INSERT/2/MARK/10/100"), "other.dxf");
    ASSERT_TRUE(other.added) << other.reason;
    std::string shapes;
    for (const auto& shape : model.Shapes()) {
        if (shape->LayerId == site || shape->LayerId == model.ImportLayerId) {
            shapes += DxfShape(*shape) + "\n";
        }
    }
    EXPECT_EQ(shapes, "line (0,0) (0,7) pen 0/1\nline (100,0) (100,7) pen 0/1\n");
    // The newest file's blocks come first; the old MARK stays behind them.
    ASSERT_EQ(model.Blocks.size(), 2u);
    EXPECT_EQ(model.FindBlock("MARK"), model.Blocks[0].get());
}

}  // namespace
