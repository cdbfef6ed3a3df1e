#pragma once
// The window "Navigation Settings": the colours and widths of the vessel symbol and its track,
// the minimum distance between track points, the map background, the shallow-water alarm depth
// and the map timer's update rate.
//
// The main window reads these controls directly on every map tick and sounder line, so they
// are the live settings. Width, colour and background changes are also pushed at once onto the
// map. Every show loads the stored settings (section NAVIGATION_SETTINGS), overwriting unsaved
// edits; closing the window stores them, and a failed store keeps it open. Loading an edit runs its
// change handler, as typing does.

#include "tools/ColorBox.h"
#include "tools/UpDown.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

class TOrvaltCanvas;

class TNavset : public QWidget {
public:
    explicit TNavset(QWidget* parent = nullptr);

    QGroupBox* GroupBox1;  // vessel
    TColorBox* VesselColor;
    QLineEdit* VesselWidth;
    TUpDown* UpDown1;
    QLabel* Label4;
    QLineEdit* eVesselUpdateRate;  // ms
    TUpDown* UpDown4;
    QGroupBox* GroupBox2;  // background
    TColorBox* fcadColor;
    QGroupBox* GroupBox3;         // track
    TColorBox* ColorTracklines1;  // "track_fix"
    TColorBox* ColorTracklines0;  // "track_float"
    QLabel* Label1;
    QLineEdit* TrackWidth;
    TUpDown* UpDown2;
    QLabel* Label2;
    QLineEdit* TrackDistance;  // m
    TUpDown* UpDown3;
    QCheckBox* cLineOrDot;
    QGroupBox* GroupBox4;  // alert
    QLabel* Label3;
    QLineEdit* edDepthAlert1;  // m
    QLabel* Label5;

    void FormShow();
    // Stores the settings and the placement; false, after the report, when they could not be
    // stored, and the window then stays open.
    bool FormCloseQuery();
    void FormHide();
    void fcadColorChange();
    void VesselColorChange();
    void VesselWidthChange();
    void TrackWidthChange();
    void TrackDistanceChange();
    void edDepthAlert1Change();
    void eVesselUpdateRateChange();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateVesselGroup();
    void CreateBackgroundGroup();
    void CreateTrackGroup();
    void CreateAlertGroup();
    void BindHandlers();
    void LoadSettings();
    // The main window's map, or nullptr while there is none.
    static TOrvaltCanvas* Map();
};

extern TNavset* Navset;
