// The real-time window's map-only mode: the main window without its menu, tool bars, status
// panel and border, and without the small windows around it, so the map fills the screen. The
// state is btHide's image index: 0 normal, 1 map-only. While the mode is on the real-time
// window is hidden, so the way back is through the main window (Escape).

#include "devices/OrvaltSerialGPS.h"
#include "navigation/RealtimeData.h"
#include "navigation/uCanvas.h"
#include "navigation/unavigation.h"
#include "tools/unavset.h"

namespace {

constexpr int kNormal = 0;
constexpr int kMapOnly = 1;

// The main window's top tool bars, its bottom panel and its status bar.
void ShowMainWindowBars(bool visible) {
    for (QWidget* bar : std::initializer_list<QWidget*>{FNav->tRealtime, FNav->tDraw,
                                                        FNav->pRealtime, FNav->sStatusBar}) {
        bar->setVisible(visible);
    }
}

}  // namespace

void TfRealtime::btHideClick() {
    if (!FNav) return;
    const int mode = ImageIndex(btHide);
    if (mode == kNormal) EnterMapOnlyMode();
    if (mode == kMapOnly) LeaveMapOnlyMode();
}

bool TfRealtime::InMapOnlyMode() const { return ImageIndex(btHide) == kMapOnly; }

void TfRealtime::EnterMapOnlyMode() {
    ShowMainWindowBars(false);
    if (Navset) Navset->close();
    FNav->SetSizeableBorder(false);
    FNav->MainMenu1->hide();
    SetImageIndex(btHide, kMapOnly);
    if (fWaterfal) fWaterfal->hide();
    FNav->tShape->hide();
    hide();
}

void TfRealtime::LeaveMapOnlyMode() {
    show();
    const bool sounderRunning =
        FNav->ZSENSOR && FNav->ZSENSOR->Connected() && FNav->tEchogram->isActive();
    RestoreMainWindow(sounderRunning);
}

void TfRealtime::RestoreMainWindow(bool showEchogram) {
    if (!FNav) return;
    ShowMainWindowBars(true);
    if (Navset) Navset->show();
    FNav->SetSizeableBorder(true);
    FNav->MainMenu1->show();
    SetImageIndex(btHide, kNormal);
    if (fWaterfal && showEchogram) fWaterfal->show();
    FNav->tShape->show();
}
