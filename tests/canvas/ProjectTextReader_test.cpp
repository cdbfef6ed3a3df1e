// The reader checked on its own: project texts written here, plain and compressed with zlib at
// levels 1 and 9, read into the model and compared with the expected drawing.
#include "canvas/CanvasModel.h"
#include "canvas/ProjectFile.h"
#include "platform/TextFile.h"
#include "tests/canvas/ProjectTestSupport.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

// The drawing every case starts from: a coloured layer, a line on it and a selection.
void BuildStart(TCanvasModel& m) {
    const int survey = m.AddLayer("Survey Lines");
    m.SetLayerColor(survey, 0x0000FF);
    m.SetLayerLineWidth(survey, 3);
    m.AddLayer("Orvalt Grid");
    m.AddLine(0, 0, 1, 1, survey);
    m.SelectedIds = {1};
}

struct TReaderCase {
    const char* legend;
    int mode;
    const char* text;
    const char* expected;  // Describe() of the drawing afterwards
};

const TReaderCase kCases[] = {
    {"comments, lines with a blank before '#', unknown and lower-case keywords are skipped", 0,
     "# comment\n"
     " # not a comment, but no keyword either\n"
     "UNKNOWN 1 2 3\n"
     "line 1 2 3 4 0\n"
     "\n"
     "LINE 0 0 10 10 0\n",
     "view 0 1000 0 1000\n"
     "current layer 0 next ids 1 2 selected\n"
     "layer 0 [Default] tag 0\n"
     "shape 1 type 3 layer 0 pen 0/1 0 0 10 10 fill 16777215 brush 1\n"},
    {"missing trailing fields take their defaults", 0,
     "LAYER 0 Default\n"
     "LAYER 5 Depths\n"
     "CIRCLE 1 2 3 5\n"
     "RECTANGLE 0 0 4 2 5\n"
     "POINT 5 6 5\n"
     "TEXT 1 1 5 0\n"
     "ELLIPSE 0 0 2 1 5\n"
     "POLYLINE 5 2\n"
     "1 1\n"
     "2 3\n",
     "view 0 1000 0 1000\n"
     "current layer 1 next ids 2 7 selected\n"
     "layer 0 [Default] tag 0\n"
     "layer 1 [Depths] tag 0\n"
     "shape 1 type 19 layer 1 pen 0/1 1 2 3 fill 16777215 brush 1\n"
     "shape 2 type 1 layer 1 pen 0/1 0 0 4 2 fill 0 brush 0 value 0\n"
     "shape 3 type 17 layer 1 pen 0/1 5 6 value 0 radius 3\n"
     "shape 4 type 11 layer 1 pen 0/1 1 1 font Arial 10 angle 0 index 0 align 00 []\n"
     "shape 5 type 20 layer 1 pen 0/1 0 0 2 1 fill 16777215 brush 1\n"
     "shape 6 type 5 layer 1 pen 0/1 open 1,1 2,3\n"},
    {"ARC records and the colour rule of the shapes the reader builds", 0,
     "ARC 0 0 1 1 2 0 0 255 3\n"
     "ARC 0 0 1 1 2 0 0 0 3\n"
     "ELLIPSE 0 0 1 1 0 0 4\n"
     "POLYGON 0 3 65280 2\n"
     "0 0\n"
     "1 0\n"
     "1 1\n"
     "SPLINE 0 0\n"
     "ARC3P 0 2 0 7\n"
     "0 0\n"
     "-1e1 +2.5E0\n",
     "view 0 1000 0 1000\n"
     "current layer 0 next ids 1 7 selected\n"
     "layer 0 [Default] tag 0\n"
     "shape 1 type 10 layer 0 pen 255/3 arc 0 0 1 1 2 0\n"
     "shape 2 type 10 layer 0 pen 0/1 arc 0 0 1 1 2 0\n"
     "shape 3 type 20 layer 0 pen 0/1 0 0 1 1 fill 16777215 brush 1\n"
     "shape 4 type 6 layer 0 pen 65280/2 closed 0,0 1,0 1,1\n"
     "shape 5 type 8 layer 0 pen 0/1 open\n"
     "shape 6 type 10 layer 0 pen 0/1 open 0,0 -10,2.5\n"},
    {"layer ids without a LAYER record: lines and texts go to Default, the rest keep the id", 0,
     "WORLD 100 200 50 150\n"
     "LINE 0 0 1 1 7\n"
     "POINT 0 0 7 255 2 1.5\n"
     "TEXT 0 0 7 0 0 12 0 0 0 0 hello  world\n"
     "TEXT 1 2 7 3 255 12.5 30 1 1 Courier_New  two blanks\n"
     "TEXT 1 2 7 0 0 10 0 0 0 Arial \n",
     "view 100 200 50 150\n"
     "current layer 0 next ids 1 6 selected\n"
     "layer 0 [Default] tag 0\n"
     "shape 1 type 3 layer 0 pen 0/1 0 0 1 1 fill 16777215 brush 1\n"
     "shape 2 type 17 layer 7 pen 255/2 0 0 value 1.5 radius 3\n"
     "shape 3 type 11 layer 0 pen 0/1 0 0 font Arial 12 angle 0 index 0 align 00 "
     "[hello  world]\n"
     "shape 4 type 11 layer 0 pen 255/1 1 2 font Courier_New 12.5 bold italic angle 30 index 3 "
     "align 00 [ two blanks]\n"
     "shape 5 type 11 layer 0 pen 0/1 1 2 font Arial 10 angle 0 index 0 align 00 []\n"},
    {"merge: file layers land on layers of the same name, whatever the ids", 2,
     "LAYER 0 Orvalt Grid\n"
     "LAYER 1 Survey Lines\n"
     "LAYER 2 New Layer\n"
     "LINE 0 0 5 5 1\n"
     "CIRCLE 1 1 1 1 255 2\n"
     "LINE 0 0 1 1 0\n"
     "POINT 3 3 2\n",
     "view 0 1000 0 1000\n"
     "current layer 3 next ids 4 6 selected 1\n"
     "layer 0 [Default] tag 0\n"
     "layer 1 [Survey Lines] tag 0\n"
     "layer 2 [Orvalt Grid] tag 0\n"
     "layer 3 [New Layer] tag 0\n"
     "shape 1 type 3 layer 1 pen 255/3 0 0 1 1 fill 16777215 brush 1\n"
     "shape 2 type 3 layer 1 pen 255/3 0 0 5 5 fill 16777215 brush 1\n"
     "shape 3 type 19 layer 1 pen 255/2 1 1 1 fill 16777215 brush 1\n"
     "shape 4 type 3 layer 2 pen 0/1 0 0 1 1 fill 16777215 brush 1\n"
     "shape 5 type 17 layer 3 pen 0/1 3 3 value 0 radius 3\n"},
    {"merge without LAYER records keeps the current layer", 1, "LINE 0 0 2 2 0\n",
     "view 0 1000 0 1000\n"
     "current layer 2 next ids 3 3 selected 1\n"
     "layer 0 [Default] tag 0\n"
     "layer 1 [Survey Lines] tag 0\n"
     "layer 2 [Orvalt Grid] tag 0\n"
     "shape 1 type 3 layer 1 pen 255/3 0 0 1 1 fill 16777215 brush 1\n"
     "shape 2 type 3 layer 0 pen 0/1 0 0 2 2 fill 16777215 brush 1\n"},
};

TEST(ProjectTextReader, ReadsEachTextPlainAndCompressed) {
    for (const TReaderCase& c : kCases) {
        for (const int level : {-1, 1, 9}) {
            SCOPED_TRACE(std::string(c.legend) + ", zlib level " + std::to_string(level));
            const std::string path = FreshTestPath("read.smk");
            ASSERT_TRUE(WriteFileAtomically(
                path, level < 0 ? std::string(c.text) : CompressedProject(c.text, level)));
            TCanvasModel model;
            BuildStart(model);
            std::string reason;
            EXPECT_TRUE(ReadProjectFile(model, path, c.mode, reason)) << reason;
            EXPECT_EQ(Describe(model), c.expected);
            EXPECT_TRUE(BoundsUpToDate(model));
            EXPECT_TRUE(model.Dirty);
        }
    }
}

struct TAcceptedCase {
    const char* legend;
    std::string bytes;
    const char* expected;
};

TEST(ProjectTextReader, AcceptsEmptyPlainCrLfWindows1254AndControlCharacters) {
    const TAcceptedCase cases[] = {
        {"an empty file leaves the single layer Default", "",
         "view 0 1000 0 1000\ncurrent layer 0 next ids 1 1 selected\nlayer 0 [Default] tag 0\n"},
        {"CR LF text, as edited on Windows",
         "LAYER 3 Name\r\nTEXT 0 0 3 0 0 10 0 0 0 Arial hi\r\n\r\n",
         "view 0 1000 0 1000\ncurrent layer 1 next ids 2 2 selected\nlayer 0 [Default] tag 0\n"
         "layer 1 [Name] tag 0\n"
         "shape 1 type 11 layer 1 pen 0/1 0 0 font Arial 10 angle 0 index 0 align 00 [hi]\n"},
        {"Windows-1254 names and texts",
         "LAYER 1 \xD6l\xE7\xFCm\nTEXT 0 0 1 0 0 10 0 0 0 0 \xDD\xFE\n",
         "view 0 1000 0 1000\ncurrent layer 1 next ids 2 2 selected\nlayer 0 [Default] tag 0\n"
         "layer 1 [\xC3\x96l\xC3\xA7\xC3\xBCm] tag 0\n"
         "shape 1 type 11 layer 1 pen 0/1 0 0 font Arial 10 angle 0 index 0 align 00 "
         "[\xC4\xB0\xC5\x9F]\n"},
        {"control characters read as the writer writes them: names that differ only by one "
         "are one layer, and a font name stays one word",
         "LAYER 1 a\tb\nLAYER 2 a b\nPOINT 0 0 1\nPOINT 1 1 2\n"
         "TEXT 0 0 2 0 0 10 0 0 0 Ar\x01ial x\ty\x7F\n",
         "view 0 1000 0 1000\ncurrent layer 1 next ids 2 4 selected\nlayer 0 [Default] tag 0\n"
         "layer 1 [a b] tag 0\n"
         "shape 1 type 17 layer 1 pen 0/1 0 0 value 0 radius 3\n"
         "shape 2 type 17 layer 1 pen 0/1 1 1 value 0 radius 3\n"
         "shape 3 type 11 layer 1 pen 0/1 0 0 font Ar_ial 10 angle 0 index 0 align 00 [x y ]\n"},
        {"a line without its LF at the end of the file", "POINT 1 2 0",
         "view 0 1000 0 1000\ncurrent layer 0 next ids 1 2 selected\nlayer 0 [Default] tag 0\n"
         "shape 1 type 17 layer 0 pen 0/1 1 2 value 0 radius 3\n"},
    };
    for (const TAcceptedCase& c : cases) {
        SCOPED_TRACE(c.legend);
        const std::string path = FreshTestPath("accepted.smk");
        ASSERT_TRUE(WriteFileAtomically(path, c.bytes));
        TCanvasModel model;
        BuildStart(model);
        std::string reason;
        EXPECT_TRUE(ReadProjectFile(model, path, 0, reason)) << reason;
        EXPECT_EQ(Describe(model), c.expected);
    }
}

// A hostile layer table: every LAYER record looks its name up and every shape its layer, so a
// lookup that walked the layers made this load take minutes. It loads whole, in both modes.
TEST(ProjectTextReader, TwoHundredThousandLayersLoadWhole) {
    constexpr int kLayers = 200000;
    constexpr int kLines = 100000;
    std::string text;
    for (int i = 1; i <= kLayers; ++i) {
        text += "LAYER " + std::to_string(i) + " L" + std::to_string(i) + "\n";
    }
    for (int i = 0; i < kLines; ++i) text += "LINE 0 0 1 1 " + std::to_string(kLayers - i) + "\n";
    const std::string path = FreshTestPath("layers.smk");
    ASSERT_TRUE(WriteFileAtomically(path, CompressedProject(text, 1)));
    for (const int mode : {0, 2}) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        TCanvasModel model;
        BuildStart(model);
        std::string reason;
        ASSERT_TRUE(ReadProjectFile(model, path, mode, reason)) << reason;
        const int before = mode == 0 ? 1 : 3;  // Default, and the start's two layers merged into
        EXPECT_EQ(model.Layers().size(), static_cast<size_t>(before + kLayers));
        const int last = model.FindLayerByName("L" + QString::number(kLayers));
        EXPECT_EQ(last, before + kLayers - 1);
        EXPECT_EQ(model.GetLayerShapeIds(last).size(), 1u);
        EXPECT_TRUE(model.GetLayerShapeIds(model.FindLayerByName("L1")).empty());
        EXPECT_EQ(model.ShapeCount(), kLines + (mode == 0 ? 0 : 1));
    }
}

TEST(ProjectTextReader, ReplacingCancelsADrawingUnderWay) {
    const std::string path = FreshTestPath("replace.smk");
    ASSERT_TRUE(WriteFileAtomically(path, "LINE 0 0 1 1 0\n"));
    TCanvasModel model;
    model.ToolActive = model.PointPending = true;
    model.PendingShape = std::make_unique<TQPolyline>(0, stPolyline, false);
    std::string reason;
    ASSERT_TRUE(ReadProjectFile(model, path, 2, reason));
    EXPECT_TRUE(model.ToolActive && model.PendingShape) << "a merge keeps it";
    ASSERT_TRUE(ReadProjectFile(model, path, 0, reason));
    EXPECT_FALSE(model.ToolActive || model.PointPending || model.PendingShape);
}

}  // namespace
