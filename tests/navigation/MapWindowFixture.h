#pragma once
// The main window shown with its map on the world (0,0)-(100,100) or more, real time stopped,
// no lasso armed and the dialogs answered by script; mouse clicks and keys go to the map.

#include "tests/support/ScriptedDialogs.h"
#include "tests/tools/MainWindowFixture.h"

#include "canvas/PlaneGeometry.h"

#include <QPoint>
#include <QString>
#include <string>
#include <vector>

class TMapWindowFixture : public TMainWindowFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // The map pixel of a world point.
    QPoint Pixel(double x, double y);
    void Click(double x, double y, Qt::MouseButton button = Qt::LeftButton);
    // "L x,y" or "R x,y" clicks the left or right button there; any other step does nothing.
    void Step(const std::string& step);
    // Left clicks at the corners, then the right button at the last.
    void DrawPolygon(const std::vector<TWorldPoint>& corners);
    void Key(Qt::Key key);
    QString Panel(int i);
    int LayerShapes(const char* name);

    TScriptedDialogs dialogs;
};
