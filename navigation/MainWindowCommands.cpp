// The main window's commands that open the other windows, and the keys it sees first.

#include "navigation/Latency.h"
#include "navigation/RealtimeData.h"
#include "navigation/unavigation.h"
#include "tools/Bathymetry.h"
#include "tools/UGPS.h"
#include "tools/UShape.h"
#include "tools/unavset.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

constexpr int kMapOnlyImage = 1;

// Shows the window, when it exists, in front of the others.
void ShowInFront(QWidget* window) {
    if (!window) return;
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

void TFNav::BindWindowCommands() {
    Parameters1->setShortcut(Qt::Key_F10);
    OpenLogFolder1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    const std::pair<QAction*, void (TFNav::*)()> items[] = {
        {Parameters1, &TFNav::Parameters1Click},
        {OffsetsandValues1, &TFNav::OffsetsandValues1Click},
        {mRealtimeWindow1, &TFNav::mRealtimeWindow1Click},
        {Echogram1, &TFNav::Echogram1Click},
        {LatencyWatchSet1, &TFNav::LatencyWatchSet1Click},
        {OpenLogFolder1, &TFNav::OpenLogFolder1Click},
        {NavigationSettings1, &TFNav::NavigationSettings1Click},
        {VesselShape1, &TFNav::VesselShape1Click}};
    for (const auto& [item, handler] : items) {
        item->setEnabled(true);
        connect(item, &QAction::triggered, this, handler);
    }
    for (const auto& [button, handler] :
         {std::pair{ConnectIcon, &TFNav::ConnectIconClick}, {bRealtime, &TFNav::bRealtimeClick}}) {
        button->setEnabled(true);
        connect(button, &QToolButton::clicked, this, handler);
    }
    // Keys reach the focused control first; the application's filter lets the window see them
    // before, as the map-only mode and the map commands need.
    qApp->installEventFilter(this);
}

void TFNav::Parameters1Click() {
    if (FGPS) FGPS->show();
}

void TFNav::OffsetsandValues1Click() {
    if (Offsets) Offsets->show();
}

void TFNav::ConnectIconClick() {
    if (FGPS) FGPS->show();
}

void TFNav::mRealtimeWindow1Click() {
    if (fRealtime) fRealtime->show();
}

void TFNav::LatencyWatchSet1Click() {
    if (fLatency) fLatency->show();
}

void TFNav::NavigationSettings1Click() { ShowInFront(Navset); }

void TFNav::VesselShape1Click() { ShowInFront(FShape); }

void TFNav::OpenLogFolder1Click() {
    if (fRealtime) fRealtime->btOpenLogFolder->click();
}

void TFNav::FormKeyDown(int& Key, Qt::KeyboardModifiers) {
    if (Key == Qt::Key_Escape && fRealtime &&
        TfRealtime::ImageIndex(fRealtime->btHide) == kMapOnlyImage) {
        fRealtime->btHide->click();
    }
}

// A key press travels from the focused control up to the window; each step passes the
// application's filters again, so the window takes each press once, at its first step.
bool TFNav::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) previewedKey_ = nullptr;
    if (event->type() != QEvent::KeyPress || event == previewedKey_) return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return false;
    previewedKey_ = event;
    auto* key = static_cast<QKeyEvent*>(event);
    int code = key->key();
    FormKeyDown(code, key->modifiers());
    return code == 0;
}

void TFNav::SetSizeableBorder(bool sizeable) {
    if (windowFlags().testFlag(Qt::FramelessWindowHint) != sizeable) return;
    const bool shown = isVisible();
    reshowing_ = true;
    setWindowFlag(Qt::FramelessWindowHint, !sizeable);
    if (shown) show();
    reshowing_ = false;
}
