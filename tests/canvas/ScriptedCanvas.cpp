#include "tests/canvas/ScriptedCanvas.h"

#include "canvas/QShapeCircle.h"
#include "canvas/QShapeEllipse.h"
#include "canvas/QShapeLine.h"
#include "canvas/QShapePoint.h"
#include "canvas/QShapeRectangle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

void TRecordingHost::SetCursor(TCanvasCursor cursor) {
    Add(cursor == TCanvasCursor::Cross     ? "cursor cross"
        : cursor == TCanvasCursor::SizeAll ? "cursor sizeall"
                                           : "cursor default");
}

void TRecordingHost::ShapeNumberSelected(int shapeType, int shapeNumber) {
    Add(Format("select %d %d", shapeType, shapeNumber));
}

void TRecordingHost::WorldMouseMove(int shift, double x, double y, double magnitude, double angle) {
    Add(Format("move %d %g,%g %.2f %.2f", shift, x, y, magnitude, angle));
}

void TRecordingHost::WorldMouseDown(int button, int shift, int action, double x, double y) {
    Add(Format("down %d %d %d %g,%g", button, shift, action, x, y));
}

void TRecordingHost::DrawBegin(int shapeType, double x, double y) {
    Add(Format("begin %d %g,%g", shapeType, x, y));
}

void TRecordingHost::DrawEnd(int shapeType, double x, double y) {
    Add(Format("end %d %g,%g", shapeType, x, y));
}

void TRecordingHost::Add(const std::string& line) {
    Log.push_back(line);
    if (React) React(line);
}

std::string Describe(const TQShape& shape) {
    const std::string head = Format("#%d ", shape.Id);
    const std::string layer = Format(" on %d:", shape.LayerId);
    if (const auto* p = dynamic_cast<const TQPoint*>(&shape)) {
        return head + "point" + layer + Format(" %g,%g", p->X, p->Y);
    }
    if (const auto* c = dynamic_cast<const TQCircle*>(&shape)) {
        return head + "circle" + layer + Format(" %g,%g r%g", c->CX, c->CY, c->R);
    }
    if (const auto* pl = dynamic_cast<const TQPolyline*>(&shape)) {
        std::string text = head + Format("polyline %d", pl->ShapeType) + layer;
        for (const TWorldPoint& v : pl->Vertices) text += Format(" %g,%g", v.X, v.Y);
        return text;
    }
    const char* kind = dynamic_cast<const TQLine*>(&shape)        ? "line"
                       : dynamic_cast<const TQRectangle*>(&shape) ? "rectangle"
                       : dynamic_cast<const TQEllipse*>(&shape)   ? "ellipse"
                                                                  : "other";
    const auto& corners = dynamic_cast<const TQCornerShape&>(shape);
    return head + kind + layer +
           Format(" %g,%g %g,%g", corners.X1, corners.Y1, corners.X2, corners.Y2);
}

TScriptedCanvas::TScriptedCanvas() {
    model.ResizeClient(400, 300);
    model.SetView(0, 300, 400, 0);
    scene = model.AddLayer("scene");
    model.AddPoint(100, 200, scene);
    model.AddPoint(200, 200, scene);
    user = model.AddLayer("user");
    model.SetHost(&host);
}

void TScriptedCanvas::Run(const std::string& script) {
    std::istringstream tokens(script);
    for (std::string token; tokens >> token;) Step(token);
}

std::vector<std::string> TScriptedCanvas::DrawnShapes() const {
    std::vector<std::string> shapes;
    for (const auto& shape : model.Shapes()) {
        if (shape->LayerId != scene) shapes.push_back(Describe(*shape));
    }
    return shapes;
}

std::string TScriptedCanvas::View() const {
    return Format("%g,%g %gx%g", model.ViewLeft, model.ViewBottom, model.GetViewWidth(),
                  model.GetViewHeight());
}

void TScriptedCanvas::Step(const std::string& token) {
    if (token == "Esc") return interaction.KeyDown(Qt::Key_Escape, 0);
    if (token == "Del") return interaction.KeyDown(Qt::Key_Delete, 0);
    if (token == "New") return model.DeleteLayerShapes(-1);
    if (token == "Pt") return static_cast<void>(model.AddPoint(0, 0, user));
    const size_t digits = token.find_first_of("0123456789-");
    ASSERT_NE(digits, std::string::npos) << token;
    const std::string kind = token.substr(0, digits);
    std::string numbers = token.substr(digits);
    std::replace(numbers.begin(), numbers.end(), ',', ' ');
    int px = 0, py = 0;
    ASSERT_TRUE(std::istringstream(numbers) >> px >> py) << token;
    if (kind == "~") return interaction.MouseMove(0, px, py);
    const bool press = kind[0] != '>', release = kind[0] != '<';
    const char button = kind.back();
    const int code = button == 'R' ? mbRight : button == 'M' ? mbMiddle : mbLeft;
    const int shift = button == 'S' ? ssShift : button == 'C' ? ssCtrl : 0;
    if (press) interaction.MouseDown(code, shift, px, py);
    if (release) interaction.MouseUp(code, shift, px, py);
}
