// The main window's handler of the echo sounder's lines: the depth panel, the depth alarm on
// the map, the sounding in the day's survey log and simple XYZ file, and the lasting sign of a
// sounding not logged right.

#include "app/StatusReport.h"
#include "canvas/OrvaltCanvas.h"
#include "devices/OrvaltSerialGPS.h"
#include "navigation/ControlColor.h"
#include "navigation/CurrentPosition.h"
#include "navigation/NavigationState.h"
#include "navigation/RealtimeData.h"
#include "navigation/uCanvas.h"
#include "navigation/uJoystick.h"
#include "navigation/unavigation.h"
#include "platform/Clock.h"
#include "platform/NumberFormat.h"
#include "tools/Bathymetry.h"
#include "tools/TelegramFormats.h"
#include "tools/UGPS.h"
#include "tools/USoundVelocity.h"
#include "tools/unavset.h"

namespace {

const QString kNoDepth = "--.-";
constexpr int kSoundingSignPanel = 5;

std::string Text(const QLineEdit* edit) { return edit ? edit->text().toStdString() : ""; }

// The first line after the start shows the echogram and the depth frames its format uses.
void ShowSensorWindows(const std::string& formatName) {
    if (SensorWindowsShown) return;
    SensorWindowsShown = true;
    if (fWaterfal) fWaterfal->show();
    if (!fRealtime) return;
    fRealtime->ShowDepthFrameHi();
    const TTelegramFormat* format = FindTelegramFormat(formatName);
    if (format && format->lowFrequencyFrame == TLowFrequencyFrame::Shown) {
        fRealtime->ShowDepthFrameLo();
    }
}

void ShowDepthTexts(double hi, double lo, bool shown) {
    if (!fRealtime) return;
    const auto text = [shown](double value) {
        return shown ? QString::fromStdString(FloatToStrF(value, 20, 2)) : kNoDepth;
    };
    fRealtime->lDepthHi->setText(text(hi));
    fRealtime->lDepthLo->setText(text(lo));
}

// The high-frequency frame shows the logged depth, the low-frequency one that frequency's.
void ShowDepths(const TSounderLine& line) {
    const bool depth = line.outcome == TSounderLineOutcome::Depth;
    TrueDepthHi = depth ? line.depths.trueDepthHi : 0;
    TrueDepthLo = depth ? line.depths.trueDepthLo : 0;
    SoundingDepth = depth ? line.LoggedTrueDepth() : 0;
    if (depth) NewDepthFlag = true;
    ShowDepthTexts(SoundingDepth, TrueDepthLo, depth);
}

void SetDepthFramesColor(TColor color) {
    if (!fRealtime) return;
    SetControlColor(fRealtime->DepthFrameHi, color);
    SetControlColor(fRealtime->DepthFrameLo, color);
}

TSoundingValues SoundingValues(const std::string& format) {
    return {Now(), format, RtkAntennaHeight, ManualTide, RtkTide};
}

void Report(const std::string& text) { ReportStatus(QString::fromStdString(text)); }

}  // namespace

void TFNav::ZSENSORNewCommand(TOrvaltSerialGPS*, const std::string& Line) {
    LastSensorTick = GetTickCount();
    SensorTimeoutReported = false;
    const std::string format = FGPS ? FGPS->cSBESMessage->currentText().toStdString() : "";
    ShowSensorWindows(format);
    if (FGPS && FGPS->isVisible() && FMemoEchoEnabled) {
        FGPS->MemoSensor->appendPlainText(QString::fromStdString(Line));
    }
    SetDepthFramesColor(kLime);
    if (Offsets && !Offsets->isVisible()) CopyOffsets();
    const TSounderLine line = ReadSounderLine(Line, format);
    for (const std::string& report : line.reports) Report(report);
    if (line.outcome == TSounderLineOutcome::Ignored) return;
    if (line.battery) ShowBatteryLevel(QString::fromStdString(FloatToStrF(*line.battery, 20, 2)));
    ShowDepths(line);
    if (line.outcome == TSounderLineOutcome::Depth) SoundDepthAlarm(line.LoggedTrueDepth());
    const std::optional<TCurrentPosition> position =
        line.RecordDue() ? CurrentPosition(*ZGPS1, RunProjector) : std::nullopt;
    const TSoundingOutcome outcome =
        SoundingLog.Record(DaySurveyFiles(), line, position, SoundingValues(format));
    for (const std::string& report : outcome.reports) Report(report);
    if (outcome.sign) ShowSoundingSign(*outcome.sign);
    if (outcome.label) PendingDepthLabel = outcome.label;
    if (!SoundingSign().isEmpty()) SetDepthFramesColor(kRed);
}

TSounderLine TFNav::ReadSounderLine(const std::string& Line, const std::string& format) {
    const std::string pattern = Text(FGPS ? FGPS->eSBESFormat : nullptr);
    const std::optional<std::vector<std::string>> profile = SoundVelocityProfileColumn();
    TSounderLineInput input{Line,
                            format,
                            pattern,
                            Text(Offsets ? Offsets->OffsetA : nullptr),
                            Text(Navset ? Navset->edDepthAlert1 : nullptr),
                            SoundVelocity,
                            {},
                            false};
    if (profile) {
        input.profile = *profile;
        input.useProfile = true;
    }
    return SounderLineReader.Read(input, DepthAlarmLevel);
}

// While the Start button is down, a depth at or above the alarm level turns the map red. The
// map repaints only when its background changes; the depth itself reaches it at the next tick.
void TFNav::SoundDepthAlarm(double trueDepth) {
    if (!bRealtime->isChecked()) return;
    const TColor normal = Navset ? Navset->fcadColor->Selected() : kWhite;
    fcad->SetBackgroundColor(DepthAlarmLevel >= trueDepth ? kRed : normal);
}

// A depth no longer measured is not shown: the panels read "--.-" and the big number goes.
void TFNav::ClearShownDepth() {
    TrueDepthHi = TrueDepthLo = SoundingDepth = 0;
    PendingDepthLabel.reset();
    ShowDepthTexts(0, 0, false);
    fcad->SetDepthOverlay(0, 0, false);
}

// The sign lasts until a sounding is logged right; an empty text clears it.
void TFNav::ShowSoundingSign(const std::string& text) {
    if (StatusPanels.size() <= kSoundingSignPanel) return;
    QLabel* panel = StatusPanels[kSoundingSignPanel];
    if (text.empty()) {
        panel->setText({});
        panel->setPalette(QPalette());
        panel->setAutoFillBackground(false);
        panel->setFixedWidth(kStatusPanelWidth);
        return;
    }
    SetStatusPanelFitted(kSoundingSignPanel, QString::fromStdString(text));
    SetControlColor(panel, kRed);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(palette);
}

QString TFNav::SoundingSign() const {
    return StatusPanels.size() > kSoundingSignPanel ? StatusPanels[kSoundingSignPanel]->text()
                                                    : QString();
}
