// Saving and loading again: one row per shape kind and case. Each row names what comes back
// (kinds, layers and pens; coordinates rounded to the file's six decimals, so within 5e-7) and
// checks that saving the loaded drawing gives the same text apart from the date line.
#include "canvas/CanvasModel.h"
#include "canvas/ProjectFile.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapeRectangle.h"
#include "canvas/QShapeText.h"
#include "tests/canvas/ProjectTestSupport.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using TBuild = std::function<void(TCanvasModel&, int layer)>;

struct TRoundTripCase {
    const char* legend;
    TBuild build;
    const char* expected;  // DescribeShapes() after loading
};

TQText& NewText(TCanvasModel& m, int layer, const QString& text) {
    return *dynamic_cast<TQText*>(m.FindShape(m.AddText(layer, text, 10.25, -20.5, 0)));
}

TBuild Polyline(int type, bool closed) {
    return [=](TCanvasModel& m, int layer) {
        auto polyline = std::make_unique<TQPolyline>(layer, type, closed);
        polyline->Vertices = {{500123.4567891, 4100000.1}, {1.5, -2.25}, {3, 4}};
        polyline->UpdateBounds();
        m.AddShape(std::move(polyline));
    };
}

const TRoundTripCase kCases[] = {
    {"rectangle with its fill, brush and value",
     [](TCanvasModel& m, int layer) {
         const int id =
             m.AddRectangle(500123.4567891, 4100000.2500004, 500200.75, -0.0000004, layer);
         m.SetShapeColor(id, 0x0000FF);
         m.SetShapeLineWidth(id, 2);
         m.SetShapeFillColor(id, 0x00FF00);
         m.SetShapeBrushStyle(id, bsSolid);
         dynamic_cast<TQRectangle*>(m.FindShape(id))->Value = 12.3456789;
     },
     "type 1 layer 1 pen 255/2 500123.456789 4100000.25 500200.75 -0 fill 65280 brush 0 value "
     "12.345679\n"},
    {"line of colour 0 takes its layer's pen",
     [](TCanvasModel& m, int layer) { m.AddLine(1.0000001, 2, 3, 4, layer); },
     "type 3 layer 1 pen 0/1 1 2 3 4 fill 16777215 brush 1\n"},
    {"line of a colour keeps colour and width",
     [](TCanvasModel& m, int layer) {
         const int id = m.AddLine(1, 2, 3, 4, layer);
         m.SetShapeColor(id, 0x123456);
         m.SetShapeLineWidth(id, 4);
     },
     "type 3 layer 1 pen 1193046/4 1 2 3 4 fill 16777215 brush 1\n"},
    {"circle of colour 0", [](TCanvasModel& m, int layer) { m.AddCircle(7, 8, 9.5, layer); },
     "type 19 layer 1 pen 0/1 7 8 9.5 fill 16777215 brush 1\n"},
    {"circle of a colour",
     [](TCanvasModel& m, int layer) {
         const int id = m.AddCircle(7, 8, 9.5, layer);
         m.SetShapeColor(id, 0xFF);
         m.SetShapeLineWidth(id, 3);
     },
     "type 19 layer 1 pen 255/3 7 8 9.5 fill 16777215 brush 1\n"},
    {"ellipse of code 4 comes back as 20",
     [](TCanvasModel& m, int layer) {
         const int id = m.AddEllipse(0, 0, 5, 3, layer);
         m.FindShape(id)->ShapeType = stEllipseTool;
         m.SetShapeColor(id, 0xFF);
         m.SetShapeLineWidth(id, 2);
     },
     "type 20 layer 1 pen 255/2 0 0 5 3 fill 16777215 brush 1\n"},
    {"polyline of code 5, closed, comes back as 6", Polyline(stPolyline, true),
     "type 6 layer 1 pen 0/1 closed 500123.456789,4100000.1 1.5,-2.25 3,4\n"},
    {"polyline of code 5, open", Polyline(stPolyline, false),
     "type 5 layer 1 pen 0/1 open 500123.456789,4100000.1 1.5,-2.25 3,4\n"},
    {"polyline of code 6, open, comes back as 5", Polyline(stPolygon, false),
     "type 5 layer 1 pen 0/1 open 500123.456789,4100000.1 1.5,-2.25 3,4\n"},
    {"polyline of code 6, closed", Polyline(stPolygon, true),
     "type 6 layer 1 pen 0/1 closed 500123.456789,4100000.1 1.5,-2.25 3,4\n"},
    {"spline, closed, comes back open", Polyline(stSpline, true),
     "type 8 layer 1 pen 0/1 open 500123.456789,4100000.1 1.5,-2.25 3,4\n"},
    {"spline, open", Polyline(stSpline, false),
     "type 8 layer 1 pen 0/1 open 500123.456789,4100000.1 1.5,-2.25 3,4\n"},
    {"three-point arc, closed, comes back open", Polyline(stArc3P, true),
     "type 10 layer 1 pen 0/1 open 500123.456789,4100000.1 1.5,-2.25 3,4\n"},
    {"three-point arc, open", Polyline(stArc3P, false),
     "type 10 layer 1 pen 0/1 open 500123.456789,4100000.1 1.5,-2.25 3,4\n"},
    {"text: bold, italic, size, angle and font",
     [](TCanvasModel& m, int layer) {
         TQText& t = NewText(m, layer, "Depth 12.5");
         t.Bold = t.Italic = true;
         t.Size = 14.5;
         t.Angle = -45.125;
         t.FontName = "Courier";
         t.Color = 0x800000;
         t.HAlign = taCenter;
     },
     "type 11 layer 1 pen 8388608/1 10.25 -20.5 font Courier 14.5 bold italic angle -45.125 "
     "index 0 align 00 [Depth 12.5]\n"},
    {"text: empty", [](TCanvasModel& m, int layer) { NewText(m, layer, ""); },
     "type 11 layer 1 pen 0/1 10.25 -20.5 font Arial 10 angle 0 index 0 align 00 []\n"},
    {"text: a leading blank stays",
     [](TCanvasModel& m, int layer) { NewText(m, layer, "  two blanks "); },
     "type 11 layer 1 pen 0/1 10.25 -20.5 font Arial 10 angle 0 index 0 align 00 "
     "[  two blanks ]\n"},
    {"text: a line break comes back as a blank",
     [](TCanvasModel& m, int layer) { NewText(m, layer, "first\r\nsecond"); },
     "type 11 layer 1 pen 0/1 10.25 -20.5 font Arial 10 angle 0 index 0 align 00 "
     "[first  second]\n"},
    {"text: a font name with blanks comes back with underscores",
     [](TCanvasModel& m, int layer) { NewText(m, layer, "T").FontName = "Times New Roman"; },
     "type 11 layer 1 pen 0/1 10.25 -20.5 font Times_New_Roman 10 angle 0 index 0 align 00 "
     "[T]\n"},
    {"point comes back with radius 3",
     [](TCanvasModel& m, int layer) {
         const int id = m.AddPoint(-1.5, 2.5, layer);
         auto* point = dynamic_cast<TQPoint*>(m.FindShape(id));
         point->Radius = 7;
         point->Value = -4.75;
         point->LineWidth = 4;
     },
     "type 17 layer 1 pen 0/4 -1.5 2.5 value -4.75 radius 3\n"},
    {"rounded rectangle and arc object are dropped",
     [](TCanvasModel& m, int layer) {
         m.AddShape(std::make_unique<TQRectangle>(layer, 0, 0, 1, 1, 0.0, 1));
         m.AddArc(0, 0, 1, 1, 2, 0, layer);
     },
     ""},
};

// The saved text of the drawing without its date line.
std::string SavedWithoutDate(const TCanvasModel& model, const std::string& path) {
    std::vector<std::string> lines = LinesOf(SaveAndInflate(model, path));
    if (lines.size() > 2) lines.erase(lines.begin() + 2);
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// Saves the drawing, loads the file into `loaded` and returns the saved text.
std::string RoundTrip(const TCanvasModel& original, TCanvasModel& loaded) {
    const std::string path = FreshTestPath("trip.smk");
    const std::string text = SavedWithoutDate(original, path);
    std::string reason;
    EXPECT_TRUE(ReadProjectFile(loaded, path, 0, reason)) << reason;
    return text;
}

std::string SavedAgain(const TCanvasModel& loaded) {
    return SavedWithoutDate(loaded, FreshTestPath("again.smk"));
}

TEST(ProjectRoundTrip, EachKindComesBackAsTheFileHoldsIt) {
    for (const TRoundTripCase& c : kCases) {
        SCOPED_TRACE(c.legend);
        TCanvasModel original;
        c.build(original, original.AddLayer("Survey"));
        TCanvasModel loaded;
        const std::string first = RoundTrip(original, loaded);
        EXPECT_EQ(DescribeShapes(loaded), c.expected);
        EXPECT_TRUE(BoundsUpToDate(loaded));
        EXPECT_EQ(SavedAgain(loaded), first) << "saving again";
    }
}

TEST(ProjectRoundTrip, LayerNamesWithBlanksAndTurkishLettersComeBackWhole) {
    TCanvasModel original;
    const QString names[] = {"~~Orvalt Vessel", "Orvalt Grid",
                             QString::fromUtf8("\xC3\x96l\xC3\xA7\xC3\xBCm Hatt\xC4\xB1 "
                                               "\xC4\xB0\xC5\x9F\xC4\x9F"),
                             " leading and trailing "};
    for (const QString& name : names) original.AddPoint(1, 1, original.AddLayer(name));
    TCanvasModel loaded;
    const std::string first = RoundTrip(original, loaded);
    ASSERT_EQ(loaded.Layers().size(), 5u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(loaded.Layers()[i + 1]->Name, names[i]);
        EXPECT_EQ(loaded.Shapes()[i]->LayerId, i + 1);
    }
    EXPECT_EQ(SavedAgain(loaded), first);
}

}  // namespace
