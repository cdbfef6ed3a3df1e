#pragma once
// The mouse tools driven by scripts against a bare model, with a host that writes down the
// cursor and every event.

#include "canvas/CanvasInteraction.h"

#include <QString>
#include <functional>
#include <string>
#include <vector>

std::string Format(const char* pattern, auto... values) {
    return QString::asprintf(pattern, values...).toStdString();
}

// Writes down the cursor and every event, one line each, and lets a test react to a line as
// the owner's handlers do: from inside the event.
class TRecordingHost : public TCanvasHost {
public:
    std::vector<std::string> Log;
    std::function<void(const std::string& line)> React;

    void SetCursor(TCanvasCursor cursor) override;
    void ShapeNumberSelected(int shapeType, int shapeNumber) override;
    void WorldMouseMove(int shift, double x, double y, double magnitude, double angle) override;
    void WorldMouseDown(int button, int shift, int action, double x, double y) override;
    void DrawBegin(int shapeType, double x, double y) override;
    void DrawEnd(int shapeType, double x, double y) override;

private:
    void Add(const std::string& line);
};

// A shape as one line: id, kind, layer and its defining points.
std::string Describe(const TQShape& shape);

// A 400 x 300 client showing the world (0,0)-(400,300): pixel (px, py) is world
// (px, 300 - py). Two points of the layer "scene" lie at pixels (100,100) and (200,100), ids 1
// and 2; the tools draw on the layer "user" (id 2).
class TScriptedCanvas {
public:
    TScriptedCanvas();

    // Tokens: L, R, S (Shift-left), C (Ctrl-left) followed by px,py click there (press and
    // release); "<" or ">" before L, R or M presses or releases only; "~px,py" moves; Esc and
    // Del are keys; New deletes every shape as File > New does; Pt adds a point at (0,0) as
    // the map timer adds track points.
    void Run(const std::string& script);
    // The shapes beside the scene, described.
    std::vector<std::string> DrawnShapes() const;
    // "left,bottom widthxheight" of the view.
    std::string View() const;

    TCanvasModel model;
    TRecordingHost host;
    TCanvasInteraction interaction{model};
    int scene = 0, user = 0;

private:
    void Step(const std::string& token);
};
