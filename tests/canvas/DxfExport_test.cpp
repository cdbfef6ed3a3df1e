// The DXF file of a drawing, byte for byte, what comes back from it, and a write that fails.
#include "canvas/DxfExport.h"
#include "canvas/CanvasModel.h"
#include "canvas/DxfImport.h"
#include "canvas/QShapeCircle.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapePolyline.h"
#include "canvas/QShapeRectangle.h"
#include "canvas/QShapeText.h"
#include "platform/TextFile.h"
#include "tests/canvas/DxfTestSupport.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

namespace {

// Lines of a file, each ended by CR LF.
std::string CrLf(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return text;
}

void AddPolyline(TCanvasModel& model, int layer, int type, bool closed,
                 std::initializer_list<TWorldPoint> points) {
    auto polyline = std::make_unique<TQPolyline>(layer, type, closed);
    for (const TWorldPoint& p : points) polyline->AddVertex(p.X, p.Y);
    model.AddShape(std::move(polyline));
}

// Every kind, the kinds that are not written, an invisible shape, a missing layer, a text
// with a line break and Turkish letters.
void SmallDrawing(TCanvasModel& model) {
    const int quay = model.AddLayer("Quay");
    const int survey = model.AddLayer("\xC3\x96l\xC3\xA7\xC3\xBCm");  // "Ölçüm"
    const int hidden = model.AddLayer("Hidden/Layer?");
    model.AddLine(0, 0, 10, 5.5, quay);
    model.AddRectangle(1, 2, 3, 4, quay);
    const int text = model.AddText(survey,
                                   "\xC3\x87"
                                   "e\xC5\x9Fme\n\xC4\xB0skele",
                                   5, 6, 0);
    dynamic_cast<TQText*>(model.FindShape(text))->Size = 0;
    const int turned = model.AddText(quay, "Pier", 1, 1, 0);
    dynamic_cast<TQText*>(model.FindShape(turned))->Angle = 30;
    auto point = std::make_unique<TQPoint>(9, 7, 8);  // layer 9 has no record
    model.AddShape(std::move(point));
    model.AddCircle(1, 1, 2, survey);
    model.AddEllipse(0, 0, 4, 2, survey);
    AddPolyline(model, survey, stPolygon, true, {{9, 9}});
    AddPolyline(model, survey, stPolyline, false, {});
    AddPolyline(model, survey, stSpline, false, {{0, 0}, {1, 1}});
    model.AddShape(std::make_unique<TQRectangle>(quay, 0, 0, 1, 1, 0.0, 1));
    const int invisible = model.AddLine(0, 0, 1, 1, hidden);
    model.FindShape(invisible)->Visible = false;
    model.SetView(-10, 20, 30, -5);
}

// One entity or table entry per line.
// clang-format off
const std::string kSmallDrawing = CrLf({
    "0", "SECTION", "2", "HEADER", "9", "$ACADVER", "1", "AC1009", "9", "$DWGCODEPAGE", "3",
    "ANSI_1254", "9", "$INSBASE", "10", "0.0", "20", "0.0", "30", "0.0", "9", "$EXTMIN", "10",
    "LEFT", "20", "BOTTOM", "30", "0.0", "9", "$EXTMAX", "10", "RIGHT", "20", "TOP", "30", "0.0",
    "0", "ENDSEC",
    "0", "SECTION", "2", "TABLES", "0", "TABLE", "2", "LAYER", "70", "4",
    "0", "LAYER", "2", "Quay", "70", "0", "62", "7", "6", "CONTINUOUS",
    "0", "LAYER", "2", "\xD6l\xE7\xFCm", "70", "0", "62", "7", "6", "CONTINUOUS",
    "0", "LAYER", "2", "Hidden_Layer_", "70", "0", "62", "7", "6", "CONTINUOUS",
    "0", "ENDTAB", "0", "ENDSEC",
    "0", "SECTION", "2", "ENTITIES",
    "0", "LINE", "8", "Quay", "10", "0.000000", "20", "0.000000", "30", "0.0",
    "11", "10.000000", "21", "5.500000", "31", "0.0",
    "0", "POLYLINE", "8", "Quay", "66", "1", "70", "1",
    "0", "VERTEX", "8", "Quay", "10", "1.000000", "20", "2.000000", "30", "0.0",
    "0", "VERTEX", "8", "Quay", "10", "3.000000", "20", "2.000000", "30", "0.0",
    "0", "VERTEX", "8", "Quay", "10", "3.000000", "20", "4.000000", "30", "0.0",
    "0", "VERTEX", "8", "Quay", "10", "1.000000", "20", "4.000000", "30", "0.0",
    "0", "SEQEND", "8", "Quay",
    "0", "TEXT", "8", "\xD6l\xE7\xFCm", "10", "5.000000", "20", "6.000000", "30", "0.0",
    "40", "2.500000", "1", "\xC7" "e\xFEme \xDDskele",
    "0", "TEXT", "8", "Quay", "10", "1.000000", "20", "1.000000", "30", "0.0",
    "40", "10.000000", "1", "Pier", "50", "30.000000",
    "0", "POINT", "8", "0", "10", "7.000000", "20", "8.000000", "30", "0.0",
    "0", "CIRCLE", "8", "\xD6l\xE7\xFCm", "10", "1.000000", "20", "1.000000", "30", "0.0",
    "40", "2.000000",
    "0", "CIRCLE", "8", "\xD6l\xE7\xFCm", "10", "2.000000", "20", "1.000000", "30", "0.0",
    "40", "1.500000",
    "0", "POLYLINE", "8", "\xD6l\xE7\xFCm", "66", "1", "70", "1",
    "0", "VERTEX", "8", "\xD6l\xE7\xFCm", "10", "9.000000", "20", "9.000000", "30", "0.0",
    "0", "SEQEND", "8", "\xD6l\xE7\xFCm",
    "0", "ENDSEC", "0", "EOF",
});
// clang-format on

// The view fits the client, so its edges are those of the model.
std::string Expected(const TCanvasModel& model) {
    std::string text = kSmallDrawing;
    const auto put = [&](const std::string& name, double value) {
        char digits[64];
        std::snprintf(digits, sizeof digits, "%.6f", value);
        text.replace(text.find(name), name.size(), digits);
    };
    put("LEFT", model.ViewLeft);
    put("BOTTOM", model.ViewBottom);
    put("RIGHT", model.ViewRight);
    put("TOP", model.ViewTop);
    return text;
}

std::string Exported(const TCanvasModel& model) {
    const std::string path = FreshTestPath("export.dxf");
    std::string reason;
    EXPECT_TRUE(WriteDxfFile(model, path, reason)) << reason;
    return ReadFileBytes(path);
}

TEST(DxfExport, ASmallDrawingGivesTheseBytesUnderEveryLocale) {
    TCanvasModel model;
    SmallDrawing(model);
    const std::string expected = Expected(model);
    EXPECT_EQ(Exported(model), expected);
    for (const char* locale : {"tr_TR.UTF-8", "de_DE.UTF-8"}) {
        SCOPED_TRACE(locale);
        // The set-up script generates both.
        ASSERT_TRUE(std::setlocale(LC_ALL, locale));
        const std::string bytes = Exported(model);
        std::setlocale(LC_ALL, "C");
        EXPECT_EQ(bytes, expected);
    }
}

TEST(DxfExport, AnEmptyDrawingHasAnEmptyTableAndEntitiesSection) {
    TCanvasModel model;
    const std::string bytes = Exported(model);
    EXPECT_NE(bytes.find(CrLf({"0", "TABLE", "2", "LAYER", "70", "0", "0", "ENDTAB"})),
              std::string::npos);
    EXPECT_TRUE(bytes.ends_with(CrLf({"2", "ENTITIES", "0", "ENDSEC", "0", "EOF"})));
}

TEST(DxfExport, AShapeWithANumberThatIsNotFiniteIsLeftOut) {
    TCanvasModel model;
    model.AddLine(0, 0, std::numeric_limits<double>::quiet_NaN(), 1, 0);
    model.AddCircle(0, 0, std::numeric_limits<double>::infinity(), 0);
    model.AddPoint(1, 2, 0);
    const std::string bytes = Exported(model);
    EXPECT_EQ(bytes.find("LINE"), std::string::npos);
    EXPECT_EQ(bytes.find("CIRCLE"), std::string::npos);
    EXPECT_NE(bytes.find(CrLf({"0", "POINT", "8", "Default"})), std::string::npos);
}

// A drawing at grid coordinates comes back from its file as it was. Every coordinate here has
// six decimals or fewer, as many as the file holds, so each one reads back as the same double:
// a northing of 4,500,000 keeps its micrometres, where single-precision vertices lost 0.25 m.
TEST(DxfExport, ADrawingAtGridCoordinatesComesBackAsItWas) {
    TCanvasModel model;
    const int quay = model.AddLayer("Quay");
    model.AddLine(500123.4567, 4500321.0987, 500223.000001, 4500421.999999, quay);
    model.AddPolyline(
        {{500000.123456, 4499999.654321}, {500100.000001, 4500050.999999}, {500050.5, 4500100.25}},
        quay, true);
    model.AddPolyline({{499999.999999, 4500000.000001}, {500000.000001, 4499999.999999}}, quay,
                      false);
    model.AddCircle(500010.0005, 4500020.0005, 12.3456, quay);
    model.AddPoint(500001.000001, 4500002.000002, quay);
    model.AddText(quay, "Pier 3", 500003.0003, 4500004.0004, 0);
    const std::string path = FreshTestPath("grid.dxf");
    std::string reason;
    ASSERT_TRUE(WriteDxfFile(model, path, reason)) << reason;
    TCanvasModel back;
    ASSERT_TRUE(ReadDxfFile(back, path, reason)) << reason;
    ASSERT_EQ(back.Shapes().size(), model.Shapes().size());
    for (size_t i = 0; i < model.Shapes().size(); ++i) {
        SCOPED_TRACE(DxfShape(*model.Shapes()[i]));
        EXPECT_EQ(back.Shapes()[i]->ShapeType, model.Shapes()[i]->ShapeType);
        const std::vector<TWorldPoint> written = DxfShapePoints(*model.Shapes()[i]);
        const std::vector<TWorldPoint> read = DxfShapePoints(*back.Shapes()[i]);
        ASSERT_EQ(read.size(), written.size());
        for (size_t k = 0; k < written.size(); ++k) {
            EXPECT_DOUBLE_EQ(read[k].X, written[k].X) << "point " << k;
            EXPECT_DOUBLE_EQ(read[k].Y, written[k].Y) << "point " << k;
        }
    }
    EXPECT_DOUBLE_EQ(static_cast<const TQCircle&>(*back.Shapes()[3]).R, 12.3456);
}

TEST(DxfExport, AFailedWriteLeavesTheOldFileAndSaysWhy) {
    TCanvasModel model;
    for (int i = 0; i < 2000; ++i) model.AddLine(i, 0, i, 100, 0);
    const std::string path = FreshTestPath("kept.dxf");
    const std::string old = "the surveyor's earlier export\r\n";
    ASSERT_TRUE(WriteFileAtomically(path, old));
    std::string reason;
    {
        const TFileSizeLimit limit(4096);
        ASSERT_TRUE(limit.Applied());
        EXPECT_FALSE(WriteDxfFile(model, path, reason));
    }
    EXPECT_EQ(reason, "cannot write the file: File too large");
    EXPECT_EQ(ReadFileBytes(path), old);
    EXPECT_FALSE(WriteDxfFile(model, FreshTestPath("no folder") + "/x.dxf", reason));
    EXPECT_TRUE(reason.starts_with("cannot create the file: ")) << reason;
}

}  // namespace
