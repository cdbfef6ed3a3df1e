#pragma once
// The window "Realtime Data": the surveyor's glance panel beside the map. It shows fix type,
// speed, satellites, antenna height, tide and one or two large depths, written by the main
// window's handlers; its tool bar switches the main window into a map-only mode and back,
// zooms the map, opens the day's data folder and shows the offsets window.
//
// The window's height follows the depth frames it shows: 191 without, 289 with the
// high-frequency frame, 387 with both.

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>
#include <vector>

class TfRealtime : public QWidget {
public:
    explicit TfRealtime(QWidget* parent = nullptr);

    QWidget* Panel1;
    QToolBar* ToolBar1;
    QToolButton *btHide, *ToolButton2, *ToolButton3, *btOpenLogFolder, *btShowOffsets;
    QAction* ToolButton1;  // separator
    QGroupBox* GPSGroupBox;
    QLabel *Label1, *Fixed, *Label2, *Speed, *Label6, *SatelliteLabel, *Label4, *LAntennaH, *Label3,
        *LTideHt;
    QGroupBox *DepthFrameHi, *DepthFrameLo;
    QLabel *lDepthHi, *lDepthLo;
    QTimer* Timer1;  // the one-shot start-up timer; null once it has fired
    std::vector<QIcon> ImageList1;

    // A tool button's image, by its index in ImageList1; the index is also state (btHide's
    // tells the map-only mode).
    void SetImageIndex(QToolButton* button, int index);
    static int ImageIndex(const QToolButton* button);
    // btHide's image index tells whether the map-only mode is on.
    bool InMapOnlyMode() const;

    void FormShow();
    // Applies the stored echo-sounder format once, 10 s after start, then goes away.
    void Timer1Timer();
    // Shows the high-frequency frame; the window takes its height unless the other is shown.
    void ShowDepthFrameHi();
    void ShowDepthFrameLo();
    void HideDepthFrameLo();
    // Hides both frames and takes the height without them.
    void HideDepthFrames();
    // Enters the map-only mode from image index 0 and leaves it from 1.
    void btHideClick();
    // Leaves the map-only mode without showing this window, as a double click on the map's
    // position text does; the echogram window comes back when showEchogram.
    void RestoreMainWindow(bool showEchogram);
    void ToolButton2Click();
    void ToolButton3Click();
    void btShowOffsetsClick();
    void btOpenLogFolderClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateToolBar();
    void CreateGpsBox();
    void EnterMapOnlyMode();
    void LeaveMapOnlyMode();
};

extern TfRealtime* fRealtime;
