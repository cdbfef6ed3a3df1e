#include "tools/UGPS.h"

#include "devices/uNTRIPSettings.h"
#include "navigation/RealtimeData.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"
#include "tools/PortSettings.h"
#include "tools/SettingControls.h"
#include "tools/SettingKeys.h"
#include "tools/SettingsLock.h"
#include "tools/TelegramFormats.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

TFGPS* FGPS = nullptr;

namespace {

constexpr int kClientWidth = 754;
constexpr int kClientHeight = 458;
constexpr int kMaxMemoLines = 100;

QWidget* AddTab(QTabWidget* tabs, const char* name, const char* caption) {
    auto* tab = new QWidget(tabs);
    tab->setObjectName(name);
    tabs->addTab(tab, caption);
    return tab;
}

QPlainTextEdit* AddMemo(QWidget* parent, const char* name, const char* firstLine,
                        const QRect& bounds) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setGeometry(bounds);
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::green);
    memo->setPalette(palette);
    QFont font = memo->font();
    font.setBold(true);
    memo->setFont(font);
    memo->setPlainText(firstLine);
    return memo;
}

void ClearWhenFull(QPlainTextEdit* memo) {
    if (memo->document()->blockCount() > kMaxMemoLines) memo->clear();
}

}  // namespace

TFGPS::TFGPS(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint) {
    setObjectName("FGPS");
    setWindowTitle("Settings");
    setFixedSize(kClientWidth, kClientHeight);
    SettingTabs = new QTabWidget(this);
    SettingTabs->setObjectName("SettingTabs");
    SettingTabs->setGeometry(6, 6, kClientWidth - 12, 400);
    GPSTabSheet = AddTab(SettingTabs, "GPSTabSheet", "GPS Settings");
    SensorTabSheet = AddTab(SettingTabs, "SensorTabSheet", "Sensor (SBES) Settings");
    ParametersTabSheet = AddTab(SettingTabs, "ParametersTabSheet", "Godetic Parameters");
    tGlobalSetting = AddTab(SettingTabs, "tGlobalSetting", "Global Setting");
    TabSheet1 = AddTab(SettingTabs, "TabSheet1", "I/O Port Monitor");
    CreatePortTab(GPSTabSheet, false);
    CreatePortTab(SensorTabSheet, true);
    CreateSensorFormat();
    CreateGeodeticTab();
    CreateDisplayTab();
    CreateMonitorTab();

    LockStateCheck1 = new QCheckBox("SAVE && LOCK SETTINGS", this);
    LockStateCheck1->setObjectName("LockStateCheck1");
    LockStateCheck1->setGeometry(12, 418, 300, 26);
    connect(LockStateCheck1, &QCheckBox::toggled, this, &TFGPS::LockStateCheck1Click);
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), "Close", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setGeometry(kClientWidth - 106, 414, 96, 32);
    connect(BitBtn2, &QPushButton::clicked, this, &TFGPS::BitBtn2Click);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    FormCreate();
}

void TFGPS::CreateMonitorTab() {
    const int half = (SettingTabs->width() - 18) / 2;
    MemoGPS = AddMemo(TabSheet1, "MemoGPS", "NMEA POSITION DATA", QRect(6, 6, half, 358));
    MemoSensor =
        AddMemo(TabSheet1, "MemoSensor", "NMEA SENSOR DATA", QRect(12 + half, 6, half, 358));
    connect(MemoGPS, &QPlainTextEdit::textChanged, this, &TFGPS::MemoGPSChange);
    connect(MemoSensor, &QPlainTextEdit::textChanged, this, &TFGPS::MemoSensorChange);
    for (QPlainTextEdit* memo : {MemoGPS, MemoSensor}) memo->viewport()->installEventFilter(this);
}

// Loading only sets the texts (the format reacts to the surveyor's choice alone): the stored
// format is applied after start-up. A lock stored ticked runs the save-and-lock, last.
void TFGPS::FormCreate() {
    const TIniFile ini(GetSettingsFilePath());
    LoadSettingKeys(this, ini, kCommunicationKeys);
    LoadSettingKeys(this, ini, kGeodeticKeys);
    LoadDisplaySettings(ini);
    LockStateCheck1->setChecked(ini.ReadBool(kLockSection, kLockKey, false));
}

bool TFGPS::GPSSetClick() {
    return ApplyPortSet(FNav ? FNav->ZGPS1.get() : nullptr, false, " QBY_GNSS_V3.log");
}

bool TFGPS::SensorSetClick() {
    return ApplyPortSet(FNav ? FNav->ZSENSOR.get() : nullptr, true, " QBY_SBES_V3.log");
}

// A refusal names the port set it comes from, so the surveyor knows which tab to mend.
bool TFGPS::ApplyPortSet(TOrvaltSerialGPS* port, bool sounder, const char* logName) {
    if (!port) return false;
    std::string error = SharedPortError();
    if (error.empty()) {
        const TPortSetTexts texts = PortTexts(sounder);
        error = ApplyPortSettings(texts, LogDir + GetDateFolderName() + logName, *port);
        const std::string set = sounder ? "Sensor port" : "GPS port";
        if (!error.empty()) {
            error = set + (texts.port.empty() ? "" : " " + texts.port) + ": " + error;
        }
    }
    if (error.empty()) return true;
    ShowException(QString::fromStdString(error));
    return false;
}

std::string TFGPS::SharedPortError() const {
    std::vector<TPortUse> uses{{"GPS", Port->currentText().toStdString()}};
    if (SensorEnabled->isChecked()) uses.push_back({"sensor", SPort->currentText().toStdString()});
    const TfrmNTRIPSettings* ntrip = frmNTRIPSettings;
    if (ntrip && ntrip->chkOutputPort->isChecked() && ntrip->boxOutputPort->currentIndex() > 0) {
        uses.push_back(
            {"NTRIP correction output", ntrip->boxOutputPort->currentText().toStdString()});
    }
    return ::SharedPortError(uses);
}

void TFGPS::ShowRealtimeRunning(bool running) { lNextStartNote->setVisible(running); }

void TFGPS::BitBtn2Click() { close(); }

void TFGPS::closeEvent(QCloseEvent* event) {
    FormCloseQuery();
    event->accept();
}

void TFGPS::FormCloseQuery() {
    MemoGPS->clear();
    MemoSensor->clear();
}

void TFGPS::MemoGPSChange() { ClearWhenFull(MemoGPS); }

void TFGPS::MemoSensorChange() { ClearWhenFull(MemoSensor); }

void TFGPS::MemoGPSMouseDown() {
    if (FNav) FNav->FMemoEchoEnabled = false;
}

void TFGPS::MemoGPSMouseUp() {
    if (FNav) FNav->FMemoEchoEnabled = true;
}

bool TFGPS::eventFilter(QObject* watched, QEvent* event) {
    if (watched == MemoGPS->viewport() || watched == MemoSensor->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) MemoGPSMouseDown();
        if (event->type() == QEvent::MouseButtonRelease) MemoGPSMouseUp();
    }
    return QWidget::eventFilter(watched, event);
}

void TFGPS::cSBESMessageChange() { ApplySBESMessage(TFormatApplication::Chosen); }

void TFGPS::ApplyStoredSBESMessage() { ApplySBESMessage(TFormatApplication::StoredAtStartUp); }

void TFGPS::ApplySBESMessage(TFormatApplication application) {
    const TFormatChange change =
        ApplyTelegramFormat(cSBESMessage->currentText().toStdString(), application);
    if (change.pattern) eSBESFormat->setText(QString::fromStdString(*change.pattern));
    if (!fRealtime) return;
    if (change.lowFrequencyFrame == TLowFrequencyFrame::Shown) fRealtime->ShowDepthFrameLo();
    if (change.lowFrequencyFrame == TLowFrequencyFrame::Hidden) fRealtime->HideDepthFrameLo();
}
