// The main window's commands that open the other windows, and the keys it sees first.

#include "app/About.h"
#include "app/FormPlacement.h"
#include "app/uTheme.h"
#include "canvas/OrvaltCanvas.h"
#include "navigation/Latency.h"
#include "navigation/NavigationState.h"
#include "navigation/RealtimeData.h"
#include "navigation/unavigation.h"
#include "tools/Bathymetry.h"
#include "tools/UGPS.h"
#include "tools/UShape.h"
#include "tools/unavset.h"

#include <QApplication>
#include <QKeyEvent>
#include <utility>

namespace {

bool IsPreviewedKey(int key) {
    return key == Qt::Key_Escape || key == Qt::Key_F2 || key == Qt::Key_F3 || key == Qt::Key_Delete;
}

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
        {VesselShape1, &TFNav::VesselShape1Click},
        {English1, &TFNav::English1Click},
        {Turkish1, &TFNav::Turkish1Click},
        {TranslationEditor1, &TFNav::TranslationEditor1Click},
        {themeSelection1, &TFNav::themeSelection1Click},
        {About1, &TFNav::About1Click}};
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
    // before, as the map-only mode and the map commands need, and it hears of style switches.
    qApp->installEventFilter(this);
}

void TFNav::themeSelection1Click() {
    if (!fTheme) return;
    CentreOnWindow(fTheme, this);
    fTheme->show();
    fTheme->raise();
}

void TFNav::About1Click() {
    if (!formAbout) return;
    CentreOnWindow(formAbout, this);
    formAbout->exec();
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

// Escape also disarms a lasso and repaints the shapes it had selected in their own colours;
// the map itself drops the polygon under way. The map's own Delete key stays off: Delete here
// is the one way to delete the selection.
void TFNav::FormKeyDown(int& Key, Qt::KeyboardModifiers) {
    switch (Key) {
        case Qt::Key_Escape:
            if (fRealtime && fRealtime->InMapOnlyMode()) {
                fRealtime->btHide->click();
            }
            if (std::exchange(TrackLassoActive, false) | std::exchange(ShapeLassoActive, false)) {
                fcad->ClearSelection();
                fcad->Invalidate();
                SetStatusPanelText(0, QString());
            }
            break;
        case Qt::Key_F2:
            fcad->CycleBigNumberCorner();
            break;
        case Qt::Key_F3:
            fcad->CyclePositionTextCorner();
            break;
        case Qt::Key_Delete:
            bDelSelectedClick();
            Key = 0;
            break;
        default:
            break;
    }
}

// A key press travels from the focused control up to the window; each step passes the
// application's filters again, so the window takes each press once, at its first step. The
// keys the window handles are claimed before any shortcut: Delete is also the shortcut shown
// on "Delete tracks selected", and a shortcut would take the press away from the window.
bool TFNav::eventFilter(QObject* watched, QEvent* event) {
    // A style switch replaces the application's palette; the map follows with its panel colour.
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) {
        TakeStylePanelColor();
    }
    StatusBarMouse(watched, event);
    if (event->type() == QEvent::KeyRelease) previewedKey_ = nullptr;
    const bool shortcutOverride = event->type() == QEvent::ShortcutOverride;
    if ((event->type() != QEvent::KeyPress && !shortcutOverride) || event == previewedKey_) {
        return false;
    }
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (shortcutOverride) {
        if (IsPreviewedKey(key->key())) key->accept();
        return false;
    }
    previewedKey_ = event;
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
