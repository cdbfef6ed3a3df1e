#include "tools/unavset.h"

#include "app/FormPlacement.h"
#include "canvas/MapLayerNames.h"
#include "canvas/OrvaltCanvas.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"
#include "platform/NumberFormat.h"
#include "platform/SettingsWriteReport.h"
#include "tools/ConversionError.h"
#include "tools/NavigationSettings.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

TNavset* Navset = nullptr;

namespace {

// A number edit with its up-down arrows, side by side in one grid cell.
struct TArrowEdit {
    const char* name;
    const char* text;
    int maxLength;
    bool digitsOnly;
    const char* upDownName;
    int min, max, increment;
};

QLineEdit* AddArrowEdit(QGridLayout* grid, int row, const TArrowEdit& spec, TUpDown*& upDown) {
    QWidget* parent = grid->parentWidget();
    auto* edit = new QLineEdit(spec.text, parent);
    edit->setObjectName(spec.name);
    edit->setMaxLength(spec.maxLength);
    edit->setFixedWidth(56);
    if (spec.digitsOnly) {
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
    }
    upDown = new TUpDown(edit, spec.min, spec.max, spec.increment, parent);
    upDown->setObjectName(spec.upDownName);
    auto* pair = new QHBoxLayout;
    pair->setSpacing(0);
    pair->addWidget(edit);
    pair->addWidget(upDown);
    pair->addStretch();
    grid->addLayout(pair, row, 1);
    return edit;
}

TColorBox* ColorBox(QWidget* parent, const char* name, TColor color) {
    auto* box = new TColorBox(parent);
    box->setObjectName(name);
    box->SetSelected(color);
    return box;
}

QLabel* Caption(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QGroupBox* Group(QWidget* parent, const char* name, const char* title) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    parent->layout()->addWidget(group);
    return group;
}

// Applies a width to the layer of that name, when both the map and the layer exist.
void SetLayerWidth(TOrvaltCanvas* map, const char* layer, int width) {
    const int id = map ? map->FindLayerByName(layer) : -1;
    if (id != -1) map->SetLayerLineWidth(id, width);
}

}  // namespace

TNavset::TNavset(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
    setObjectName("Navset");
    setWindowTitle("Navigation Settings");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    CreateVesselGroup();
    CreateBackgroundGroup();
    CreateTrackGroup();
    CreateAlertGroup();
    BindHandlers();
    resize(260, sizeHint().height());
}

void TNavset::CreateVesselGroup() {
    GroupBox1 = Group(this, "GroupBox1", " Vessel Color && Width");
    auto* grid = new QGridLayout(GroupBox1);
    VesselColor = ColorBox(GroupBox1, "VesselColor", kNavy);
    grid->addWidget(VesselColor, 0, 0);
    VesselWidth =
        AddArrowEdit(grid, 0, {"VesselWidth", "2", 2, true, "UpDown1", 0, 15, 1}, UpDown1);
    Label4 = Caption(GroupBox1, "Label4", "Update Rate (ms)");
    grid->addWidget(Label4, 1, 0);
    eVesselUpdateRate = AddArrowEdit(
        grid, 1, {"eVesselUpdateRate", "500", 32767, false, "UpDown4", 0, 5000, 50}, UpDown4);
}

void TNavset::CreateBackgroundGroup() {
    GroupBox2 = Group(this, "GroupBox2", "Background Color");
    auto* grid = new QGridLayout(GroupBox2);
    fcadColor = ColorBox(GroupBox2, "fcadColor", kWhite);
    grid->addWidget(fcadColor, 0, 0);
}

void TNavset::CreateTrackGroup() {
    GroupBox3 = Group(this, "GroupBox3", " Track Lines (Fixed/Float)");
    auto* grid = new QGridLayout(GroupBox3);
    ColorTracklines1 = ColorBox(GroupBox3, "ColorTracklines1", kGreen);
    grid->addWidget(ColorTracklines1, 0, 0, 1, 2);
    ColorTracklines0 = ColorBox(GroupBox3, "ColorTracklines0", kYellow);
    grid->addWidget(ColorTracklines0, 1, 0, 1, 2);
    Label1 = Caption(GroupBox3, "Label1", "Wid.");
    grid->addWidget(Label1, 2, 0);
    TrackWidth = AddArrowEdit(grid, 2, {"TrackWidth", "2", 2, false, "UpDown2", 0, 15, 1}, UpDown2);
    Label2 = Caption(GroupBox3, "Label2", "Dist (m)");
    grid->addWidget(Label2, 3, 0);
    TrackDistance =
        AddArrowEdit(grid, 3, {"TrackDistance", "20", 8, true, "UpDown3", 0, 500, 1}, UpDown3);
    cLineOrDot = new QCheckBox("Draw as Line", GroupBox3);
    cLineOrDot->setObjectName("cLineOrDot");
    grid->addWidget(cLineOrDot, 4, 0, 1, 2);
}

void TNavset::CreateAlertGroup() {
    GroupBox4 = Group(this, "GroupBox4", "Alert");
    auto* row = new QHBoxLayout(GroupBox4);
    Label3 = Caption(GroupBox4, "Label3", "Shallow Water");
    edDepthAlert1 = new QLineEdit("0.5", GroupBox4);
    edDepthAlert1->setObjectName("edDepthAlert1");
    edDepthAlert1->setFixedWidth(56);
    Label5 = Caption(GroupBox4, "Label5", "m");
    row->addWidget(Label3);
    row->addWidget(edDepthAlert1);
    row->addWidget(Label5);
    row->addStretch();
}

// Bound after the initial values are in, which therefore run no handler.
void TNavset::BindHandlers() {
    connect(fcadColor, &QComboBox::activated, this, &TNavset::fcadColorChange);
    connect(VesselColor, &QComboBox::activated, this, &TNavset::VesselColorChange);
    connect(VesselWidth, &QLineEdit::textChanged, this, &TNavset::VesselWidthChange);
    connect(TrackWidth, &QLineEdit::textChanged, this, &TNavset::TrackWidthChange);
    connect(TrackDistance, &QLineEdit::textChanged, this, &TNavset::TrackDistanceChange);
    connect(edDepthAlert1, &QLineEdit::textChanged, this, &TNavset::edDepthAlert1Change);
    connect(eVesselUpdateRate, &QLineEdit::textChanged, this, &TNavset::eVesselUpdateRateChange);
}

TOrvaltCanvas* TNavset::Map() { return FNav ? FNav->fcad : nullptr; }

void TNavset::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TNavset::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) FormHide();
}

// A failed save keeps the window open with the report: the next show would load the file again
// and the edits would be lost.
void TNavset::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TNavset::FormShow() {
    RestoreFormPlacement(this, false);
    LoadSettings();
}

void TNavset::LoadSettings() {
    const TNavigationSettings settings = ReadNavigationSettings(TIniFile(GetSettingsFilePath()));
    VesselWidth->setText(QString::fromStdString(settings.vesselWidth));
    TrackWidth->setText(QString::fromStdString(settings.trackWidth));
    TrackDistance->setText(QString::fromStdString(settings.trackDistance));
    VesselColor->SetSelected(settings.vesselColor);
    ColorTracklines1->SetSelected(settings.trackFixColor);
    ColorTracklines0->SetSelected(settings.trackFloatColor);
    fcadColor->SetSelected(settings.backgroundColor);
    cLineOrDot->setChecked(settings.trackAsLines);
    edDepthAlert1->setText(QString::fromStdString(settings.depthAlert));
}

bool TNavset::FormCloseQuery() {
    const TNavigationSettings settings{VesselWidth->text().toStdString(),
                                       TrackWidth->text().toStdString(),
                                       TrackDistance->text().toStdString(),
                                       VesselColor->Selected(),
                                       ColorTracklines1->Selected(),
                                       ColorTracklines0->Selected(),
                                       fcadColor->Selected(),
                                       cLineOrDot->isChecked(),
                                       edDepthAlert1->text().toStdString()};
    TIniFile ini(GetSettingsFilePath());
    if (!WriteNavigationSettings(ini, settings)) {
        ReportSettingsNotSaved(ini.FileName());
        return false;
    }
    SaveFormPlacement(this);
    return true;
}

void TNavset::FormHide() { SaveFormPlacement(this); }

void TNavset::fcadColorChange() {
    if (TOrvaltCanvas* map = Map()) map->SetBackgroundColor(fcadColor->Selected());
}

void TNavset::VesselColorChange() {
    TOrvaltCanvas* map = Map();
    const int id = map ? map->FindLayerByName(kVesselLayerName) : -1;
    if (id != -1) map->SetLayerColor(id, VesselColor->Selected());
}

// A cleared width is written back as the fallback, which runs the handler again to apply it.
void TNavset::VesselWidthChange() {
    if (VesselWidth->text().isEmpty()) {
        VesselWidth->setText(kClearedWidthText);
        return;
    }
    int width = 0;
    if (ReadIntegerOrReport(VesselWidth->text(), width))
        SetLayerWidth(Map(), kVesselLayerName, width);
}

void TNavset::TrackWidthChange() {
    if (TrackWidth->text().isEmpty()) {
        TrackWidth->setText(kClearedWidthText);
        return;
    }
    int width = 0;
    if (!ReadIntegerOrReport(TrackWidth->text(), width)) return;
    for (const char* layer : kTrackLayerNames) SetLayerWidth(Map(), layer, width);
}

void TNavset::TrackDistanceChange() {
    if (TrackDistance->text().isEmpty()) TrackDistance->setText(kClearedTrackDistanceText);
}

void TNavset::edDepthAlert1Change() {
    if (edDepthAlert1->text().isEmpty()) edDepthAlert1->setText(kClearedDepthAlertText);
}

// A rate the map cannot keep leaves the timer as it is.
void TNavset::eVesselUpdateRateChange() {
    const QString text = eVesselUpdateRate->text();
    const std::optional<int> intervalMs = MapTimerIntervalMs(text);
    int ms = 0;
    if (!intervalMs && TryStrToInt(text, ms)) {
        ShowMessage("The update rate " + text + " ms is too long: at most " +
                    QString::number(kLongestMapIntervalMs) + " ms");
    } else if (!intervalMs) {
        ShowException(IntegerConversionMessage(text));
    } else if (FNav) {
        FNav->tMap->setInterval(*intervalMs);
    }
}
