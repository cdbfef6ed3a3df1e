// The main window's map commands: the drawing tools, zoom, follow-vessel, the run-line window,
// and the handlers of the map's events.
//
// The map timer rests while a shape is drawn, so follow-vessel does not pan the map under the
// pen; a GNSS line that arrives meanwhile does not start it either. It starts again when the
// drawing ends only if the drawing held it and real time is still started: a drawing finished
// after Stop must not set the vessel moving on a stale or zeroed position. A port report that
// stops the timer during a drawing clears the note (mapPausedForDrawing_) for the same reason.

#include "app/FormPlacement.h"
#include "canvas/CanvasTool.h"
#include "canvas/MapLayerNames.h"
#include "canvas/OrvaltCanvas.h"
#include "navigation/NavigationState.h"
#include "navigation/unavigation.h"
#include "tools/URunlines.h"

#include <QKeySequence>
#include <utility>

namespace {

constexpr int kClickedPanel = 2;
constexpr double kZoomStep = 0.2;

using THandler = void (TFNav::*)();

bool IsRouteKind(int shapeType) {
    return shapeType == stLine || shapeType == stPolyline || shapeType == stPolygon;
}

// A tool chosen by the surveyor draws on the user-shape layer, even where "Draw Route" or a lasso
// had chosen another layer for the drawing.
void ChooseDrawingTool(TOrvaltCanvas& map, int drawMode) {
    map.DrawMode = drawMode;
    map.DrawLayer = -1;
}

}  // namespace

void TFNav::BindMapCommands() {
    const std::pair<QToolButton*, THandler> buttons[] = {
        {ToolButton7, &TFNav::ToolButton10Click},
        {ToolButton12, &TFNav::ToolButton9Click},
        {ToolButton21, &TFNav::ToolButton16Click},
        {ToolButton23, &TFNav::ToolButton14Click},
        {ToolButton27, &TFNav::ToolButton19Click},
        {ToolButton28, &TFNav::ToolButton15Click},
        {ToolButton29, &TFNav::ToolButton17Click},
        {ToolButton30, &TFNav::ToolButton20Click},
        {ToolButton31, &TFNav::ToolButton18Click},
        {Zoomin, &TFNav::ZoominClick},
        {Zoomout, &TFNav::ZoomoutClick},
        {Zoomextents, &TFNav::ZoomextentsClick},
        {Zoomwindow, &TFNav::ZoomwindowClick},
        {Zoomdynamic, &TFNav::ZoomdynamicClick},
        {bMouseSelect, &TFNav::bMouseSelectClick},
        {bSelectTracks, &TFNav::bSelectTracksClick},
        {bDelSelected, &TFNav::bDelSelectedClick},
        {ToolButton11, &TFNav::ToolButton11Click},
        {tbFixed, &TFNav::tbFixedClick},
        {tbFloat, &TFNav::tbFloatClick},
        {tbAuto, &TFNav::tbAutoClick},
        {bFollowVessel, &TFNav::bFollowVesselClick},
        {ToolButton13, &TFNav::ToolButton13Click},
        {tbRunline, &TFNav::tbRunlineClick},
        {bRestart, &TFNav::bRestartClick},
        {bExit, &TFNav::bExitClick}};
    for (const auto& [button, handler] : buttons) {
        connect(button, &QToolButton::clicked, this, handler);
    }
    const std::pair<QAction*, THandler> items[] = {
        {In1, &TFNav::ZoominClick},
        {Out1, &TFNav::ZoomoutClick},
        {Extents1, &TFNav::ZoomextentsClick},
        {Window2, &TFNav::ZoomwindowClick},
        {Dynamic1, &TFNav::ZoomdynamicClick},
        {Clearshapesuseradded1, &TFNav::ToolButton11Click},
        {Cleartracksfixed1, &TFNav::tbFixedClick},
        {Cleartracksunfixed1, &TFNav::tbFloatClick},
        {Followvessel1, &TFNav::bFollowVesselClick},
        {Donotfollowvessel1, &TFNav::ToolButton13Click},
        {Generate1, &TFNav::Generate1Click},
        {RemoteSupport1, &TFNav::RemoteSupport1Click}};
    for (const auto& [item, handler] : items) connect(item, &QAction::triggered, this, handler);
    // Ctrl+I, Ctrl+O and Ctrl+W belong to File > Import, Open and Save As, so In, Out and Window
    // go without.
    Extents1->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E));
    Dynamic1->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_D));
}

void TFNav::ToolButton10Click() { ChooseDrawingTool(*fcad, stPoint); }
void TFNav::ToolButton9Click() { ChooseDrawingTool(*fcad, stLine); }
void TFNav::ToolButton16Click() { ChooseDrawingTool(*fcad, stRectangle); }
void TFNav::ToolButton14Click() { ChooseDrawingTool(*fcad, stPolyline); }
void TFNav::ToolButton19Click() { ChooseDrawingTool(*fcad, stEllipseTool); }
void TFNav::ToolButton15Click() { ChooseDrawingTool(*fcad, stPolygon); }
void TFNav::ToolButton17Click() { ChooseDrawingTool(*fcad, stSpline); }
void TFNav::ToolButton20Click() { ChooseDrawingTool(*fcad, stArc3P); }
void TFNav::ToolButton18Click() { ChooseDrawingTool(*fcad, stCircle); }

void TFNav::ZoominClick() {
    fcad->ZoomAt(kZoomStep, (fcad->ViewLeft + fcad->ViewRight) / 2,
                 (fcad->ViewTop + fcad->ViewBottom) / 2);
}

void TFNav::ZoomoutClick() {
    fcad->ZoomAt(-kZoomStep, (fcad->ViewLeft + fcad->ViewRight) / 2,
                 (fcad->ViewTop + fcad->ViewBottom) / 2);
}

void TFNav::ZoomextentsClick() { fcad->ZoomExtents(); }
void TFNav::ZoomwindowClick() { fcad->DrawMode = dmZoomWindow; }
void TFNav::ZoomdynamicClick() { fcad->DrawMode = dmDynamicZoom; }

// The map timer reads the global.
void TFNav::bFollowVesselClick() { FollowVessel = true; }
void TFNav::ToolButton13Click() { FollowVessel = false; }

void TFNav::tbRunlineClick() {
    if (fRunline1) fRunline1->show();
}

// The project is saved first, so the lines are planned on a drawing that is on disk.
void TFNav::Generate1Click() {
    Save1Click();
    if (!fRunline1) return;
    RestoreFormPlacement(fRunline1, false);
    fRunline1->show();
}

// The map handles the measure itself; the window learns only where the surveyor clicked.
void TFNav::fcadShapeNumberSelected(TOrvaltCanvas*, short, int) {}
void TFNav::fcadWorldMouseMove(TOrvaltCanvas*, short, double, double, double, double) {}

void TFNav::fcadWorldMouseDown(TOrvaltCanvas* Sender, short Button, short, short, double X,
                               double Y) {
    // A press outside a drawing begins a new one, if any: a pause noted by a drawing that ended
    // without its end event (Escape, File > New) is over.
    if (!Sender->ToolActive && !Sender->PointPending) mapPausedForDrawing_ = false;
    if (Button == mbLeft || Button == mbMiddle) {
        SetStatusPanelFitted(kClickedPanel, ClickedPositionText(X, Y));
    }
}

void TFNav::StopMapTimer() {
    tMap->stop();
    mapPausedForDrawing_ = false;
}

bool TFNav::MapTimerHeldForDrawing() {
    if (!fcad->ToolActive && !fcad->PointPending) return false;
    mapPausedForDrawing_ = true;
    return true;
}

// Every shape the surveyor draws lands on the user-shape layer, found again by name and created
// when missing; only the route and the lasso, whose commands chose their layer, go elsewhere. So
// no drawing lands on a layer the program empties or rebuilds (the vessel, the grid, the run
// lines), wherever AddLayer has left CurrentLayer.
void TFNav::fcadDrawBegin(TOrvaltCanvas* Sender, short, double, double) {
    if (!Sender->FindLayer(Sender->DrawLayer)) {
        UserShapeLayer = Sender->FindLayerByName(kUserShapeLayerName);
        if (UserShapeLayer == -1) UserShapeLayer = Sender->AddLayer(kUserShapeLayerName);
        Sender->DrawLayer = UserShapeLayer;
    }
    if (tMap->isActive()) {
        tMap->stop();
        mapPausedForDrawing_ = true;
    }
}

// Fires when a drawing ends with the right button and for every placed point; a placed point
// leaves the map timer as it is.
void TFNav::fcadDrawEnd(TOrvaltCanvas* Sender, short ShapeType, double, double) {
    Sender->KeepDrawMode = false;
    if (std::exchange(mapPausedForDrawing_, false) && RealtimeStartTick != 0) tMap->start();
    if (ShapeType == stPolygon && TrackLassoActive) {
        FinishLasso(TLassoKind::Tracks);
    } else if (ShapeType == stPolygon && ShapeLassoActive) {
        FinishLasso(TLassoKind::Shapes);
    } else if (fRunline1 && fRunline1->isVisible() && IsRouteKind(ShapeType)) {
        const std::vector<TWorldPoint> route = Sender->GetRoutePolyline();
        if (route.size() >= 2) fRunline1->SetRoute(route);
    }
}
