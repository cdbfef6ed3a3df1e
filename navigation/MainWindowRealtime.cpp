// The main window's real-time handlers: Start/Stop with the windows it changes, the GNSS
// port's status reports and the echogram command.

#include "app/StatusReport.h"
#include "app/Translator.h"
#include "app/UMsg.h"
#include "canvas/MapLayerNames.h"
#include "canvas/OrvaltCanvas.h"
#include "canvas/QPainterSurface.h"
#include "devices/OrvaltSerialGPS.h"
#include "devices/uNTRIPSettings.h"
#include "navigation/ControlColor.h"
#include "navigation/NavigationState.h"
#include "navigation/RealtimeData.h"
#include "navigation/RealtimeSwitch.h"
#include "navigation/SensorWatchdog.h"
#include "navigation/StoredGeodesy.h"
#include "navigation/uCanvas.h"
#include "navigation/unavigation.h"
#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"
#include "tools/UGPS.h"

namespace {

constexpr TColor kRunningColor = kGreen;

QString PortText(int port) { return QString::fromStdString(TOrvaltSerialGPS::PortName(port)); }

class TSerialRealtimePort : public TRealtimePort {
public:
    explicit TSerialRealtimePort(TOrvaltSerialGPS& port) : port_(port) {}
    void Open() override { port_.Open(); }
    void Close() override { port_.Close(); }
    bool Connected() const override { return port_.Connected(); }
    std::string PortName() const override { return TOrvaltSerialGPS::PortName(port_.Port); }

private:
    TOrvaltSerialGPS& port_;
};

class TMainWindowRealtime : public TRealtimeWindows {
public:
    explicit TMainWindowRealtime(TFNav& window) : w_(window) {}

    bool StoreSettings() override { return !FGPS || FGPS->StoreRunSettings(); }
    // A disabled sounder's port is not opened, so its settings cannot stop the start.
    bool ApplyPortSettings() override {
        return !FGPS || (FGPS->GPSSetClick() && (!SensorEnabled() || FGPS->SensorSetClick()));
    }
    void LoadGeodesy() override { w_.LoadRunGeodesy(); }
    bool SensorEnabled() const override { return FGPS && FGPS->SensorEnabled->isChecked(); }
    void AddMessageLine(const std::string& text) override {
        if (FMsg) FMsg->Msg->appendPlainText(QString::fromStdString(text));
    }
    void WatchSensor() override {
        w_.tEchogram->start();
        HideFrames();
    }
    void HideDepthFrames() override {
        if (fRealtime) fRealtime->HideDepthFrames();
    }
    void ShowStarted() override {
        w_.bRealtime->setText(Tr("Stop"));
        SetControlColor(w_.tRealtime, kRunningColor);
        if (FGPS) FGPS->ShowRealtimeRunning(true);
        w_.SoundingLog.Restart();
        w_.ShowSoundingSign("");
    }
    void ShowStopped() override {
        w_.StopMapTimer();
        w_.tEchogram->stop();
        w_.ClearShownDepth();
        if (FGPS) FGPS->ShowRealtimeRunning(false);
        if (fWaterfal) fWaterfal->hide();
        w_.bRealtime->setText(Tr("Start"));
        ClearControlColor(w_.tRealtime);
    }

private:
    static void HideFrames() {
        if (!fRealtime) return;
        fRealtime->DepthFrameHi->hide();
        fRealtime->DepthFrameLo->hide();
    }

    TFNav& w_;
};

}  // namespace

// A start takes the offsets copies as well: the offsets window may be open, and a telegram may
// come before the first GNSS line.
void TFNav::bRealtimeClick() {
    TSerialRealtimePort gps(*ZGPS1), sensor(*ZSENSOR);
    TMainWindowRealtime windows(*this);
    const bool starting = !RealtimeRunning;
    TRealtimeSwitch(gps, sensor, windows).Toggle();
    if (starting && RealtimeRunning) CopyOffsets();
}

// Each opening of the GNSS port has its own sink, so the NTRIP window gets the new one; the
// sink of an earlier opening stays closed.
void TFNav::ZGPS1Connect(TOrvaltSerialGPS* Sender, int Port) {
    if (frmNTRIPSettings) {
        frmNTRIPSettings->AttachGpsPort(Sender->PortSink(), TOrvaltSerialGPS::PortName(Port));
    }
    ReportStatus("Connected to GPS on " + PortText(Port), TReportWindow::Keep);
    bRealtime->setChecked(true);
    const int vessel = fcad ? fcad->FindLayerByName(kVesselLayerName) : -1;
    if (vessel != -1) {
        VesselLayer = vessel;
        fcad->SetLayerTag(vessel, 1);
    }
}

void TFNav::ZGPS1Disconnect(TOrvaltSerialGPS*, int Port) {
    StopMapTimer();
    ReportStatus("Disconnected from GPS on " + PortText(Port));
    bRealtime->setChecked(false);
}

// The component reports a position only when it changes, so it forgets its own too: the same
// position, when the receiver speaks again, is a new one after (0, 0). Its fix goes with it,
// and the GPS box shows that.
void TFNav::ZGPS1Idle(TOrvaltSerialGPS* Sender) {
    StopMapTimer();
    CurrentLatitude = 0;
    CurrentLongitude = 0;
    Sender->ForgetPosition();
    ReportStatus("GPS is idle!");
    ShownFixQuality = Sender->GetFixQuality();
    if (fRealtime) SetControlColor(fRealtime->GPSGroupBox, kRed);
}

void TFNav::ZGPS1Timeout(TOrvaltSerialGPS*) {
    ReportStatus("GPS Timeout!");
    if (FGPS) SetControlColor(FGPS->MemoGPS, kRed);
}

void TFNav::ZSENSORTimeout() {
    ReportStatus("Sensor TimeOut.");
    ClearShownDepth();
    if (!fRealtime) return;
    SetControlColor(fRealtime->DepthFrameHi, kRed);
    SetControlColor(fRealtime->DepthFrameLo, kRed);
}

void TFNav::LoadRunGeodesy() {
    const TStoredGeodesy stored = ReadStoredGeodesy(TIniFile(GetSettingsFilePath()));
    const std::string report = RunProjector.Load(stored.kind, stored.texts);
    if (!report.empty()) ReportStatus(QString::fromStdString(report));
    const TGeodesyParameterTexts& texts = RunProjector.ParameterTexts();
    FDatumParameterString = texts.datum;
    MapEllipsoidString = texts.ellipsoids;
    MapTMParameterString = texts.transverseMercator;
    GeodeticParamsLoaded = RunProjector.IsLoaded();
}

// The watchdog first, so a silent sounder's window is hidden before it could take a sample.
void TFNav::tEchogramTimer() {
    if (SensorSilenceDue({SensorOpenTick, LastSensorTick, SensorTimeoutReported}, GetTickCount())) {
        SensorTimeoutReported = true;
        if (fWaterfal) fWaterfal->hide();
        SensorWindowsShown = false;
        ZSENSORTimeout();
    }
    if (fWaterfal && fWaterfal->isVisible() && NewDepthFlag && ZSENSOR->Connected()) {
        DrawEchogram(SoundingDepth, kEchoDefaultLo, kEchoDefaultHi, fWaterfal->DataWidth);
    }
    NewDepthFlag = false;
}

void TFNav::Echogram1Click() {
    if (ZSENSOR && ZSENSOR->Connected()) {
        if (fWaterfal) fWaterfal->show();
    } else {
        ShowMessage("Sensor is not connected. Connect sensor to view waterfall.");
    }
}
