// The main window's handlers of the GNSS port's lines, positions, speeds and sent commands.

#include "app/StatusReport.h"
#include "devices/OrvaltSerialGPS.h"
#include "navigation/ControlColor.h"
#include "navigation/NavigationState.h"
#include "navigation/RealtimeData.h"
#include "navigation/unavigation.h"
#include "platform/NumberFormat.h"
#include "tools/Bathymetry.h"
#include "tools/UGPS.h"

namespace {

TOffsetTexts OffsetTexts() {
    if (!Offsets) return {};
    return {Offsets->OffsetA->text().toStdString(), Offsets->SV->text().toStdString(),
            Offsets->OffsetC->text().toStdString(), Offsets->TideHt->text().toStdString()};
}

TGnssLineInput LineInput(const std::string& line, int fixQuality) {
    TGnssLineInput input{line, !Offsets || Offsets->isVisible(), {}, fixQuality};
    if (!input.offsetsShown) input.offsets = OffsetTexts();
    return input;
}

}  // namespace

// Runs before the component decodes the line itself; an offsets text that is not a number is
// reported and never ends the line, so the position of every line still arrives. The GPS box
// takes the colour of the fix the component holds when the map timer starts, so it never shows
// a fix that is not there.
void TFNav::ZGPS1NewCommand(TOrvaltSerialGPS* Sender, const std::string& Line) {
    if (!tMap->isActive() && RealtimeStartTick != 0 && !MapTimerHeldForDrawing()) {
        tMap->start();
        ShownFixQuality = Sender->GetFixQuality();
        if (fRealtime) SetControlColor(fRealtime->GPSGroupBox, GpsBoxColor(ShownFixQuality));
        if (FGPS) SetControlColor(FGPS->MemoGPS, kWhite);
    }
    if (FGPS && FGPS->isVisible() && FMemoEchoEnabled) {
        FGPS->MemoGPS->appendPlainText(QString::fromStdString(Line));
    }
    TGnssLineState state = GnssLineStateOfNavigation();
    const TGnssLineChanges changes =
        GnssLineReader.Read(LineInput(Line, Sender->GetFixQuality()), state);
    StoreGnssLineState(state);
    if (changes.gpsBoxColor && fRealtime) {
        SetControlColor(fRealtime->GPSGroupBox, *changes.gpsBoxColor);
    }
    if (!changes.offsetsReport.empty()) {
        ReportStatus(QString::fromStdString(changes.offsetsReport));
    }
}

void TFNav::ZGPS1Position3DChange(TOrvaltSerialGPS*, double Lat, double Lon, double Alt) {
    CurrentLatitude = Lat;
    CurrentLongitude = Lon;
    CurrentHeight = Alt;
}

void TFNav::ZGPS1SpeedChange(TOrvaltSerialGPS*, double Speed) {
    if (!fRealtime) return;
    fRealtime->Speed->setText(
        QString::fromStdString(FloatToStrF(Speed / kKmPerNauticalMile, 20, 1)));
}

void TFNav::ZGPS1Send(TOrvaltSerialGPS*, const std::string& Text) {
    ReportStatus("Command sent to device: " + QString::fromStdString(Text));
}

void TFNav::CopyOffsets() {
    if (!Offsets) return;
    TGnssLineState state = GnssLineStateOfNavigation();
    const std::string report = GnssLineReader.CopyOffsets(OffsetTexts(), state);
    StoreGnssLineState(state);
    if (!report.empty()) ReportStatus(QString::fromStdString(report));
}
