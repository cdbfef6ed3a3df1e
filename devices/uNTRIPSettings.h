#pragma once
// The window "Orvalt NTRIP Client": the surveyor's handle on the RTK corrections.
//
// It owns the one NTRIP client: caster address and credentials (and their profiles in
// "profiles.txt"), the position reported to the caster (from the GNSS receiver or typed in),
// the mount point from the caster's source table, connect and disconnect, a time-stamped log
// and the byte counters. It decides where the corrections go: to the GNSS receiver's own port,
// whose sink the main window hands over, or to a second port that the window opens itself.
// The connection keeps running while the window is hidden; a lost stream brings it back.
// What it computes lives in NtripSettings, NtripProfiles and NtripDisplay.

#include "devices/CorrectionWriter.h"
#include "devices/OrvaltNTRIPClient.h"
#include "devices/RtcmBaseStation.h"
#include "platform/SerialPortSink.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class TfrmNTRIPSettings : public QWidget {
public:
    explicit TfrmNTRIPSettings(QWidget* parent = nullptr);
    // FormDestroy, while the controls still exist.
    ~TfrmNTRIPSettings() override;

    // Controls, top to bottom.
    QLabel* lblProfile;
    QComboBox* boxProfile;
    QPushButton* btnSaveProfile;
    QLabel *lblServer, *lblPort, *lblUsername, *lblPassword;
    QLineEdit *edtServer, *edtPort, *edtUsername, *edtPassword;
    QLabel* lblOutputPosition;
    QRadioButton *rbFromGPS, *rbManual;
    QLabel *lblLatitude, *lblLongitude;
    QLineEdit *edtLatitude, *edtLongitude;
    QLabel* lblMountpoint;
    QComboBox* boxMountpoint;
    QPushButton* btnFetchSources;
    QCheckBox* chkShowLog;
    QProgressBar* pbProgress;
    QPlainTextEdit* memoLog;
    QLabel* lblOutputPort;
    QCheckBox* chkOutputPort;
    QComboBox* boxOutputPort;
    QLabel* lblOutputBaud;
    QComboBox* boxOutputBaud;
    QLabel *lblBytesReceived, *lblBytesReceivedValue, *lblBytesSent, *lblBytesSentValue;
    QPushButton *btnConnect, *Button1, *btnClose;
    QTimer* tmrUpdate;

    std::unique_ptr<TOrvaltNTRIPClient> Client;
    std::string SettingsFileName;
    std::string ProfilesFileName;
    TCorrectionWriter OutputHandle;  // the window's own correction output port
    bool OutputEnabled = false;      // item 0 chosen, or the own port open
    std::string GpsPortName;
    bool PendingAutoConnect = false;
    bool WasReceiving = false;  // corrections have flowed since the last loss
    bool AutoConnect = false;   // connect by itself at the next start-up
    QDateTime LastDataTime;     // of the last correction block
    // The base station last reported.
    double BaseLatitude = 0;   // degrees
    double BaseLongitude = 0;  // degrees
    double BaseHeight = 0;     // metres
    int BaseStationId = 0;

    void FormCreate();
    void FormShow();
    void FormDestroy();

    // Called by the main window: the GNSS port's sink and name ("COMn"), and the vessel's
    // position (degrees, metres) on every map tick.
    void AttachGpsPort(std::shared_ptr<TSerialPortSink> handle, const std::string& portName);
    void UpdatePosition(double latitude, double longitude, double height);
    // Appends "hh:nn:ss text"; the log keeps its last 100 lines.
    void AddLog(const QString& text);

    void LoadProfiles();
    void LoadSettings();
    void SaveSettings();
    void UpdatePositionMode();

    // The correction output port.
    void FillOutputPorts();
    void OpenOutputPort();
    void CloseOutputPort();
    void WriteOutput(const char* data, int length);

    // Handlers.
    void boxProfileChange();
    void btnSaveProfileClick();
    void rbFromGPSClick();
    void rbManualClick();
    void btnFetchSourcesClick();
    void chkShowLogClick();
    void chkOutputPortClick();
    void btnConnectClick();
    void btnCloseClick();
    // The RTCM report of the client's recent bytes, in fRTCMParsing.
    void Button1Click();
    void tmrUpdateTimer();

    // The client's events.
    void ClientStatusChange(TOrvaltNTRIPClient* Sender, int Status, const std::string& Message);
    void ClientDataReceived(TOrvaltNTRIPClient* Sender, const char* Data, int Length);
    void ClientSourceTable(TOrvaltNTRIPClient* Sender, const std::vector<std::string>& List);
    void ClientLog(TOrvaltNTRIPClient* Sender, const std::string& Text);
    // The RTCM 3 base-station scan of each received block.
    void ScanBaseStation(const char* Data, int Length);
    TRtcmBaseRecord BaseRecord() const;
    void StoreBaseRecord(const TRtcmBaseRecord& record);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    // Stores the twelve keys; false when the settings file could not be written.
    bool StoreSettings();
    // The caster's address and credentials from the edits into the client.
    void TakeCasterFields();
    void BindControls();
    void CentreOnMainWindow();
    bool centred_ = false;
    QString outputPortName_;  // of the port OutputHandle holds
};

extern TfrmNTRIPSettings* frmNTRIPSettings;
