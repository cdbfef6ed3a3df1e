#pragma once
// The window "Settings": the serial ports of the GNSS receiver and the echo sounder, the
// sounder's telegram format, the geodetic datum and projection, and a monitor of the lines
// the ports receive. The controls hold the live settings: the main window copies the port
// settings into its serial components with "GPS Set" and "SBES Set" when real time starts,
// and reads the geodetic fields itself.
//
// The tab "Global Setting" holds the display options of the map, which act at once. The window
// loads every setting at its creation; ticking "SAVE && LOCK SETTINGS" stores them, notes the
// save in the events log and locks the settings tabs until the box is cleared. A program
// started with the box stored ticked saves again at every start. Each start of real time also
// stores the ports, the telegram format and the geodesy in use, without locking.

#include "app/LabeledEdit.h"
#include "tools/ColorBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>

class TIniFile;
class TOrvaltCanvas;
class TOrvaltSerialGPS;
struct TDisplayOptionTexts;
struct TPortSetTexts;
struct TSavedSettingsSummary;
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
    // Shown while real time runs: the run keeps the geodesy it started with.
    QLabel* lNextStartNote;
    // Port monitor.
    QPlainTextEdit *MemoGPS, *MemoSensor;
    // Global Setting: grid, depth labels, event labels, screenshots, the big numbers' overlay.
    QCheckBox *cbGridVisible, *cbAutoGrid, *cbShowDepthLabels;
    TLabeledEdit *edGridSpacingX, *edGridSpacingY, *edDepthLabelSpacing, *edDepthLabelFontName,
        *edDepthLabelFontSize, *edEventLabelFontSize, *eScreenshotInterval, *edOverlayFontSize;
    TColorBox *cbGridColor, *cbTextColor, *cbEventLabelColor, *cbOverlayDepthColor,
        *cbOverlaySpeedColor;

    void FormCreate();
    // Takes a lock stored by hand as 1 or 0 and copies the grid into the map.
    void FormShow();
    // Copies the grid settings into the main window's map; the main window calls it at its first
    // show too, after its stored view has set the map's own grid.
    void CopyGridToMainMap();
    // Copy the port settings into the main window's ZGPS1 or ZSENSOR. A text that cannot be
    // applied is shown as an error and stops the copy, the fields before it applied; the result
    // is then false, so that the start of real time stops there.
    // Two devices set to one port are refused the same way, naming the port.
    bool GPSSetClick();
    bool SensorSetClick();
    // The start of real time: stores the ports, the telegram format and pattern, and the
    // geodetic parameters with the projection choice, in one rewrite of the settings file with
    // the save-and-lock action's writer but without locking; false, and the surveyor told, when
    // the file could not be written.
    bool StoreRunSettings();
    // Shows or hides lNextStartNote.
    void ShowRealtimeRunning(bool running);
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
    // The display options act at once on the program-wide display settings and the map.
    void cbGridVisibleClick();
    void cbGridColorChange();
    void cbAutoGridClick();
    void cbShowDepthLabelsClick();
    void edEventLabelFontSizeChange();
    void cbEventLabelColorChange();
    void edOverlayFontSizeChange();
    void cbOverlayDepthColorChange();
    void cbOverlaySpeedColorChange();
    void eScreenshotIntervalChange();
    // Ticked: stores every setting of the window in one rewrite of the settings file, notes the
    // save in the events log, applies the display options and locks the settings tabs.
    // Cleared: stores the cleared lock and opens the tabs. When the file cannot be written the
    // surveyor is told, nothing is noted and the box goes back.
    void LockStateCheck1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreatePortTab(QWidget* tab, bool sounder);
    void CreateSensorFormat();
    void CreateGeodeticTab();
    void CreateMonitorTab();
    void CreateDisplayTab();
    void LoadDisplaySettings(const TIniFile& ini);
    TDisplayOptionTexts DisplayOptionTexts() const;
    void ApplyDisplayOptions();
    bool StoreSettings(TIniFile& ini, bool locked) const;
    bool StoreRunKeys(TIniFile& ini) const;
    TSavedSettingsSummary SavedSettingsSummary() const;
    void SetSettingsTabsEnabled(bool enabled);
    void RepaintMainMap();
    // The main window's map, or nullptr while there is none.
    static TOrvaltCanvas* Map();
    TPortSetTexts PortTexts(bool sounder) const;
    bool ApplyPortSet(TOrvaltSerialGPS* port, bool sounder, const char* logName);
    // The ports of the devices the run opens: the GNSS, the sounder when enabled, and the NTRIP
    // window's own correction output port when it is enabled.
    std::string SharedPortError() const;
    void ApplySBESMessage(TFormatApplication application);
};

extern TFGPS* FGPS;
