#pragma once
// The window "Acoustic Waterfall": the echogram, a small window without a frame that stays on
// top and shows the last reduced high-frequency depths as columns over a depth range that
// follows them, with a depth grid and the newest depth in a box. The main window's echogram
// timer adds one sample per sounder line through DrawEchogram.
//
// Without a frame, the surveyor moves the window by dragging its inside and resizes it at its
// 6-pixel edges; its context menu's "Dismiss" hides it. The client area is 388 x 147 pixels
// inside a 1-pixel border in the map's background colour.

#include "navigation/EchogramSettings.h"
#include "navigation/EdgeZone.h"

#include <QAction>
#include <QWidget>
#include <functional>

class TfWaterfal : public QWidget {
public:
    explicit TfWaterfal(QWidget* parent = nullptr);

    bool Dragging = false;  // the left button is down inside and the window follows the mouse
    int DragStartX = 0;     // window point where the drag started
    int DragStartY = 0;
    int DataWidth = kDefaultEchoDataWidth;      // samples drawn, 1..200
    int Interval = kDefaultEchogramIntervalMs;  // echogram timer interval, ms
    QAction* Dismiss1;
    // What the paint draws from the sample memory; set by DrawEchogram.
    TEchogramPicture Picture;
    // Starts the window system's resize at the edges; false where the platform refuses (no
    // window manager), and the window then resizes itself with the mouse. Tests replace it.
    std::function<bool(Qt::Edges)> StartSystemResize;

    // Reads DataWidth and Interval (ECHOGRAM), sets the main window's echogram timer to the
    // interval, takes the map's background colour for the border and restores the placement.
    void FormShow();
    // Writes DataWidth and Interval, once FormShow has read them.
    void FormCloseQuery();
    // The hit-test code of the window point: an edge zone's, or HTCLIENT inside.
    int NCHitTest(int x, int y) const;
    void FormMouseDown(Qt::MouseButton button, QPoint at, QPoint global);
    void FormMouseMove(QPoint at, QPoint global);
    void FormMouseUp(Qt::MouseButton button);
    void Dismiss1Click();
    // The client area inside the border, in window pixels.
    QRect ClientRect() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ResizeByHand(QPoint global);

    bool settingsRead_ = false;
    Qt::Edges resizing_;  // edges of a resize the window does itself
    QPoint resizeStart_;  // global mouse point where it began
    QRect resizeFrom_;    // the window's geometry then
};

extern TfWaterfal* fWaterfal;

// Adds one sample to the echogram: the depth, the default range lo to hi (metres) while fewer
// than four samples set one, and the number of samples drawn. Nothing happens while the window
// is hidden or its client area is empty.
void DrawEchogram(double depth, double lo, double hi, int count);
