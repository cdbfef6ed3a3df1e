// The settings window's tab "Global Setting": the map's coordinate grid, the depth labels along
// the track, the event numbers, the screenshot interval and the big depth and speed numbers.
// Each option acts at once through the program-wide display settings; the grid spacings, the
// depth labels' spacing, font and colour wait for the next save.

#include "canvas/DisplaySettings.h"
#include "canvas/OrvaltCanvas.h"
#include "navigation/MainWindowSettings.h"
#include "navigation/unavigation.h"
#include "platform/NumberFormat.h"
#include "tools/DisplayOptions.h"
#include "tools/SettingsTabWidgets.h"
#include "tools/UGPS.h"

namespace {

void CreateGridGroup(TFGPS& w, QWidget* tab) {
    QGroupBox* grid = AddGroup(tab, "Grid Settings", QRect(6, 4, 236, 188));
    w.cbGridVisible = AddBox(grid, "cbGridVisible", "Show Grid", QPoint(12, 24), true);
    w.cbAutoGrid = AddBox(grid, "cbAutoGrid", "Auto Scale", QPoint(124, 24), false);
    w.edGridSpacingX = AddEdit(grid, "edGridSpacingX", "Grid Spacing X", 12, 78, 100);
    w.edGridSpacingY = AddEdit(grid, "edGridSpacingY", "Grid Spacing Y", 124, 78, 100);
    w.edGridSpacingX->setText("100");
    w.edGridSpacingY->setText("100");
    w.cbGridColor = AddColorBox(grid, "cbGridColor", "Grid Color", 12, 130, 212, kSilver);
}

void CreateOverlayGroup(TFGPS& w, QWidget* tab) {
    QGroupBox* overlay = AddGroup(tab, "Depth/Speed Overlay", QRect(6, 198, 236, 168));
    w.edOverlayFontSize = AddEdit(overlay, "edOverlayFontSize", "Font Size", 12, 44, 100);
    w.edOverlayFontSize->setText("40");
    w.cbOverlayDepthColor =
        AddColorBox(overlay, "cbOverlayDepthColor", "Depth Color", 12, 90, 212, kNavy);
    w.cbOverlaySpeedColor =
        AddColorBox(overlay, "cbOverlaySpeedColor", "Speed Color", 12, 136, 212, kBlack);
}

void CreateDepthLabelGroup(TFGPS& w, QWidget* tab) {
    QGroupBox* labels = AddGroup(tab, "Depth Labels", QRect(248, 4, 240, 264));
    w.cbShowDepthLabels =
        AddBox(labels, "cbShowDepthLabels", "Show Depth Labels", QPoint(12, 24), true);
    w.edDepthLabelSpacing =
        AddEdit(labels, "edDepthLabelSpacing", "Label Spacing (m)", 12, 78, 100);
    w.edDepthLabelSpacing->setText("10");
    w.edDepthLabelFontName = AddEdit(labels, "edDepthLabelFontName", "Font Name", 12, 126, 216);
    w.edDepthLabelFontName->setText("Arial");
    w.edDepthLabelFontSize = AddEdit(labels, "edDepthLabelFontSize", "Font Size", 12, 174, 100);
    w.edDepthLabelFontSize->setText("12");
    w.cbTextColor = AddColorBox(labels, "cbTextColor", "Text Color", 12, 222, 216, kBlack);
}

void CreateEventAndScreenshotGroups(TFGPS& w, QWidget* tab) {
    QGroupBox* events = AddGroup(tab, "Event Labels", QRect(494, 4, 238, 136));
    w.edEventLabelFontSize = AddEdit(events, "edEventLabelFontSize", "Font Size", 12, 44, 100);
    w.edEventLabelFontSize->setText("24");
    w.cbEventLabelColor = AddColorBox(events, "cbEventLabelColor", "Text Color", 12, 92, 214, kRed);
    QGroupBox* screenshot = AddGroup(tab, "Screenshot", QRect(494, 146, 238, 84));
    w.eScreenshotInterval =
        AddEdit(screenshot, "eScreenshotInterval", "Inteval (second)", 12, 44, 100);
    w.eScreenshotInterval->setText("60");
}

}  // namespace

// The handlers are bound after the initial values are in, which therefore run none.
void TFGPS::CreateDisplayTab() {
    CreateGridGroup(*this, tGlobalSetting);
    CreateOverlayGroup(*this, tGlobalSetting);
    CreateDepthLabelGroup(*this, tGlobalSetting);
    CreateEventAndScreenshotGroups(*this, tGlobalSetting);
    connect(cbGridVisible, &QCheckBox::toggled, this, &TFGPS::cbGridVisibleClick);
    connect(cbAutoGrid, &QCheckBox::toggled, this, &TFGPS::cbAutoGridClick);
    connect(cbShowDepthLabels, &QCheckBox::toggled, this, &TFGPS::cbShowDepthLabelsClick);
    connect(cbGridColor, &QComboBox::activated, this, &TFGPS::cbGridColorChange);
    connect(cbEventLabelColor, &QComboBox::activated, this, &TFGPS::cbEventLabelColorChange);
    connect(cbOverlayDepthColor, &QComboBox::activated, this, &TFGPS::cbOverlayDepthColorChange);
    connect(cbOverlaySpeedColor, &QComboBox::activated, this, &TFGPS::cbOverlaySpeedColorChange);
    connect(edEventLabelFontSize, &QLineEdit::textChanged, this,
            &TFGPS::edEventLabelFontSizeChange);
    connect(edOverlayFontSize, &QLineEdit::textChanged, this, &TFGPS::edOverlayFontSizeChange);
    connect(eScreenshotInterval, &QLineEdit::textChanged, this, &TFGPS::eScreenshotIntervalChange);
}

TOrvaltCanvas* TFGPS::Map() { return FNav ? FNav->fcad : nullptr; }

void TFGPS::CopyGridToMainMap() {
    if (TOrvaltCanvas* map = Map()) CopyGridToMap(*map);
}

// The overlays are drawn at every paint: asking for one is enough.
void TFGPS::RepaintMainMap() {
    if (TOrvaltCanvas* map = Map()) map->Invalidate();
}

TDisplayOptionTexts TFGPS::DisplayOptionTexts() const {
    return {cbGridVisible->isChecked(),     cbAutoGrid->isChecked(),
            edGridSpacingX->text(),         edGridSpacingY->text(),
            cbGridColor->Selected(),        cbShowDepthLabels->isChecked(),
            edDepthLabelSpacing->text(),    edDepthLabelFontName->text(),
            edDepthLabelFontSize->text(),   cbTextColor->Selected(),
            edEventLabelFontSize->text(),   cbEventLabelColor->Selected(),
            edOverlayFontSize->text(),      cbOverlayDepthColor->Selected(),
            cbOverlaySpeedColor->Selected()};
}

// Every display setting from the controls, the spacing edits open exactly without "Auto Scale",
// and the grid copied into the map.
void TFGPS::ApplyDisplayOptions() {
    SetDisplaySettings(DisplayOptionTexts());
    edGridSpacingX->setEnabled(!AutoGrid);
    edGridSpacingY->setEnabled(!AutoGrid);
    CopyGridToMainMap();
}

void TFGPS::cbGridVisibleClick() {
    GridVisible = cbGridVisible->isChecked();
    GridColor = cbGridColor->Selected();
    CopyGridToMainMap();
}

void TFGPS::cbGridColorChange() {
    GridColor = cbGridColor->Selected();
    CopyGridToMainMap();
}

void TFGPS::cbAutoGridClick() {
    AutoGrid = cbAutoGrid->isChecked();
    edGridSpacingX->setEnabled(!AutoGrid);
    edGridSpacingY->setEnabled(!AutoGrid);
    SetGridSpacings(edGridSpacingX->text(), edGridSpacingY->text());
    CopyGridToMainMap();
}

void TFGPS::cbShowDepthLabelsClick() { ShowDepthLabels = cbShowDepthLabels->isChecked(); }

void TFGPS::edEventLabelFontSizeChange() {
    EventLabelFontSize = StrToIntDef(edEventLabelFontSize->text(), kEventLabelFontSizeFallback);
    RepaintMainMap();
}

void TFGPS::cbEventLabelColorChange() {
    EventLabelColor = cbEventLabelColor->Selected();
    RepaintMainMap();
}

void TFGPS::edOverlayFontSizeChange() {
    OverlayFontSize = StrToIntDef(edOverlayFontSize->text(), kOverlayFontSizeFallback);
    RepaintMainMap();
}

void TFGPS::cbOverlayDepthColorChange() {
    OverlayDepthColor = cbOverlayDepthColor->Selected();
    RepaintMainMap();
}

void TFGPS::cbOverlaySpeedColorChange() {
    OverlaySpeedColor = cbOverlaySpeedColor->Selected();
    RepaintMainMap();
}

void TFGPS::eScreenshotIntervalChange() {
    if (!FNav || !FNav->tScreenshot) return;
    ApplyScreenshotInterval(*FNav->tScreenshot,
                            StrToIntDef(eScreenshotInterval->text(), kScreenshotIntervalFallback));
}
