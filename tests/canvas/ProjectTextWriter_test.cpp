// The writer checked on its own: the file is inflated with zlib here, not through our reader.
#include "canvas/CanvasModel.h"
#include "canvas/ProjectFile.h"
#include "canvas/QShapeRectangle.h"
#include "canvas/QShapeText.h"
#include "platform/Clock.h"
#include "tests/canvas/ProjectTestSupport.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <map>
#include <regex>

namespace {

// A drawing with every kind the file holds, and some it leaves out.
void BuildDrawing(TCanvasModel& m) {
    m.SetView(-10.5, 120, 990.25, -20);
    const int survey = m.AddLayer("Survey Lines");
    const int turkish = m.AddLayer(QString::fromUtf8("\xC3\x96l\xC3\xA7\xC3\xBCm"));
    m.AddLayer("tab\there\r\nand break");
    const int rectangle = m.AddRectangle(500000.125, 4100000.5, 500010, 4100020, survey);
    m.SetShapeFillColor(rectangle, 0x00FF00);
    dynamic_cast<TQRectangle*>(m.FindShape(rectangle))->Value = -3.25;
    m.AddLine(1, 2, 3, 4, survey);
    m.AddEllipse(0, 0, 5, 3, turkish);
    m.AddCircle(7, 8, 9, turkish);
    m.AddPoint(-1.5, 2.5, survey);
    m.AddPolyline({{0, 0}, {1, 0}, {1, 1}}, survey, true);
    m.AddPolyline({{0, 0}, {2, 2}}, survey, false);
    const int text = m.AddText(survey, "a\nb", 1, 2, 0);
    auto* t = dynamic_cast<TQText*>(m.FindShape(text));
    t->Bold = true;
    t->Size = 12.5;
    t->Angle = 30;
    t->FontName = "Courier New";
    const int plain = m.AddText(survey, "", 0, 0, 0);
    dynamic_cast<TQText*>(m.FindShape(plain))->FontName = "";
    m.AddShape(std::make_unique<TQRectangle>(survey, 0, 0, 1, 1, 0.0, 1));  // rounded: left out
    m.AddArc(0, 0, 1, 1, 2, 0, survey);                                     // arc object: left out
    m.AddLine(std::nan(""), 0, 1, 1, survey);  // no reader could take it back: left out
}

std::string SavedText(const TCanvasModel& model) {
    return SaveAndInflate(model, FreshTestPath("written.smk"));
}

class ProjectTextWriterTest : public ::testing::Test {
protected:
    ProjectTextWriterTest() { BuildDrawing(model); }

    TTestClock clock{QDateTime(QDate(2024, 5, 17), QTime(9, 5, 7, 891))};
    TCanvasModel model;
};

TEST_F(ProjectTextWriterTest, FileIsTheMagicAndOneCompleteZlibStream) {
    const std::string path = FreshTestPath("magic.smk");
    std::string reason;
    ASSERT_TRUE(WriteProjectFile(model, path, reason)) << reason;
    const std::string bytes = ReadFileBytes(path);
    ASSERT_GT(bytes.size(), 6u);
    EXPECT_EQ(bytes.substr(0, 4), "SMK1");
    EXPECT_EQ(bytes[4], '\x78') << "a zlib header";
    std::string text;
    size_t trailing = 1;
    EXPECT_TRUE(InflateOneStream(std::string_view(bytes).substr(4), text, trailing));
    EXPECT_EQ(trailing, 0u) << "nothing after the stream";
}

TEST_F(ProjectTextWriterTest, EveryLineHasItsKeywordsForm) {
    const std::vector<std::string> lines = LinesOf(SavedText(model));
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "# Stellmark - SMK");
    EXPECT_TRUE(lines[1].size() > 1 && lines[1][0] == '#');
    EXPECT_TRUE(std::regex_match(
        lines[2], std::regex(R"(# Created on: \d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}\.\d{2})")));
    EXPECT_EQ(lines[2], "# Created on: 2024-05-17 09:05:07.89");
    EXPECT_EQ(lines[3], "#");

    const std::string R = R"(-?\d+\.\d{6})", I = R"(-?\d+)", P = " " + I + " " + I + " " + I;
    const std::map<std::string, std::regex> forms = {
        {"WORLD", std::regex("WORLD " + R + " " + R + " " + R + " " + R)},
        {"LAYER", std::regex("LAYER " + I + " [^\\x00-\\x1F]*")},
        {"RECTANGLE", std::regex("RECTANGLE( " + R + "){4}" + P + " " + I + " " + I + " " + R)},
        {"LINE", std::regex("LINE( " + R + "){4}" + P)},
        {"ELLIPSE", std::regex("ELLIPSE( " + R + "){4}" + P)},
        {"CIRCLE", std::regex("CIRCLE( " + R + "){3}" + P)},
        {"POINT", std::regex("POINT( " + R + "){2}" + P + " " + R)},
        {"POLYGON", std::regex("POLYGON " + I + " (\\d+) " + I + " " + I)},
        {"POLYLINE", std::regex("POLYLINE " + I + " (\\d+) " + I + " " + I)},
        {"TEXT", std::regex("TEXT( " + R + "){2}( " + I + "){3}( " + R + "){2} [01] [01] \\S+ .*")},
    };
    const std::regex vertex(R + " " + R);
    std::map<std::string, int> counts;
    for (size_t i = 4; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i]);
        const std::string keyword = lines[i].substr(0, lines[i].find(' '));
        ASSERT_TRUE(forms.count(keyword)) << "unexpected keyword";
        std::smatch match;
        ASSERT_TRUE(std::regex_match(lines[i], match, forms.at(keyword)));
        ++counts[keyword];
        if (keyword != "POLYGON" && keyword != "POLYLINE") continue;
        for (int v = std::stoi(match[1]); v > 0; --v) {
            ASSERT_LT(++i, lines.size());
            EXPECT_TRUE(std::regex_match(lines[i], vertex)) << lines[i];
        }
    }
    const std::map<std::string, int> expected = {
        {"WORLD", 1},  {"LAYER", 4}, {"RECTANGLE", 1}, {"LINE", 1},     {"ELLIPSE", 1},
        {"CIRCLE", 1}, {"POINT", 1}, {"POLYGON", 1},   {"POLYLINE", 1}, {"TEXT", 2}};
    EXPECT_EQ(counts, expected) << "rounded rectangle, arc object and NaN line left out";
}

TEST_F(ProjectTextWriterTest, NamesTextsAndFontsStayOnOneLine) {
    const std::vector<std::string> lines = LinesOf(SavedText(model));
    const auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(has("WORLD -10.500000 990.250000 -20.000000 120.000000"));
    EXPECT_TRUE(has("LAYER 0 Default"));
    EXPECT_TRUE(has("LAYER 1 Survey Lines"));
    EXPECT_TRUE(has("LAYER 2 \xC3\x96l\xC3\xA7\xC3\xBCm")) << "UTF-8";
    EXPECT_TRUE(has("LAYER 3 tab here  and break")) << "control characters as blanks";
    EXPECT_TRUE(
        has("RECTANGLE 500000.125000 4100000.500000 500010.000000 4100020.000000 1 0 1 "
            "65280 1 -3.250000"));
    EXPECT_TRUE(has("TEXT 1.000000 2.000000 1 0 0 12.500000 30.000000 1 0 Courier_New a b"));
    EXPECT_TRUE(has("TEXT 0.000000 0.000000 1 0 0 10.000000 0.000000 0 0 0 ")) << "empty font";
    EXPECT_TRUE(has("POLYGON 1 3 0 1"));
    EXPECT_TRUE(has("1.000000 0.000000"));
}

TEST_F(ProjectTextWriterTest, SameBytesUnderTurkishAndGermanLocales) {
    const std::string c = SavedText(model);
    for (const char* locale : {"tr_TR.UTF-8", "de_DE.UTF-8"}) {
        SCOPED_TRACE(locale);
        if (!std::setlocale(LC_ALL, locale)) {
            std::setlocale(LC_ALL, "C");
            GTEST_SKIP() << locale << " is not installed";
        }
        const std::string text = SavedText(model);
        std::setlocale(LC_ALL, "C");
        EXPECT_EQ(text, c);
    }
}

}  // namespace
