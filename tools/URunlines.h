#pragma once
// The window "Runline Generator": plans survey lines along a route drawn on the map.
//
// "Draw Route" puts the map into polyline drawing on the layer "Orvalt_Route"; when the drawing
// ends the main window hands the route over (SetRoute) and the lines appear at once on the layer
// "Orvalt_Runlines", with a copy of the route. While a route is held, every change of spacing,
// length or line type draws them again and notes the generation in the events log. Only
// "Generate" stores the choices (section RUNLINE).

#include "canvas/Color.h"
#include "canvas/PlaneGeometry.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <vector>

class TOrvaltCanvas;

class TfRunline1 : public QWidget {
public:
    explicit TfRunline1(QWidget* parent = nullptr);

    std::vector<TWorldPoint> Route;  // the held route, in drawing order
    int RunlineLayer = -1;           // "Orvalt_Runlines" once found or created

    // A route of at least two points is held.
    bool RouteValid() const { return Route.size() >= 2; }

    QGroupBox* gStep1;
    QLabel* lRouteStatus;
    QPushButton* bDrawRoute;
    QGroupBox* gStep2;
    QLineEdit* eSpacing;  // m
    QLineEdit* eLength;   // m: half a cross-line, half the width of the parallel corridor
    QGroupBox* gStep3;
    QRadioButton* rbPerpendicular;
    QRadioButton* rbParallel;
    QGroupBox* gActions;
    QPushButton* bGenerate;
    QPushButton* bClear;
    QPushButton* bClose;

    // Called by the main window when a route drawing ends while this window is visible.
    void SetRoute(const std::vector<TWorldPoint>& points);

    void FormCreate();
    void FormShow();
    void bDrawRouteClick();
    void eSpacingChange();
    void eLengthChange();
    void rbPerpendicularClick();
    void rbParallelClick();
    void bGenerateClick();
    void bClearClick();
    void ClearRunlines();
    // Draws the lines of the held route; false, with the reason in the route status and the
    // previous lines left, for a spacing or length that is not a number or too many lines.
    bool GenerateRunlines();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateRouteGroup();
    void CreateSpacingGroup();
    void CreateLineTypeGroup();
    void CreateActionsGroup();
    void BindHandlers();
    void ShowStatus(const QString& text, TColor color);
    void ShowRouteStatus();
    // The main window's map, or nullptr while there is none.
    static TOrvaltCanvas* Map();
};

extern TfRunline1* fRunline1;
