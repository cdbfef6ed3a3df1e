// A DXF import as the canvas sees it: the target layer, the layer table's colour, blocks and
// their references, the view, and files that differ only in their line ends.
#include "canvas/DxfImport.h"
#include "canvas/CanvasModel.h"
#include "platform/TextFile.h"
#include "tests/canvas/DxfTestSupport.h"
#include "tests/canvas/ProjectTestSupport.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QLoggingCategory>
#include <QStringList>
#include <filesystem>

namespace {

const TQLayer& LayerOf(const TCanvasModel& model, const TDxfImportResult& import) {
    return *model.FindLayer(
        model.FindLayerByName(QString::fromStdString(DxfImportLayerName(import.path))));
}

TEST(DxfImport, TheDrawingGoesToItsOwnLayerAndTheViewFitsIt) {
    TCanvasModel model;
    const int survey = model.AddLayer("Survey");
    model.AddLine(-5000, -5000, -4000, -4000, survey);
    const TDxfImportResult import =
        ImportDxfBytes(model, DxfEntitiesFile("0/LINE/10/100/20/200/11/300/21/400"), "harbour.dxf");
    ASSERT_TRUE(import.added) << import.reason;
    EXPECT_EQ(import.reason, "");
    const TQLayer& layer = LayerOf(model, import);
    EXPECT_EQ(layer.Name.toStdString(), DxfImportLayerName(import.path));
    EXPECT_TRUE(layer.Name.startsWith("_dxf_") && layer.Name.endsWith("harbour.dxf"));
    EXPECT_TRUE(layer.Visible);
    EXPECT_TRUE(layer.Locked);
    EXPECT_EQ(model.CurrentLayer, layer.Id);
    EXPECT_EQ(model.ImportLayerId, layer.Id);
    EXPECT_EQ(model.GetLayerShapeIds(layer.Id).size(), 1u);
    // The view shows every visible shape, the earlier ones too.
    EXPECT_LE(model.ViewLeft, -5000);
    EXPECT_GE(model.ViewTop, 400);
    EXPECT_TRUE(BoundsUpToDate(model));
}

TEST(DxfImport, AFileOfTheSameNameReplacesItsEarlierImport) {
    TCanvasModel model;
    const std::string first = FreshTestPath("monday");
    const std::string second = FreshTestPath("tuesday");
    std::filesystem::create_directories(first);
    std::filesystem::create_directories(second);
    ASSERT_TRUE(
        WriteFileAtomically(first + "/site.dxf", DxfEntitiesFile("0/LINE/11/1/0/LINE/11/2")));
    ASSERT_TRUE(WriteFileAtomically(second + "/site.dxf", DxfEntitiesFile("0/CIRCLE/40/3")));
    ASSERT_TRUE(WriteFileAtomically(second + "/quay.dxf", DxfEntitiesFile("0/POINT")));
    std::string reason;
    ASSERT_TRUE(ReadDxfFile(model, first + "/site.dxf", reason));
    ASSERT_TRUE(ReadDxfFile(model, second + "/site.dxf", reason));
    ASSERT_TRUE(ReadDxfFile(model, second + "/quay.dxf", reason));
    const int site = model.FindLayerByName("_dxf_site.dxf");
    const int quay = model.FindLayerByName("_dxf_quay.dxf");
    ASSERT_GE(site, 0);
    ASSERT_GE(quay, 0);
    EXPECT_NE(site, quay);
    EXPECT_EQ(DxfShapes(model), "circle (0,0) r 3 pen 0/1\npoint (0,0) pen 0/1\n");
    EXPECT_EQ(model.GetLayerShapeIds(site).size(), 1u);
}

TEST(DxfImport, TheLastColouredLayerOfTheTableColoursTheLayer) {
    TCanvasModel model;
    const std::string file = DxfGroups(
        "0/SECTION/2/TABLES/0/TABLE/2/LAYER/70/4/0/LAYER/2/0/70/0/62/7/0/LAYER/2/PIER/62/3/"
        "0/LAYER/2/KERB/62/-3/0/LAYER/2//62/1/0/ENDTAB/0/ENDSEC/"
        "0/SECTION/2/ENTITIES/0/LINE/11/1/0/LINE/11/1/62/256/0/LINE/11/1/62/1/0/POINT/"
        "0/TEXT/1/T/0/ENDSEC/0/EOF");
    const TDxfImportResult import = ImportDxfBytes(model, file);
    // PIER is the last entry with a name and a colour: KERB is switched off (negative), the
    // last entry has no name.
    EXPECT_EQ(LayerOf(model, import).Color, 0x00FF00);
    EXPECT_EQ(DxfShapes(model),
              "line (0,0) (1,0) pen 65280/1\n"
              "line (0,0) (1,0) pen 65280/1\n"
              "line (0,0) (1,0) pen 255/1\n"
              "point (0,0) pen 65280/1\n"
              "text [T] (0,0) size 2.5 angle 0 Arial font -1 align 02 pen 65280/1\n");
}

TEST(DxfImport, AnInsertPlacesTheLinesOfItsBlock) {
    TCanvasModel model;
    // The CIRCLE inside MARK ends with "73 / 0" right before the code 0 of the second LINE.
    const std::string file = DxfGroups(
        "0/SECTION/2/BLOCKS/"
        "0/BLOCK/2/MARK/70/0/10/1/20/1/0/LINE/10/1/20/1/11/3/21/1/0/CIRCLE/40/1/73/0/"
        "0/LINE/10/1/20/1/11/1/21/2/0/ENDBLK/"
        "0/BLOCK/2/RINGS/0/CIRCLE/40/1/0/TEXT/1/x/0/ENDBLK/0/ENDSEC/"
        "0/SECTION/2/ENTITIES/0/INSERT/2/MARK/10/10/20/20/41/2/42/3/50/90/62/1/"
        "0/INSERT/2/MARK/0/INSERT/2/RINGS/0/ENDSEC/0/EOF");
    const TDxfImportResult import = ImportDxfBytes(model, file);
    ASSERT_TRUE(import.added) << import.reason;
    // (p - base) x scale, turned 90 degrees, moved to (10, 20); then the block as it stands.
    EXPECT_EQ(DxfShapes(model),
              "line (10,20) (10,24) pen 255/1\n"
              "line (10,20) (7,20) pen 255/1\n"
              "line (0,0) (2,0) pen 0/1\n"
              "line (0,0) (0,1) pen 0/1\n");
    ASSERT_EQ(model.Blocks.size(), 2u);
    EXPECT_EQ(model.FindBlock("MARK")->Shapes.size(), 2u);
    EXPECT_TRUE(model.FindBlock("RINGS")->Shapes.empty());
}

TEST(DxfImport, LineEndsByteOrderMarkAndAlignedCodesReadAlike) {
    const std::string plain = DxfEntitiesFile("0/LINE/8/0/10/1.5/20/2/11/3/21/4/62/5");
    std::string alignedCodes;
    const std::vector<std::string> lines = LinesOf(plain);
    for (size_t i = 0; i < lines.size(); ++i) {
        alignedCodes += (i % 2 == 0 ? std::string(3 - std::min<size_t>(3, lines[i].size()), ' ')
                                    : std::string()) +
                        lines[i] + " \t\r\n";
    }
    const struct {
        const char* legend;
        std::string bytes;
    } cases[] = {{"LF", plain},
                 {"CR LF with right-aligned codes and trailing blanks", alignedCodes},
                 {"a UTF-8 byte-order mark", "\xEF\xBB\xBF" + plain}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        TCanvasModel model;
        EXPECT_TRUE(ImportDxfBytes(model, c.bytes).added);
        EXPECT_EQ(DxfShapes(model), "line (1.5,2) (3,4) pen 16711680/1\n");
    }
}

TEST(DxfImport, AnEmptyEntitiesSectionEmptiesTheLayerAndFitsTheView) {
    TCanvasModel model;
    TDxfImportResult import = ImportDxfBytes(model, DxfEntitiesFile("0/LINE/11/1"), "plan.dxf");
    model.SetView(-50, 50, 50, -50);
    ASSERT_TRUE(WriteFileAtomically(import.path, DxfEntitiesFile("0/DIMENSION")));
    EXPECT_FALSE(ReadDxfFile(model, import.path, import.reason));
    EXPECT_EQ(import.reason, "");
    EXPECT_EQ(model.ShapeCount(), 0);
    EXPECT_TRUE(LayerOf(model, import).Locked);
    // No shape left: the default view.
    EXPECT_EQ(model.ViewLeft, 0);
    EXPECT_EQ(model.ViewBottom, 0);
}

TEST(DxfImport, TheFirstLinesAreNamedInTheDebugLog) {
    static QStringList messages;
    messages.clear();
    QLoggingCategory::setFilterRules("quellbay.dxf.debug=true");
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { messages.append(text); });
    TCanvasModel model;
    std::string groups;
    for (int i = 0; i < 7; ++i) groups += "0/LINE/8/Kerb " + std::to_string(i) + "/11/1/";
    const TDxfImportResult import = ImportDxfBytes(model, DxfEntitiesFile(groups + "0/POINT"));
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules("");
    ASSERT_EQ(messages.size(), 5);
    const int layer = LayerOf(model, import).Id;
    EXPECT_EQ(messages[0].toStdString(),
              "DXF LINE: layer='Kerb 0' lid=" + std::to_string(layer) + " visible=Y locked=Y");
    EXPECT_TRUE(messages[4].startsWith("DXF LINE: layer='Kerb 4'"));
}

}  // namespace
