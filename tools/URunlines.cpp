#include "tools/URunlines.h"

#include "app/FormPlacement.h"
#include "canvas/MapLayerNames.h"
#include "canvas/OrvaltCanvas.h"
#include "canvas/QPainterSurface.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "platform/Dialogs.h"
#include "platform/EventLog.h"
#include "platform/IniFile.h"
#include "platform/SettingsWriteReport.h"
#include "tools/RunlineGeometry.h"
#include "tools/RunlineSettings.h"

#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

TfRunline1* fRunline1 = nullptr;

namespace {

template <class Control>
Control* Named(Control* control, const char* name) {
    control->setObjectName(name);
    return control;
}

QGroupBox* Group(QWidget* window, const char* name, const char* title) {
    auto* group = Named(new QGroupBox(title, window), name);
    window->layout()->addWidget(group);
    return group;
}

}  // namespace

TfRunline1::TfRunline1(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName("fRunline1");
    setWindowTitle("Runline Generator");
    new QVBoxLayout(this);
    CreateRouteGroup();
    CreateSpacingGroup();
    CreateLineTypeGroup();
    CreateActionsGroup();
    BindHandlers();
    resize(280, sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    FormCreate();
}

void TfRunline1::CreateRouteGroup() {
    gStep1 = Group(this, "gStep1", "Step 1: Draw Route");
    auto* layout = new QVBoxLayout(gStep1);
    lRouteStatus = Named(new QLabel(gStep1), "lRouteStatus");
    bDrawRoute = Named(new QPushButton("Draw Route", gStep1), "bDrawRoute");
    layout->addWidget(lRouteStatus);
    layout->addWidget(bDrawRoute);
}

void TfRunline1::CreateSpacingGroup() {
    gStep2 = Group(this, "gStep2", "Step 2: Spacing (meters)");
    auto* layout = new QFormLayout(gStep2);
    eSpacing = Named(new QLineEdit("10", gStep2), "eSpacing");
    eLength = Named(new QLineEdit("100", gStep2), "eLength");
    layout->addRow(Named(new QLabel("Spacing", gStep2), "eSpacingLabel"), eSpacing);
    layout->addRow(Named(new QLabel("Length", gStep2), "eLengthLabel"), eLength);
}

void TfRunline1::CreateLineTypeGroup() {
    gStep3 = Group(this, "gStep3", "Step 3: Line Type");
    auto* layout = new QHBoxLayout(gStep3);
    rbPerpendicular = Named(new QRadioButton("Perpendicular", gStep3), "rbPerpendicular");
    rbParallel = Named(new QRadioButton("Parallel", gStep3), "rbParallel");
    rbPerpendicular->setChecked(true);
    layout->addWidget(rbPerpendicular);
    layout->addWidget(rbParallel);
}

void TfRunline1::CreateActionsGroup() {
    gActions = Group(this, "gActions", "Actions");
    auto* layout = new QHBoxLayout(gActions);
    bGenerate = Named(new QPushButton("Generate", gActions), "bGenerate");
    QFont bold = bGenerate->font();
    bold.setBold(true);
    bGenerate->setFont(bold);
    QPalette green = bGenerate->palette();
    green.setColor(QPalette::ButtonText, ToQColor(kGreen));
    bGenerate->setPalette(green);
    bClear = Named(new QPushButton("Clear", gActions), "bClear");
    bClose = Named(new QPushButton("Close", gActions), "bClose");
    for (QPushButton* button : {bGenerate, bClear, bClose}) layout->addWidget(button);
}

void TfRunline1::BindHandlers() {
    connect(bDrawRoute, &QPushButton::clicked, this, &TfRunline1::bDrawRouteClick);
    connect(eSpacing, &QLineEdit::textChanged, this, &TfRunline1::eSpacingChange);
    connect(eLength, &QLineEdit::textChanged, this, &TfRunline1::eLengthChange);
    // Only the button that becomes checked reports, as a click on the class library's does.
    connect(rbPerpendicular, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) rbPerpendicularClick();
    });
    connect(rbParallel, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) rbParallelClick();
    });
    connect(bGenerate, &QPushButton::clicked, this, &TfRunline1::bGenerateClick);
    connect(bClear, &QPushButton::clicked, this, &TfRunline1::bClearClick);
    connect(bClose, &QPushButton::clicked, this, &QWidget::close);
}

TOrvaltCanvas* TfRunline1::Map() { return FNav ? FNav->fcad : nullptr; }

void TfRunline1::FormCreate() {
    const TRunlineSettings settings = ReadRunlineSettings(TIniFile(GetSettingsFilePath()));
    eSpacing->setText(QString::fromStdString(settings.spacing));
    eLength->setText(QString::fromStdString(settings.length));
    rbPerpendicular->setChecked(settings.perpendicular);
    rbParallel->setChecked(!settings.perpendicular);
    ShowStatus("No route drawn", kGray);
}

void TfRunline1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfRunline1::FormShow() { RestoreFormPlacement(this, false); }

void TfRunline1::SetRoute(const std::vector<TWorldPoint>& points) {
    Route = points;
    if (!RouteValid()) {
        ShowStatus("Need at least 2 points", kRed);
        return;
    }
    ShowRouteStatus();
    GenerateRunlines();
}

void TfRunline1::bDrawRouteClick() {
    ClearRunlines();
    Route.clear();
    if (TOrvaltCanvas* map = Map()) {
        int layer = map->FindLayerByName(kRouteLayerName);
        if (layer == -1) {
            layer = map->AddLayer(kRouteLayerName);
        } else {
            map->DeleteLayerShapes(layer);
        }
        map->CurrentLayer = layer;
        map->DrawLayer = layer;
        map->DrawMode = stPolyline;
        map->KeepDrawMode = false;
    }
    ShowStatus("Drawing... (right-click to finish)", kBlue);
    if (TOrvaltCanvas* map = Map()) map->Invalidate();
}

void TfRunline1::eSpacingChange() {
    if (RouteValid()) GenerateRunlines();
}

void TfRunline1::eLengthChange() {
    if (RouteValid()) GenerateRunlines();
}

void TfRunline1::rbPerpendicularClick() {
    if (RouteValid()) GenerateRunlines();
}

void TfRunline1::rbParallelClick() {
    if (RouteValid()) GenerateRunlines();
}

void TfRunline1::bGenerateClick() {
    if (!RouteValid()) {
        ShowMessage("Please draw a route first.");
        return;
    }
    // A refused spacing or length is not stored: the window shows why.
    if (!GenerateRunlines()) return;
    TIniFile ini(GetSettingsFilePath());
    const TRunlineSettings settings{eSpacing->text().toStdString(), eLength->text().toStdString(),
                                    rbPerpendicular->isChecked()};
    if (!WriteRunlineSettings(ini, settings)) ReportSettingsNotSaved(ini.FileName());
}

void TfRunline1::bClearClick() {
    ClearRunlines();
    Route.clear();
    ShowStatus("No route drawn", kGray);
}

// The layer is looked up again by name: a project loaded since may have replaced the layers.
void TfRunline1::ClearRunlines() {
    TOrvaltCanvas* map = Map();
    if (RunlineLayer == -1 || !map) return;
    RunlineLayer = map->FindLayerByName(kRunlineLayerName);
    if (RunlineLayer != -1) map->DeleteLayerShapes(RunlineLayer);
}

bool TfRunline1::GenerateRunlines() {
    if (!RouteValid()) return false;
    const TRunlineKind kind =
        rbPerpendicular->isChecked() ? TRunlineKind::Perpendicular : TRunlineKind::Parallel;
    const TRunlinePlan plan = PlanRunlines(Route, eSpacing->text(), eLength->text(), kind);
    if (plan.spacingRefused || plan.lengthRefused) {
        const bool spacing = plan.spacingRefused;
        ShowStatus(QString(spacing ? "Spacing" : "Length") + " \"" +
                       (spacing ? eSpacing : eLength)->text() + "\" is not a number",
                   kRed);
        return false;
    }
    if (plan.tooMany) {
        ShowStatus("Too many run lines (more than " + QString::number(kMaxRunlines) + ")", kRed);
        return false;
    }
    AppendEventLog("Runlines generated - Spacing: " + eSpacing->text().toStdString() +
                       ", Length: " + eLength->text().toStdString(),
                   EventLogFilePath());
    ShowRouteStatus();
    TOrvaltCanvas* map = Map();
    if (!map) return true;
    RunlineLayer = map->FindLayerByName(kRunlineLayerName);
    if (RunlineLayer == -1) RunlineLayer = map->AddLayer(kRunlineLayerName);
    map->DeleteLayerShapes(RunlineLayer);
    for (const TPolylinePoints& line : plan.polylines) map->AddPolyline(line, RunlineLayer, false);
    map->Redraw();
    return true;
}

void TfRunline1::ShowStatus(const QString& text, TColor color) {
    lRouteStatus->setText(text);
    QPalette palette = lRouteStatus->palette();
    palette.setColor(QPalette::WindowText, ToQColor(color));
    lRouteStatus->setPalette(palette);
}

void TfRunline1::ShowRouteStatus() {
    ShowStatus("Route: " + QString::number(Route.size()) + " points", kGreen);
}
