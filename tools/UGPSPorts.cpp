// The settings window's two port tabs: the GNSS port with the gyro switch, and the echo-sounder
// port with its telegram format. Both port sets are the same editable combos; the sounder's
// carry the prefix "S".

#include "platform/SerialPortTable.h"
#include "tools/PortSettings.h"
#include "tools/SettingsTabWidgets.h"
#include "tools/TelegramFormats.h"
#include "tools/UGPS.h"

#include <QLabel>
#include <span>
#include <vector>

namespace {

constexpr int kRowHeight = 34;

struct TPortComboSpec {
    QComboBox* TFGPS::*gnss;
    QComboBox* TFGPS::*sounder;
    const char* name;  // the GNSS combo's name; the sounder's has an "S" before it
    const char* label;
    std::span<const char* const> list;  // empty: the serial ports of this machine
    const char* initial;
    std::string TPortSetTexts::*text;
};

const TPortComboSpec kPortCombos[] = {
    {&TFGPS::Port, &TFGPS::SPort, "Port", "Port No: ", {}, "COM1", &TPortSetTexts::port},
    {&TFGPS::BaudRate, &TFGPS::SBaudRate, "BaudRate", "Baud Rate", kBaudRateList, "9600",
     &TPortSetTexts::baudRate},
    {&TFGPS::DataWidth, &TFGPS::SDataWidth, "DataWidth", "Data Width", kDataWidthList, "8",
     &TPortSetTexts::dataWidth},
    {&TFGPS::StopBits, &TFGPS::SStopBits, "StopBits", "Stop Bits", kStopBitsList, "1",
     &TPortSetTexts::stopBits},
    {&TFGPS::Parity, &TFGPS::SParity, "Parity", "Parity", kParityList, "None",
     &TPortSetTexts::parity},
    {&TFGPS::Priority, &TFGPS::SPriority, "Priority", "Priority", kPriorityList, "Normal",
     &TPortSetTexts::priority},
    {&TFGPS::Delay, &TFGPS::SDelay, "Delay", "Delay", kDelayList, "5", &TPortSetTexts::delay},
    {&TFGPS::NMEALog, &TFGPS::SNMEALog, "NMEALog", "NMEA Log", kBooleanList, "False",
     &TPortSetTexts::nmeaLog},
    {&TFGPS::LogTime, &TFGPS::SLogTime, "LogTime", "Log Time", kBooleanList, "False",
     &TPortSetTexts::logTime},
    {&TFGPS::EnableDTR, &TFGPS::SEnableDTR, "EnableDTR", "Enable DTR", kBooleanList, "True",
     &TPortSetTexts::enableDTR},
    {&TFGPS::EnableRTS, &TFGPS::SEnableRTS, "EnableRTS", "Enable RTS", kBooleanList, "True",
     &TPortSetTexts::enableRTS},
};
// The first five combos form the port group, the rest the optional settings.
constexpr std::size_t kPortGroupSize = 5;

QComboBox* AddCombo(QWidget* parent, const QString& name, const QStringList& items,
                    const QString& initial, const QRect& bounds) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);  // typing keeps the list as it is
    combo->addItems(items);
    combo->setCurrentText(initial);
    combo->setGeometry(bounds);
    return combo;
}

QStringList Items(std::span<const char* const> list) {
    if (list.empty()) {
        QStringList ports;
        for (const std::string& name : SerialPortNames()) ports << QString::fromStdString(name);
        return ports;
    }
    QStringList items;
    for (const char* item : list) items << item;
    return items;
}

}  // namespace

void TFGPS::CreatePortTab(QWidget* tab, bool sounder) {
    QGroupBox* groups[] = {
        AddGroup(tab, sounder ? "NMEA Sensor Port Settings" : "GPS Port Settings",
                 QRect(8, 8, 350, 206)),
        AddGroup(tab, "Optional Settings", QRect(370, 8, 350, 240))};
    const QString prefix = sounder ? "S" : "";
    for (std::size_t i = 0; i < std::size(kPortCombos); ++i) {
        const TPortComboSpec& spec = kPortCombos[i];
        QGroupBox* group = groups[i < kPortGroupSize ? 0 : 1];
        const int top =
            28 + kRowHeight * static_cast<int>(i < kPortGroupSize ? i : i - kPortGroupSize);
        auto* label = new QLabel(spec.label, group);
        label->setGeometry(12, top, 110, 24);
        this->*(sounder ? spec.sounder : spec.gnss) = AddCombo(
            group, prefix + spec.name, Items(spec.list), spec.initial, QRect(130, top, 200, 24));
    }
    QPushButton*& set = sounder ? SensorSet : GPSSet;
    set = new QPushButton(sounder ? "SBES Set" : "GPS Set", tab);
    set->setObjectName(sounder ? "SensorSet" : "GPSSet");
    set->setGeometry(8, 224, 120, 30);
    connect(set, &QPushButton::clicked, this,
            sounder ? &TFGPS::SensorSetClick : &TFGPS::GPSSetClick);
    QCheckBox*& enabled = sounder ? SensorEnabled : GyroEnabled;
    enabled = new QCheckBox(sounder ? "Sensor Enabled" : "Enable Gyro", tab);
    enabled->setObjectName(sounder ? "SensorEnabled" : "GyroEnabled");
    enabled->setGeometry(140, 226, 200, 26);
}

void TFGPS::CreateSensorFormat() {
    SBESMessage = AddGroup(SensorTabSheet, "SBESMessage", QRect(8, 264, 350, 100));
    SBESMessage->setObjectName("SBESMessage");
    QStringList names;
    for (const TTelegramFormat& format : TelegramFormats()) {
        names << QString::fromUtf8(format.name.data(), static_cast<qsizetype>(format.name.size()));
    }
    cSBESMessage =
        AddCombo(SBESMessage, "cSBESMessage", names, "Orvalt QRD", QRect(12, 28, 326, 24));
    eSBESFormat = new QLineEdit(SBESMessage);
    eSBESFormat->setObjectName("eSBESFormat");
    eSBESFormat->setGeometry(12, 62, 326, 24);
    // The surveyor's choices and typing apply a format; loading the stored name does not.
    connect(cSBESMessage, &QComboBox::textActivated, this, &TFGPS::cSBESMessageChange);
    connect(cSBESMessage->lineEdit(), &QLineEdit::textEdited, this, &TFGPS::cSBESMessageChange);
}

TPortSetTexts TFGPS::PortTexts(bool sounder) const {
    TPortSetTexts texts;
    for (const TPortComboSpec& spec : kPortCombos) {
        texts.*spec.text =
            (this->*(sounder ? spec.sounder : spec.gnss))->currentText().toStdString();
    }
    return texts;
}
