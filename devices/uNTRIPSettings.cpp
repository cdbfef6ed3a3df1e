#include "devices/uNTRIPSettings.h"

#include "devices/NtripDisplay.h"
#include "devices/NtripProfiles.h"
#include "devices/NtripSettings.h"
#include "devices/RtcmBaseStation.h"
#include "devices/RtcmReport.h"
#include "devices/uRTCMParsing.h"
#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "platform/NumberFormat.h"
#include "platform/Paths.h"
#include "platform/SettingsWriteReport.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>

#include <algorithm>

TfrmNTRIPSettings* frmNTRIPSettings = nullptr;

namespace {

constexpr int kDefaultCasterPort = 2101;
constexpr qint64 kWatchdogMs = 30000;
constexpr int kPositionDecimals = 8;
constexpr std::size_t kMinRtcmFrameBytes = 6;  // preamble, length, CRC and nothing else

std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }
QString QText(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TfrmNTRIPSettings::TfrmNTRIPSettings(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint),
      SettingsFileName(GetSettingsFilePath()),
      ProfilesFileName(ProgramFolder() + "profiles.txt"),
      LastDataTime(Now()) {
    setObjectName("frmNTRIPSettings");
    setWindowTitle("Orvalt NTRIP Client");
    CreateControls();
    BindControls();
    FormCreate();
    tmrUpdate->start();
}

TfrmNTRIPSettings::~TfrmNTRIPSettings() {
    FormDestroy();
    if (frmNTRIPSettings == this) frmNTRIPSettings = nullptr;
}

void TfrmNTRIPSettings::FormCreate() {
    FillOutputPorts();
    Client = std::make_unique<TOrvaltNTRIPClient>();
    using namespace std::placeholders;
    Client->OnStatusChange = std::bind(&TfrmNTRIPSettings::ClientStatusChange, this, _1, _2, _3);
    Client->OnDataReceived = std::bind(&TfrmNTRIPSettings::ClientDataReceived, this, _1, _2, _3);
    Client->OnSourceTable = std::bind(&TfrmNTRIPSettings::ClientSourceTable, this, _1, _2);
    Client->OnLog = std::bind(&TfrmNTRIPSettings::ClientLog, this, _1, _2);
    LoadProfiles();
    LoadSettings();
    AddLog("Orvalt NTRIP Client initialized");
}

void TfrmNTRIPSettings::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!centred_) CentreOnMainWindow();
    FormShow();
}

void TfrmNTRIPSettings::FormShow() { UpdatePositionMode(); }

void TfrmNTRIPSettings::CentreOnMainWindow() {
    centred_ = true;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow*>(window) && window->isVisible()) {
            move(window->geometry().center() - rect().center());
            return;
        }
    }
}

// The handlers of the last hand-offs still touch the controls, so the client goes first.
void TfrmNTRIPSettings::FormDestroy() {
    tmrUpdate->stop();
    if (!Client) return;
    SaveSettings();
    CloseOutputPort();
    Client->Disconnect();
    Client.reset();
}

void TfrmNTRIPSettings::AddLog(const QString& text) {
    memoLog->appendPlainText(Now().time().toString("hh:mm:ss") + " " + text);
}

void TfrmNTRIPSettings::LoadProfiles() {
    boxProfile->clear();
    boxProfile->addItem("<New Profile>");
    for (const std::string& name : ReadNtripProfileNames(ProfilesFileName)) {
        boxProfile->addItem(QText(name));
    }
    boxProfile->setCurrentIndex(boxProfile->count() > 1 ? 1 : 0);
}

void TfrmNTRIPSettings::boxProfileChange() {
    const auto profile = ReadNtripProfile(ProfilesFileName, boxProfile->currentIndex());
    if (!profile) return;
    edtServer->setText(QText(profile->Server));
    edtPort->setText(QText(profile->Port));
    edtUsername->setText(QText(profile->Username));
    edtPassword->setText(QText(profile->Password));
    if (!profile->HasPosition) return;
    edtLatitude->setText(QText(profile->Latitude));
    edtLongitude->setText(QText(profile->Longitude));
}

void TfrmNTRIPSettings::btnSaveProfileClick() {
    const TNtripProfile profile{Text(edtServer),   Text(edtPort),     Text(edtUsername),
                                Text(edtPassword), Text(edtLatitude), Text(edtLongitude)};
    const std::string name = NtripProfileName(profile.Server, profile.Port, profile.Username);
    if (SaveNtripProfile(ProfilesFileName, profile)) {
        AddLog(QText("Profile saved: " + name));
    } else {
        AddLog("Error saving profile");
    }
    LoadProfiles();
    boxProfile->setCurrentIndex(boxProfile->findText(QText(name)));
}

void TfrmNTRIPSettings::LoadSettings() {
    const TNtripSettings s = ReadNtripSettings(TIniFile(SettingsFileName));
    edtServer->setText(QText(s.Server));
    edtPort->setText(QText(s.Port));
    edtUsername->setText(QText(s.Username));
    edtPassword->setText(QText(s.Password));
    if (!s.MountPoint.empty()) {
        boxMountpoint->clear();
        boxMountpoint->addItem(QText(s.MountPoint));
        boxMountpoint->setCurrentIndex(0);
    }
    (s.UseManualPosition ? rbManual : rbFromGPS)->setChecked(true);
    if (s.UseManualPosition) rbManualClick();
    edtLatitude->setText(QText(s.Latitude));
    edtLongitude->setText(QText(s.Longitude));
    const int port = boxOutputPort->findText(QText(s.OutputPort));
    if (!s.OutputPort.empty() && port >= 0) boxOutputPort->setCurrentIndex(port);
    boxOutputBaud->setCurrentIndex(s.OutputBaud);
    AutoConnect = s.AutoConnect;
    chkOutputPort->setChecked(s.OutputEnabled);  // opens the port and stores the settings
    UpdatePositionMode();
    if (AutoConnect && !boxMountpoint->currentText().isEmpty()) {
        PendingAutoConnect = true;
        AddLog("Auto-connect enabled - will connect on startup");
    }
}

void TfrmNTRIPSettings::SaveSettings() {
    if (!StoreSettings()) ReportSettingsNotSaved(SettingsFileName);
}

bool TfrmNTRIPSettings::StoreSettings() {
    TNtripSettings s;
    s.Server = Text(edtServer);
    s.Port = Text(edtPort);
    s.Username = Text(edtUsername);
    s.Password = Text(edtPassword);
    s.MountPoint = boxMountpoint->currentText().toStdString();
    s.UseManualPosition = rbManual->isChecked();
    s.Latitude = Text(edtLatitude);
    s.Longitude = Text(edtLongitude);
    s.OutputPort = boxOutputPort->currentText().toStdString();
    s.OutputBaud = boxOutputBaud->currentIndex();
    s.OutputEnabled = chkOutputPort->isChecked();
    s.AutoConnect = AutoConnect;
    TIniFile ini(SettingsFileName);
    return WriteNtripSettings(ini, s);
}

void TfrmNTRIPSettings::UpdatePositionMode() {
    const bool manual = rbManual->isChecked();
    for (QLineEdit* edit : {edtLatitude, edtLongitude}) {
        edit->setEnabled(manual);
        edit->setReadOnly(!manual);
        QPalette colours = edit->palette();
        colours.setColor(QPalette::Base,
                         palette().color(manual ? QPalette::Base : QPalette::Button));
        edit->setPalette(colours);
    }
    if (Client) Client->ManualPosition = manual;
}

void TfrmNTRIPSettings::UpdatePosition(double latitude, double longitude, double height) {
    if (rbManual->isChecked()) return;
    edtLatitude->setText(QText(FormatFixed(latitude, kPositionDecimals)));
    edtLongitude->setText(QText(FormatFixed(longitude, kPositionDecimals)));
    Client->UpdatePosition(latitude, longitude, height);
}

void TfrmNTRIPSettings::AttachGpsPort(std::shared_ptr<TSerialPortSink> handle,
                                      const std::string& portName) {
    Client->SetOutputHandle(std::move(handle));
    AddLog("Serial port handle connected");
    if (portName.empty()) return;
    GpsPortName = portName;
    boxOutputPort->setItemText(0, QText(GpsPortName + " This Port (GPS)"));
}

void TfrmNTRIPSettings::TakeCasterFields() {
    Client->Host = Text(edtServer);
    Client->Port = StrToIntDef(edtPort->text(), kDefaultCasterPort);
    Client->Username = Text(edtUsername);
    Client->Password = Text(edtPassword);
}

void TfrmNTRIPSettings::btnConnectClick() {
    if (Client->Connected) {
        AddLog("Disconnecting (manual)...");
        AutoConnect = false;
        SaveSettings();
        Client->AutoReconnect = false;
        Client->Disconnect();
        btnConnect->setText("Connect");
        return;
    }
    if (boxMountpoint->currentText().isEmpty()) {
        AddLog("Please select a mountpoint first");
        return;
    }
    SaveSettings();
    TakeCasterFields();
    Client->MountPoint = boxMountpoint->currentText().toStdString();
    Client->ManualPosition = rbManual->isChecked();
    Client->SetLatLon(StrToFloatDef(edtLatitude->text(), 0),
                      StrToFloatDef(edtLongitude->text(), 0));
    AddLog("Position: " + edtLatitude->text() + ", " + edtLongitude->text());
    AddLog("Connecting to " + edtServer->text() + ":" + edtPort->text() + "/" +
           boxMountpoint->currentText());
    Client->AutoReconnect = true;
    Client->ReconnectAttempts = 0;  // the surveyor's own connect starts a fresh series
    Client->Connect();
    btnConnect->setText("Disconnect");
}

void TfrmNTRIPSettings::btnFetchSourcesClick() {
    TakeCasterFields();
    AddLog("Fetching source table...");
    btnFetchSources->setEnabled(false);
    Client->FetchSourceTable();
}

void TfrmNTRIPSettings::rbFromGPSClick() { UpdatePositionMode(); }
void TfrmNTRIPSettings::rbManualClick() { UpdatePositionMode(); }
void TfrmNTRIPSettings::chkShowLogClick() { memoLog->setVisible(chkShowLog->isChecked()); }
void TfrmNTRIPSettings::btnCloseClick() { close(); }

void TfrmNTRIPSettings::tmrUpdateTimer() {
    if (!Client) return;
    if (PendingAutoConnect) {
        PendingAutoConnect = false;
        if (!Client->Connected) {
            AddLog("Auto-reconnecting...");
            btnConnectClick();
        }
    }
    if (WasReceiving && Client->Connected && LastDataTime.msecsTo(Now()) > kWatchdogMs &&
        !isVisible()) {
        show();
        AddLog("No data received for 30 seconds - showing NTRIP settings");
    }
    lblBytesReceivedValue->setText(QText(FormatByteCount(Client->BytesReceived)));
    lblBytesSentValue->setText(QText(FormatByteCount(Client->BytesSent)));
    pbProgress->setValue(ActivityPosition(Client->BytesReceived));
}

void TfrmNTRIPSettings::ClientStatusChange(TOrvaltNTRIPClient*, int Status, const std::string&) {
    if (Status == nsDisconnected || Status == nsError) {
        btnFetchSources->setEnabled(true);
        if (WasReceiving) {
            WasReceiving = false;
            if (!isVisible()) {
                show();
                AddLog("Connection lost - showing NTRIP settings");
            }
        }
    }
    TNtripStatusCaptions captions{};
    if (!NtripStatusCaptions(Status, captions)) return;
    btnConnect->setText(captions.Button);
    setWindowTitle(captions.Window);
    if (Status != nsReceiving) return;
    WasReceiving = true;
    if (AutoConnect) return;
    AutoConnect = true;
    // Inside the worker's hand-off: a failure is a log line like the status texts, never a
    // box that holds the corrections until the surveyor answers it.
    if (!StoreSettings()) AddLog(SettingsNotSavedText(SettingsFileName));
    AddLog("Auto-connect enabled for next startup");
}

void TfrmNTRIPSettings::ClientDataReceived(TOrvaltNTRIPClient*, const char* Data, int Length) {
    LastDataTime = Now();
    WriteOutput(Data, Length);
    ScanBaseStation(Data, Length);
}

// A table that answered a stream request shows what the caster offers, but the mount point
// the surveyor chose stays chosen (first in the list when the caster does not offer it): a
// later Connect must not go to another stream unasked.
void TfrmNTRIPSettings::ClientSourceTable(TOrvaltNTRIPClient*,
                                          const std::vector<std::string>& List) {
    btnFetchSources->setEnabled(true);
    const QString chosen = QText(Client->MountPoint);
    boxMountpoint->clear();
    for (const std::string& name : List) boxMountpoint->addItem(QText(name));
    if (!chosen.isEmpty() && boxMountpoint->findText(chosen) < 0) {
        boxMountpoint->insertItem(0, chosen);
    }
    boxMountpoint->setCurrentIndex(chosen.isEmpty() ? 0 : boxMountpoint->findText(chosen));
    AddLog("Found " + QString::number(List.size()) + " mount points");
}

void TfrmNTRIPSettings::ClientLog(TOrvaltNTRIPClient*, const std::string& Text) {
    AddLog(QText(Text));
}

TRtcmBaseRecord TfrmNTRIPSettings::BaseRecord() const {
    return {BaseStationId, BaseLatitude, BaseLongitude, BaseHeight};
}

void TfrmNTRIPSettings::StoreBaseRecord(const TRtcmBaseRecord& record) {
    BaseStationId = record.stationId;
    BaseLatitude = record.latitudeDeg;
    BaseLongitude = record.longitudeDeg;
    BaseHeight = record.heightM;
}

void TfrmNTRIPSettings::ScanBaseStation(const char* Data, int Length) {
    TRtcmBaseRecord record = BaseRecord();
    WatchBaseStations(std::string_view(Data, static_cast<std::size_t>(std::max(Length, 0))), record,
                      [this](const std::string& line) { AddLog(QText(line)); });
    StoreBaseRecord(record);
}

void TfrmNTRIPSettings::Button1Click() {
    const std::string data = Client ? Client->ReceivedData() : std::string();
    if (!Client || data.size() < kMinRtcmFrameBytes) {
        AddLog("No RTCM data to parse");
        return;
    }
    if (!fRTCMParsing) fRTCMParsing = new TfRTCMParsing(this);
    fRTCMParsing->ClearReport();
    fRTCMParsing->show();
    const TNtripPosition position = Client->Position();
    const TRtcmReport report =
        BuildRtcmReport({data, position.Lat, position.Lon, position.Alt, Client->ManualPosition,
                         Now(), StandardZoneBiasMinutes(), BaseRecord()});
    for (const std::string& line : report.lines) fRTCMParsing->AddLine(line);
    if (!report.baseLogLine.empty()) AddLog(QText(report.baseLogLine));
    StoreBaseRecord(report.baseRecord);
}
