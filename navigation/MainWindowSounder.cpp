// The main window's handler of the echo sounder's lines: the depth panel, the depth alarm on
// the map, and the sounding in the day's survey log and simple XYZ file.

#include "app/StatusReport.h"
#include "canvas/OrvaltCanvas.h"
#include "devices/OrvaltSerialGPS.h"
#include "navigation/ControlColor.h"
#include "navigation/NavigationState.h"
#include "navigation/RealtimeData.h"
#include "navigation/SurveyRecord.h"
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

void ShowDepths(const TSounderLine& line) {
    const bool depth = line.outcome == TSounderLineOutcome::Depth;
    TrueDepthHi = depth ? line.depths.trueDepthHi : 0;
    TrueDepthLo = depth ? line.depths.trueDepthLo : 0;
    if (depth) NewDepthFlag = true;
    if (!fRealtime) return;
    const auto text = [depth](double value) {
        return depth ? QString::fromStdString(FloatToStrF(value, 20, 2)) : kNoDepth;
    };
    fRealtime->lDepthHi->setText(text(TrueDepthHi));
    fRealtime->lDepthLo->setText(text(TrueDepthLo));
}

// The XYZ file has no quality column: a row needs a position that a map tick has projected
// since the start and that is not the receiver's empty (0, 0).
bool PositionKnown() {
    return GridPositionSinceStart && (CurrentLatitude != 0 || CurrentLongitude != 0);
}

TSoundingLines SoundingLines(const TSounderLine& line, const std::string& formatName,
                             int fixQuality) {
    if (!line.RecordDue()) return {};
    const TSurveyRecord record{.time = Now(),
                               .latitude = CurrentLatitude,
                               .longitude = CurrentLongitude,
                               .easting = CurrentEasting,
                               .northing = CurrentNorthing,
                               .trueDepthHi = TrueDepthHi,
                               .trueDepthLo = TrueDepthLo,
                               .rawDepthHi = line.rawDepthHi,
                               .rawDepthLo = line.rawDepthLo,
                               .format = formatName,
                               .soundVelocity = line.depths.velocityHi,
                               .draft = line.draft,
                               .fixQuality = fixQuality,
                               .rtkAntennaHeight = RtkAntennaHeight,
                               .manualTide = ManualTide,
                               .rtkTide = RtkTide};
    TSoundingLines lines{SurveyLogRecord(record), std::nullopt};
    if (PositionKnown()) {
        lines.xyzRecord =
            SimpleXyzRecord(CurrentEasting, CurrentNorthing, ManualTide - line.LoggedTrueDepth());
    }
    return lines;
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
    if (fRealtime) {
        SetControlColor(fRealtime->DepthFrameHi, kLime);
        SetControlColor(fRealtime->DepthFrameLo, kLime);
    }
    if (Offsets && !Offsets->isVisible()) CopyOffsets();
    const TSounderLine line = ReadSounderLine(Line, format);
    for (const std::string& report : line.reports) Report(report);
    if (line.outcome == TSounderLineOutcome::Ignored) return;
    if (line.battery) ShowBatteryLevel(QString::fromStdString(FloatToStrF(*line.battery, 20, 2)));
    ShowDepths(line);
    if (line.outcome == TSounderLineOutcome::Depth) SoundDepthAlarm(line.LoggedTrueDepth());
    const std::string report = SurveyLogWriter.Append(
        DaySurveyFiles(), SoundingLines(line, format, ZGPS1->GetFixQuality()));
    if (!report.empty()) Report(report);
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
