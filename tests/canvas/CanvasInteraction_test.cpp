#include "tests/canvas/ScriptedCanvas.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

struct TScriptCase {
    const char* legend;
    int drawMode = 0;
    bool keepDrawMode = false;
    const char* script;
    std::vector<std::string> shapes;
    std::vector<std::string> events;
    int finalDrawMode = 0;
    bool toolActive = false, pointPending = false, swallowNextClick = false;
    std::vector<int> selected = {};
    const char* view = "0,0 400x300";
};

const TScriptCase kScripts[] = {
    {.legend = "rectangle: two clicks, then the right button ends the tool",
     .drawMode = 1,
     .script = "L10,20 ~40,50 L50,60 R50,60",
     .shapes = {"#3 rectangle on 2: 10,280 50,240"},
     .events = {"down 1 0 1 10,280", "cursor cross", "begin 1 10,280", "move 0 40,250 42.43 -45.00",
                "down 1 0 1 50,240", "end 1 50,240", "cursor default"},
     .swallowNextClick = true},
    {.legend = "rectangle twice on one spot adds nothing and waits for the next one",
     .drawMode = 1,
     .script = "L10,20 L10,20",
     .shapes = {},
     .events = {"down 1 0 1 10,280", "cursor cross", "begin 1 10,280", "down 1 0 1 10,280"},
     .finalDrawMode = 1,
     .toolActive = true},
    {.legend = "ellipse: a flat one is refused, the next one is drawn",
     .drawMode = 4,
     .keepDrawMode = true,
     .script = "L10,20 L10,60 L10,20 L50,60",
     .shapes = {"#3 ellipse on 2: 10,280 50,240"},
     .events = {"down 1 0 4 10,280", "cursor cross", "begin 4 10,280", "down 1 0 4 10,240",
                "down 1 0 4 10,280", "cursor cross", "begin 4 10,280", "down 1 0 4 50,240"},
     .finalDrawMode = 4,
     .toolActive = true},
    {.legend = "circle: centre, then a point on the circle",
     .drawMode = 19,
     .script = "L100,100 L103,104 R103,104",
     .shapes = {"#3 circle on 2: 100,200 r5"},
     .events = {"down 1 0 19 100,200", "cursor cross", "begin 19 100,200", "down 1 0 19 103,196",
                "end 19 103,196", "cursor default"},
     .swallowNextClick = true},
    {.legend = "chained lines: each click away from the anchor adds one",
     .drawMode = 3,
     .script = "L10,20 L50,20 L50,20 L50,60 R50,60",
     .shapes = {"#3 line on 2: 10,280 50,280", "#4 line on 2: 50,280 50,240"},
     .events = {"down 1 0 3 10,280", "cursor cross", "begin 3 10,280", "down 1 0 3 50,280",
                "down 1 0 3 50,280", "down 1 0 3 50,240", "end 3 50,240", "cursor default"},
     .swallowNextClick = true},
    {.legend = "polyline: a double click on one spot adds one vertex",
     .drawMode = 5,
     .script = "L10,20 L50,20 L50,20 R50,20",
     .shapes = {"#3 polyline 5 on 2: 10,280 50,280"},
     .events = {"down 1 0 5 10,280", "cursor cross", "begin 5 10,280", "down 1 0 5 50,280",
                "down 1 0 5 50,280", "end 5 50,280", "cursor default"},
     .swallowNextClick = true},
    {.legend = "polygon",
     .drawMode = 6,
     .script = "L10,20 L50,20 L50,60 R50,60",
     .shapes = {"#3 polyline 6 on 2: 10,280 50,280 50,240"},
     .events = {"down 1 0 6 10,280", "cursor cross", "begin 6 10,280", "down 1 0 6 50,280",
                "down 1 0 6 50,240", "end 6 50,240", "cursor default"},
     .swallowNextClick = true},
    {.legend = "spline",
     .drawMode = 8,
     .script = "L10,20 L50,20 L50,60 R50,60",
     .shapes = {"#3 polyline 8 on 2: 10,280 50,280 50,240"},
     .events = {"down 1 0 8 10,280", "cursor cross", "begin 8 10,280", "down 1 0 8 50,280",
                "down 1 0 8 50,240", "end 8 50,240", "cursor default"},
     .swallowNextClick = true},
    {.legend = "three-point arc: complete at the third click without OnDrawEnd",
     .drawMode = 10,
     .script = "L10,20 L20,10 L30,20",
     .shapes = {"#3 polyline 10 on 2: 10,280 20,290 30,280"},
     .events = {"down 1 0 10 10,280", "cursor cross", "begin 10 10,280", "down 1 0 10 20,290",
                "down 1 0 10 30,280"},
     .finalDrawMode = 10,
     .toolActive = true},
    {.legend = "three-point arc: the right button afterwards ends the tool",
     .drawMode = 10,
     .script = "L10,20 L20,10 L30,20 R30,20",
     .shapes = {"#3 polyline 10 on 2: 10,280 20,290 30,280"},
     .events = {"down 1 0 10 10,280", "cursor cross", "begin 10 10,280", "down 1 0 10 20,290",
                "down 1 0 10 30,280", "end 10 30,280", "cursor default"},
     .swallowNextClick = true},
    {.legend = "point: placed at once between OnDrawBegin and OnDrawEnd",
     .drawMode = 17,
     .script = "L10,20",
     .shapes = {"#3 point on 2: 10,280"},
     .events = {"down 1 0 17 10,280", "begin 17 10,280", "end 17 10,280"}},
    {.legend = "point with KeepDrawMode",
     .drawMode = 17,
     .keepDrawMode = true,
     .script = "L10,20 L20,20",
     .shapes = {"#3 point on 2: 10,280", "#4 point on 2: 20,280"},
     .events = {"down 1 0 17 10,280", "begin 17 10,280", "end 17 10,280", "down 1 0 17 20,280",
                "begin 17 20,280", "end 17 20,280"},
     .finalDrawMode = 17},
    {.legend = "polyline of one click is dropped and its id is not reused",
     .drawMode = 5,
     .keepDrawMode = true,
     .script = "L10,20 R10,20 L0,0 L10,20 L50,20 R50,20",
     .shapes = {"#4 polyline 5 on 2: 10,280 50,280"},
     .events = {"down 1 0 5 10,280", "cursor cross", "begin 5 10,280", "end 5 10,280",
                "cursor default", "down 1 0 5 0,300", "down 1 0 5 10,280", "cursor cross",
                "begin 5 10,280", "down 1 0 5 50,280", "end 5 50,280", "cursor default"},
     .finalDrawMode = 5,
     .swallowNextClick = true},
    {.legend = "after a finish the next left click neither selects nor starts; the one after "
               "does",
     .drawMode = 5,
     .script = "L100,100 L200,100 R200,100 L100,100 L100,100",
     .shapes = {"#3 polyline 5 on 2: 100,200 200,200"},
     .events = {"down 1 0 5 100,200", "cursor cross", "begin 5 100,200", "down 1 0 5 200,200",
                "end 5 200,200", "cursor default", "down 1 0 0 100,200", "down 1 0 0 100,200",
                "select 5 3"},
     .selected = {3}},
    {.legend = "Shift-click keeps the first shape selected",
     .script = "L100,100 S200,100",
     .shapes = {},
     .events = {"down 1 0 0 100,200", "select 17 1", "down 1 1 0 200,200", "select 17 2"},
     .selected = {1, 2}},
    {.legend = "Ctrl-click keeps the first shape selected too",
     .drawMode = -1,
     .script = "L100,100 C200,100",
     .shapes = {},
     .events = {"down 1 0 -1 100,200", "select 17 1", "down 1 2 -1 200,200", "select 17 2"},
     .finalDrawMode = -1,
     .selected = {1, 2}},
    {.legend = "a plain click on empty map clears the selection",
     .script = "L100,100 L300,200",
     .shapes = {},
     .events = {"down 1 0 0 100,200", "select 17 1", "down 1 0 0 300,100"}},
    {.legend = "DrawMode -2 and unknown codes do nothing on a left press",
     .drawMode = -2,
     .script = "L100,100",
     .shapes = {},
     .events = {"down 1 0 -2 100,200"},
     .finalDrawMode = -2},
    {.legend = "Delete is refused unless AllowDeleteKey",
     .script = "L100,100 Del",
     .shapes = {},
     .events = {"down 1 0 0 100,200", "select 17 1"},
     .selected = {1}},
    {.legend = "Escape in a polygon removes it without an event and keeps the tool",
     .drawMode = 6,
     .script = "L10,20 L50,20 Esc",
     .shapes = {},
     .events = {"down 1 0 6 10,280", "cursor cross", "begin 6 10,280", "down 1 0 6 50,280",
                "cursor default"},
     .finalDrawMode = 6},
    {.legend = "File > New during a pending polyline cancels it: its id is handed out once",
     .drawMode = 5,
     .script = "L10,20 L50,20 New Pt Pt Pt R50,20",
     .shapes = {"#1 point on 2: 0,0", "#2 point on 2: 0,0", "#3 point on 2: 0,0"},
     .events = {"down 1 0 5 10,280", "cursor cross", "begin 5 10,280", "down 1 0 5 50,280",
                "cursor default", "down 2 0 5 50,280"},
     .finalDrawMode = 5},
    {.legend = "middle drag of 2 pixels does not pan",
     .script = "<M100,100 ~102,100 >M102,100",
     .shapes = {},
     .events = {"down 4 0 0 100,200", "cursor sizeall", "move 0 102,200 2.00 0.00",
                "cursor default"}},
    {.legend = "middle drag of 3 pixels pans: the map follows the mouse",
     .script = "<M100,100 ~103,100 >M103,100",
     .shapes = {},
     .events = {"down 4 0 0 100,200", "cursor sizeall", "move 0 103,200 3.00 0.00",
                "cursor default"},
     .view = "-3,0 400x300"},
    {.legend = "dynamic zoom: 10 pixels up zooms in by 0.9",
     .drawMode = -4,
     .script = "<L200,150 ~200,140 >L200,140",
     .shapes = {},
     .events = {"down 1 0 -4 200,150", "move 0 200,160 10.00 90.00"},
     .finalDrawMode = -4,
     .view = "20,15 360x270"},
    {.legend = "dynamic zoom: 3 pixels do nothing",
     .drawMode = -4,
     .script = "<L200,150 ~200,147 >L200,147",
     .shapes = {},
     .events = {"down 1 0 -4 200,150", "move 0 200,153 3.00 90.00"},
     .finalDrawMode = -4},
    {.legend = "zoom window: widened to the client's aspect ratio about its centre",
     .drawMode = -3,
     .script = "L100,100 L300,200",
     .shapes = {},
     .events = {"down 1 0 -3 100,200", "cursor cross", "down 1 0 -3 300,100", "cursor default"},
     .view = "100,75 200x150"},
};

TEST(CanvasInteraction, Scripts) {
    for (const TScriptCase& c : kScripts) {
        SCOPED_TRACE(c.legend);
        TScriptedCanvas fresh;
        fresh.model.DrawMode = c.drawMode;
        fresh.model.KeepDrawMode = c.keepDrawMode;
        fresh.Run(c.script);
        EXPECT_EQ(fresh.DrawnShapes(), c.shapes);
        EXPECT_EQ(fresh.host.Log, c.events);
        EXPECT_EQ(fresh.model.DrawMode, c.finalDrawMode);
        EXPECT_EQ(fresh.model.ToolActive, c.toolActive);
        EXPECT_EQ(fresh.model.PointPending, c.pointPending);
        EXPECT_EQ(fresh.model.SwallowNextClick, c.swallowNextClick);
        EXPECT_EQ(fresh.model.GetSelectedIds(), c.selected);
        EXPECT_EQ(fresh.View(), c.view);
        std::set<int> ids;
        for (const auto& shape : fresh.model.Shapes()) {
            EXPECT_TRUE(ids.insert(shape->Id).second) << "id " << shape->Id << " twice";
        }
    }
}

// A right press with no drawing under way measures from the press point; the measure shows
// "on" or "off", its start and end, distance and bearing. The press keeps PressX and PressY,
// so the move events still measure from the last other press.
struct TMeasureCase {
    const char* legend;
    int drawMode;
    const char* script;
    const char* measure;
    std::vector<std::string> events;
};

const TMeasureCase kMeasures[] = {
    {"straight east: bearing 90",
     0,
     "<R100,100 ~130,100",
     "on 100,200 -> 130,200 30.00 90.0",
     {"down 2 0 0 100,200", "move 0 130,200 238.54 56.98"}},
    {"the release ends it",
     0,
     "<R100,100 ~130,100 >R130,100",
     "off 100,200 -> 130,200 30.00 90.0",
     {"down 2 0 0 100,200", "move 0 130,200 238.54 56.98"}},
    {"straight north: bearing 0",
     0,
     "<R100,100 ~100,70",
     "on 100,200 -> 100,230 30.00 0.0",
     {"down 2 0 0 100,200", "move 0 100,230 250.80 66.50"}},
    {"south-west: 225",
     0,
     "<R100,100 ~70,130",
     "on 100,200 -> 70,170 42.43 225.0",
     {"down 2 0 0 100,200", "move 0 70,170 183.85 67.62"}},
    {"north-west: 315",
     0,
     "<R100,100 ~70,70",
     "on 100,200 -> 70,230 42.43 315.0",
     {"down 2 0 0 100,200", "move 0 70,230 240.42 73.07"}},
    {"no movement: 0 m, bearing 0",
     0,
     "<R100,100 ~100,100",
     "on 100,200 -> 100,200 0.00 0.0",
     {"down 2 0 0 100,200", "move 0 100,200 223.61 63.43"}},
    {"the move events measure from the last left press",
     0,
     "L10,20 <R100,100 ~130,100",
     "on 100,200 -> 130,200 30.00 90.0",
     {"down 1 0 0 10,280", "down 2 0 0 100,200", "move 0 130,200 144.22 -33.69"}},
    {"a right press during a drawing finishes it and measures nothing",
     5,
     "L10,20 L50,20 <R50,20 ~80,20",
     "off 0,0 -> 0,0 0.00 0.0",
     {"down 1 0 5 10,280", "cursor cross", "begin 5 10,280", "down 1 0 5 50,280", "end 5 50,280",
      "cursor default", "move 0 80,280 30.00 0.00"}},
    {"panning goes before the measure",
     0,
     "<R100,100 <M100,100 ~110,100",
     "on 100,200 -> 100,200 0.00 0.0",
     {"down 2 0 0 100,200", "down 4 0 0 100,200", "cursor sizeall", "move 0 110,200 10.00 0.00"}},
};

TEST(CanvasInteraction, Measure) {
    for (const TMeasureCase& c : kMeasures) {
        SCOPED_TRACE(c.legend);
        TScriptedCanvas canvas;
        canvas.model.DrawMode = c.drawMode;
        canvas.Run(c.script);
        const TCanvasModel& m = canvas.model;
        EXPECT_EQ(Format("%s %g,%g -> %g,%g %.2f %.1f", m.Measuring ? "on" : "off", m.MeasureStartX,
                         m.MeasureStartY, m.MeasureEndX, m.MeasureEndY, m.MeasureDistance,
                         m.MeasureBearing),
                  c.measure);
        EXPECT_EQ(canvas.host.Log, c.events);
    }
}

// The owner's handlers call back into the canvas from inside its events, as the main window's
// lasso handler does: it reads the polygon, selects, empties the lasso layer and cancels the
// drawing while the right press that finished the polygon is still running.
struct TReentryCase {
    const char* legend;
    int drawMode;
    const char* script;
    const char* trigger;
    std::function<void(TCanvasModel&)> react;
    std::vector<std::string> events;
    std::vector<std::string> shapes;
    std::vector<int> selected = {};
};

void SelectInLasso(TCanvasModel& model) {
    model.SelectInPolygon(model.GetRoutePolyline());
    model.DeleteLayerShapes(model.FindLayerByName(kLassoLayerName));
    model.DrawMode = 0;
    model.CancelDrawing();
}

const TReentryCase kReentries[] = {
    {.legend = "lasso handler: the next click is not swallowed after its CancelDrawing",
     .drawMode = 6,
     .script = "L50,50 L150,50 L150,150 R150,150 L200,100",
     .trigger = "end 6",
     .react = SelectInLasso,
     .events = {"down 1 0 6 50,250", "cursor cross", "begin 6 50,250", "down 1 0 6 150,250",
                "down 1 0 6 150,150", "end 6 150,150", "cursor default", "cursor default",
                "down 1 0 0 200,200", "select 17 2"},
     .shapes = {},
     .selected = {2}},
    {.legend = "a press handler that picks a tool: the same press uses it",
     .drawMode = 0,
     .script = "L10,20",
     .trigger = "down 1 0 0",
     .react = [](TCanvasModel& model) { model.DrawMode = 1; },
     .events = {"down 1 0 0 10,280", "cursor cross", "begin 1 10,280"},
     .shapes = {}},
    {.legend = "a selection handler that picks the point tool: the same press places a point",
     .drawMode = 0,
     .script = "L100,100",
     .trigger = "select",
     .react = [](TCanvasModel& model) { model.DrawMode = 17; },
     .events = {"down 1 0 0 100,200", "select 17 1", "begin 17 100,200", "end 17 100,200"},
     .shapes = {"#3 point on 2: 100,200"},
     .selected = {1}},
    {.legend = "a begin handler that cancels: the polyline is gone, the next click starts anew",
     .drawMode = 5,
     .script = "L10,20 L50,20",
     .trigger = "begin 5 10",
     .react = [](TCanvasModel& model) { model.CancelDrawing(); },
     .events = {"down 1 0 5 10,280", "cursor cross", "begin 5 10,280", "cursor default",
                "down 1 0 5 50,280", "cursor cross", "begin 5 50,280"},
     .shapes = {}},
    {.legend = "an end handler that clears the map, polyline included",
     .drawMode = 5,
     .script = "L10,20 L50,20 R50,20",
     .trigger = "end 5",
     .react = [](TCanvasModel& model) { model.DeleteLayerShapes(-1); },
     .events = {"down 1 0 5 10,280", "cursor cross", "begin 5 10,280", "down 1 0 5 50,280",
                "end 5 50,280", "cursor default", "cursor default"},
     .shapes = {}},
};

TEST(CanvasInteraction, HandlersCallingBack) {
    for (const TReentryCase& c : kReentries) {
        SCOPED_TRACE(c.legend);
        TScriptedCanvas canvas;
        if (c.drawMode == 6) canvas.model.AddLayer(kLassoLayerName);
        canvas.model.DrawMode = c.drawMode;
        canvas.host.React = [&](const std::string& line) {
            if (line.starts_with(c.trigger)) c.react(canvas.model);
        };
        canvas.Run(c.script);
        EXPECT_EQ(canvas.host.Log, c.events);
        EXPECT_EQ(canvas.DrawnShapes(), c.shapes);
        EXPECT_EQ(canvas.model.GetSelectedIds(), c.selected);
    }
}

// The owner chooses the layer in OnDrawBegin, as the main window puts every drawing on its
// user-shape layer; a layer made during the drawing (AddLayer moves CurrentLayer) does not take
// the rest of it, and leaving the tool gives the choice back.
TEST(CanvasInteraction, DrawingStaysOnTheLayerChosenAtItsBegin) {
    const struct {
        const char* legend;
        int drawMode;
        const char* first;
        const char* rest;
        std::vector<std::string> shapes;
    } cases[] = {
        {"rectangle", 1, "L10,20", "L50,60 R50,60", {"#3 rectangle on 0: 10,280 50,240"}},
        {"chained lines", 3, "L10,20", "L50,20 R50,20", {"#3 line on 0: 10,280 50,280"}},
        {"polyline", 5, "L10,20", "L50,20 R50,20", {"#3 polyline 5 on 0: 10,280 50,280"}},
        {"point", 17, "L10,20", "", {"#3 point on 0: 10,280"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        TScriptedCanvas canvas;
        canvas.model.DrawMode = c.drawMode;
        canvas.host.React = [&](const std::string& line) {
            if (line.starts_with("begin")) canvas.model.DrawLayer = 0;
        };
        canvas.Run(c.first);
        canvas.model.AddLayer("made meanwhile");
        canvas.Run(c.rest);
        EXPECT_EQ(canvas.DrawnShapes(), c.shapes);
        EXPECT_EQ(canvas.model.DrawMode, 0);
        EXPECT_EQ(canvas.model.DrawLayer, -1);
    }
}

}  // namespace
