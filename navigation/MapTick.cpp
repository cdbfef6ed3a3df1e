#include "navigation/MapTick.h"

#include "app/StatusReport.h"
#include "canvas/DisplaySettings.h"
#include "canvas/OrvaltCanvas.h"
#include "devices/OrvaltSerialGPS.h"
#include "devices/uNTRIPSettings.h"
#include "navigation/GeodeticControls.h"
#include "navigation/Latency.h"
#include "navigation/NavigationState.h"
#include "navigation/RealtimeData.h"
#include "navigation/unavigation.h"
#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/NumberFormat.h"
#include "tools/Bathymetry.h"
#include "tools/UGPS.h"
#include "tools/UShape.h"
#include "tools/unavset.h"

namespace {

constexpr int kFixedPrecision = 18;
constexpr int kGeographicPanel = 0;
constexpr int kGridPanel = 1;

std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }

void Report(const std::string& text) {
    if (!text.empty()) ReportStatus(QString::fromStdString(text));
}

bool HasGridPosition() { return CurrentEasting != 0 || CurrentNorthing != 0; }

// Setting a layer's pen recolours every shape of the layer, so it is set only when it changes.
void SetLayerPen(TOrvaltCanvas& map, int layer, TColor color, int width) {
    if (map.GetLayerColor(layer) != color) map.SetLayerColor(layer, color);
    if (map.GetLayerLineWidth(layer) != width) map.SetLayerLineWidth(layer, width);
}

bool SensorEnabled() { return FGPS && FGPS->SensorEnabled->isChecked(); }

}  // namespace

void TMapTick::Run(TFNav& window) {
    const bool timed = fLatency && fLatency->isVisible();
    const std::uint64_t start = GetTickCount();
    // (0, 0) is no position: the caster keeps the last real one for its corrections.
    if (frmNTRIPSettings && (CurrentLatitude != 0 || CurrentLongitude != 0)) {
        frmNTRIPSettings->UpdatePosition(CurrentLatitude, CurrentLongitude, CurrentHeight);
    }
    ShowRealtimePanel(window);
    CurrentFixQuality = window.ZGPS1->GetFixQuality();
    ShowOverlayLine(window);
    ReadSettings();
    const bool projected = Project(window);
    const bool gyro = FGPS && FGPS->GyroEnabled->isChecked();
    VesselHeading = (gyro ? GyroHeading : window.ZGPS1->GetCourse()) + GridConvergence;
    Follow(window);
    DrawVessel(window);
    ShowStatusBar(window);
    if (projected) AddTrackPoint(window);
    AddDepthLabel(window);
    ShowBigNumbers(window);
    if (timed) ShowLatency(static_cast<double>(GetTickCount() - start));
}

void TMapTick::ShowRealtimePanel(const TFNav& window) const {
    if (!fRealtime) return;
    const TOrvaltSerialGPS& gps = *window.ZGPS1;
    fRealtime->Fixed->setText(QString::number(gps.GetFixQuality()));
    fRealtime->LAntennaH->setText(
        QString::fromStdString(FloatToStrF(RtkAntennaHeight, kFixedPrecision, 2)));
    fRealtime->LTideHt->setText(
        Offsets && Offsets->isVisible()
            ? QString("-")
            : QString::fromStdString(FloatToStrF(RtkTide, kFixedPrecision, 2)));
    fRealtime->SatelliteLabel->setText(QString::number(gps.GetSatellites()));
}

void TMapTick::ShowOverlayLine(TFNav& window) const {
    TOverlayLineInput line;
    line.fixQuality = CurrentFixQuality;
    line.satellites = window.ZGPS1->GetSatellites();
    line.antennaHeight = RtkAntennaHeight;
    if (fRealtime) {
        line.speedText = fRealtime->Speed->text().toStdString();
        line.tideText = fRealtime->LTideHt->text().toStdString();
    }
    line.depthShown = SensorEnabled();
    line.depth = SoundingDepth;
    line.emptyGGA = EmptyGGA;
    GGAOverlayText = OverlayLine(line);
    window.fcad->SetPositionOverlay(GGAOverlayText, EmptyGGA, CurrentFixQuality);
}

void TMapTick::ReadSettings() {
    if (FShape) {
        Report(vesselShape_.Read({Text(FShape->edAmount), Text(FShape->edInterval),
                                  Text(FShape->edRadious), Text(FShape->edBArrow),
                                  Text(FShape->edLArrow)}));
    }
    if (!Navset) return;
    navigationSettings_.Read("Vessel width", Text(Navset->VesselWidth), vesselWidth_);
    navigationSettings_.Read("Track width", Text(Navset->TrackWidth), trackWidth_);
    navigationSettings_.Read("Track distance", Text(Navset->TrackDistance), trackDistance_);
    Report(navigationSettings_.TakeReport("Navigation settings", "; the previous value is kept",
                                          "; the previous values are kept"));
}

bool TMapTick::Project(const TFNav& window) {
    const std::optional<TGridFix> fix =
        window.RunProjector.Project(CurrentLatitude, CurrentLongitude, CurrentHeight);
    if (!fix) return false;
    CurrentEasting = fix->easting;
    CurrentNorthing = fix->northing;
    GridConvergence = fix->convergenceDeg;
    return true;
}

// Before the first position there is nothing to follow: the view stays where the surveyor
// left it. Either way the tick repaints the map once, whatever else it changes.
void TMapTick::Follow(TFNav& window) const {
    TOrvaltCanvas& map = *window.fcad;
    if (FollowVessel && HasGridPosition()) {
        map.Pan(CurrentEasting - (map.ViewLeft + map.ViewRight) / 2,
                CurrentNorthing - (map.ViewTop + map.ViewBottom) / 2);
    } else {
        map.Invalidate();
    }
}

// The vessel's layer is the map's live layer: redrawn at every paint over the picture, so that
// replacing it costs no new picture.
void TMapTick::DrawVessel(TFNav& window) const {
    TOrvaltCanvas& map = *window.fcad;
    // -1 would delete every shape of the map.
    if (!map.FindLayer(VesselLayer)) return;
    map.LiveLayer = VesselLayer;
    map.DeleteLayerShapes(VesselLayer);
    if (!HasGridPosition()) return;
    if (Navset) SetLayerPen(map, VesselLayer, Navset->VesselColor->Selected(), vesselWidth_);
    const TVesselSymbol symbol =
        VesselSymbolAt(CurrentEasting, CurrentNorthing, VesselHeading, vesselShape_.Geometry());
    for (const TSegment& line : symbol.lines) {
        map.AddLine(line.x1, line.y1, line.x2, line.y2, VesselLayer);
    }
    for (double radius : symbol.ringRadii) {
        map.AddCircle(CurrentEasting, CurrentNorthing, radius, VesselLayer);
    }
}

void TMapTick::ShowStatusBar(TFNav& window) const {
    if (window.StatusPanels.size() < 3) return;
    window.SetStatusPanelFitted(kGeographicPanel,
                                QString::fromStdString(DmsText(CurrentLatitude, CurrentLongitude)));
    window.SetStatusPanelFitted(
        kGridPanel, QString::fromStdString(GridPositionText(CurrentEasting, CurrentNorthing)));
}

void TMapTick::AddTrackPoint(TFNav& window) {
    const TTrackDecision decision = track_.Next({CurrentEasting, CurrentNorthing}, trackDistance_);
    if (decision.step != TTrackStep::Draw || !Navset) return;
    TOrvaltCanvas& map = *window.fcad;
    const TTrackPen pen =
        TrackPenOf(window.ZGPS1->GetFixQuality(), Navset->ColorTracklines1->Selected(),
                   Navset->ColorTracklines0->Selected());
    const int layer = map.FindLayerByName(pen.layer);
    if (layer == -1) return;
    SetLayerPen(map, layer, pen.color, trackWidth_);
    if (Navset->cLineOrDot->isChecked()) {
        map.AddLine(CurrentEasting, CurrentNorthing, decision.from.easting, decision.from.northing,
                    layer);
    } else {
        map.AddPoint(CurrentEasting, CurrentNorthing, layer);
    }
}

void TMapTick::AddDepthLabel(TFNav& window) {
    const std::optional<TDepthLabel> label = PendingDepthLabel;
    PendingDepthLabel.reset();
    if (!ShowDepthLabels || !label || !(label->depth > 0)) return;
    TOrvaltCanvas& map = *window.fcad;
    map.SetSoundingStyle(true, DepthLabelSpacing, QString::fromStdString(DepthLabelFontName),
                         DepthLabelFontSize, DepthLabelColor);
    map.AddSounding(label->easting, label->northing, label->depth);
}

void TMapTick::ShowBigNumbers(TFNav& window) const {
    TOrvaltCanvas& map = *window.fcad;
    if (SensorEnabled()) {
        const bool lowShown = fRealtime && !fRealtime->DepthFrameLo->isHidden();
        map.SetDepthOverlay(SoundingDepth, lowShown ? TrueDepthLo : 0, SoundingDepth > 0);
    }
    map.SetSpeedOverlay(SpeedKnots, true);
}

void TMapTick::ShowLatency(double latencyMs) {
    latency_.Add(latencyMs);
    fLatency->eCurrentLatency->setText(QString::number(static_cast<long>(latencyMs)));
    fLatency->eLatencyAveraged->setText(
        QString::fromStdString(FloatToStrF(latency_.Mean(), kFixedPrecision, 1)));
}

void TFNav::tMapTimer() { MapTick->Run(*this); }
