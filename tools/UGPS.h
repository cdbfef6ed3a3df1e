#pragma once
// The window "Settings": the serial ports of the GNSS receiver and the echo sounder, the
// sounder's telegram format, the geodetic datum and projection, and a monitor of the lines
// the ports receive. The controls hold the live settings: the main window copies the port
// settings into its serial components with "GPS Set" and "SBES Set" when real time starts,
// and reads the geodetic fields itself.
//
// The window loads every setting once, at its creation; closing it stores nothing.

#include "app/LabeledEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>

class TOrvaltSerialGPS;
struct TPortSetTexts;
enum class TFormatApplication;

class TFGPS : public QWidget {
public:
    explicit TFGPS(QWidget* parent = nullptr);

    QTabWidget* SettingTabs;
    QWidget *GPSTabSheet, *SensorTabSheet, *ParametersTabSheet, *tGlobalSetting, *TabSheet1;
    QPushButton* BitBtn2;
    QCheckBox* LockStateCheck1;

    // GNSS port.
    QComboBox *Port, *BaudRate, *DataWidth, *StopBits, *Parity, *Priority, *Delay, *NMEALog,
        *LogTime, *EnableDTR, *EnableRTS;
    QPushButton* GPSSet;
    QCheckBox* GyroEnabled;
    // Echo-sounder port and telegram format.
    QComboBox *SPort, *SBaudRate, *SDataWidth, *SStopBits, *SParity, *SPriority, *SDelay, *SNMEALog,
        *SLogTime, *SEnableDTR, *SEnableRTS;
    QPushButton* SensorSet;
    QCheckBox* SensorEnabled;
    QGroupBox* SBESMessage;
    QComboBox* cSBESMessage;
    QLineEdit* eSBESFormat;
    // Geodetic parameters.
    TLabeledEdit *edSMA, *edIF, *edRX, *edRY, *edRZ, *edSX, *edSY, *edSZ, *edPPM, *edNameOfDatum;
    TLabeledEdit *edCM, *edRL, *edSF, *edFE, *edFN;
    TLabeledEdit *eLCCSP1, *eLCCSP2, *eLCCCP, *eLCCM, *eLCCSF, *eLCCFE, *eLCCFN;
    QCheckBox *cbUseDTP, *cbUseTMProjection, *cbUseLCCProjection, *cLambert1;
    // Port monitor.
    QPlainTextEdit *MemoGPS, *MemoSensor;

    void FormCreate();
    // Copy the port settings into the main window's ZGPS1 or ZSENSOR. A text that cannot be
    // applied is shown as an error and stops the copy, the fields before it applied; the result
    // is then false, so that the start of real time stops there.
    bool GPSSetClick();
    bool SensorSetClick();
    void BitBtn2Click();
    // Empties both memos; the window always closes.
    void FormCloseQuery();
    // A memo holding more than 100 lines is cleared.
    void MemoGPSChange();
    void MemoSensorChange();
    // Holding the mouse on either memo pauses the echo of received lines.
    void MemoGPSMouseDown();
    void MemoGPSMouseUp();
    // Applies the telegram format named in cSBESMessage: its default pattern into eSBESFormat
    // and its low-frequency depth frame in the real-time window.
    void cSBESMessageChange();
    // Applies the stored format once after start-up; a stored "OTHER" pattern is kept.
    void ApplyStoredSBESMessage();
    // The two "Use Projection" boxes are always opposite; one standard parallel greys out the
    // two parallels' edits.
    void cbUseTMProjectionClick();
    void cbUseLCCProjectionClick();
    void cLambert1Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreatePortTab(QWidget* tab, bool sounder);
    void CreateSensorFormat();
    void CreateGeodeticTab();
    void CreateMonitorTab();
    TPortSetTexts PortTexts(bool sounder) const;
    bool ApplyPortSet(TOrvaltSerialGPS* port, bool sounder, const char* logName);
    void ApplySBESMessage(TFormatApplication application);
};

extern TFGPS* FGPS;
