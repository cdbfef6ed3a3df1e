// The main window's lasso, deleting the selection, and clearing the user shapes and the track
// layers after a question.

#include "canvas/CanvasTool.h"
#include "canvas/OrvaltCanvas.h"
#include "navigation/LassoSelection.h"
#include "navigation/NavigationState.h"
#include "navigation/unavigation.h"
#include "platform/Dialogs.h"
#include "platform/EventLog.h"

namespace {

constexpr int kPromptPanel = 0;

}  // namespace

void TFNav::bMouseSelectClick() { StartLasso(TLassoKind::Shapes); }

void TFNav::bSelectTracksClick() {
    SelectionDeleted = false;
    Deletetracksselected1->setShortcut(QKeySequence::Delete);
    StartLasso(TLassoKind::Tracks);
}

// Only one lasso is armed at a time, so a polygon finished later cannot select twice.
void TFNav::StartLasso(TLassoKind kind) {
    TrackLassoActive = kind == TLassoKind::Tracks;
    ShapeLassoActive = kind == TLassoKind::Shapes;
    int layer = fcad->FindLayerByName(kLassoLayerName);
    if (layer == -1) {
        layer = fcad->AddLayer(kLassoLayerName);
    } else {
        fcad->DeleteLayerShapes(layer);
        fcad->CurrentLayer = layer;
    }
    fcad->DrawLayer = layer;
    fcad->DrawMode = stPolygon;
    fcad->KeepDrawMode = false;
    SetStatusPanelText(kPromptPanel, LassoPromptText(kind));
}

// Runs inside the right press that finished the polygon; the map is told to forget the drawing.
void TFNav::FinishLasso(TLassoKind kind) {
    (kind == TLassoKind::Tracks ? TrackLassoActive : ShapeLassoActive) = false;
    const int count = SelectWithLasso(*fcad, kind);
    SetStatusPanelText(kPromptPanel, SelectionCountText(kind, count));
    fcad->DrawMode = dmSelect;
    fcad->CancelDrawing();
}

// The count in panel 0 goes with the shapes it counted.
void TFNav::bDelSelectedClick() {
    if (fcad->GetSelectedCount() >= 1) {
        fcad->DeleteSelectedShapes();
        fcad->Invalidate();
        SetStatusPanelText(kPromptPanel, QString());
    }
    SelectionDeleted = true;
}

void TFNav::ToolButton11Click() { ClearLayer(kClearUserShapes); }
void TFNav::tbFixedClick() { ClearLayer(kClearFixedTracks); }
void TFNav::tbFloatClick() { ClearLayer(kClearFloatTracks); }
void TFNav::tbAutoClick() { ClearLayer(kClearNoFixTracks); }

// A layer that is not there is left alone: DeleteLayerShapes(-1) would empty the drawing.
void TFNav::ClearLayer(const TLayerClear& clear) {
    if (MessageDlg(clear.question, TMsgDlgType::Warning, mbYes | mbNo) != TModalResult::Yes) {
        return;
    }
    const int layer = fcad->FindLayerByName(clear.layer);
    if (layer == -1) return;
    fcad->DeleteLayerShapes(layer);
    fcad->update();
    if (*clear.record) AppendEventLog(clear.record, EventLogFilePath());
}
