// The settings window's save-and-lock box and what the window loads for it: the one place
// where the window writes the settings file. A save writes every key of the window in one
// atomic rewrite, so the file holds either the whole save or the previous one, and the events
// log notes only a save that reached the file.

#include "platform/DataFolders.h"
#include "platform/EventLog.h"
#include "platform/IniFile.h"
#include "platform/SettingsWriteReport.h"
#include "tools/DisplayOptions.h"
#include "tools/SettingControls.h"
#include "tools/SettingKeys.h"
#include "tools/SettingsLock.h"
#include "tools/UGPS.h"

#include <QShowEvent>
#include <QSignalBlocker>

// The lock a site may keep by hand, then the display options (the screenshot interval among
// them, so a locked start saves the stored interval rather than the edit's initial one).
void TFGPS::LoadDisplaySettings(const TIniFile& ini) {
    if (const auto locked = TabsLockedByText(ini.ReadString(kLockSection, kLockedTextKey, ""))) {
        SetSettingsTabsEnabled(!*locked);
        tGlobalSetting->setEnabled(!*locked);
    }
    LoadSettingKeys(this, ini, kDisplayKeys);
    ApplyDisplayOptions();
}

void TFGPS::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

// "true" is no number: then, as for any other text that is not one, the box stays as it is.
void TFGPS::FormShow() {
    const TIniFile ini(GetSettingsFilePath());
    LockStateCheck1->setChecked(
        ini.ReadBool(kLockSection, kLockedTextKey, LockStateCheck1->isChecked()));
    tGlobalSetting->setEnabled(!LockStateCheck1->isChecked());
    CopyGridToMainMap();
}

void TFGPS::LockStateCheck1Click() {
    const bool locked = LockStateCheck1->isChecked();
    TIniFile ini(GetSettingsFilePath());
    if (!StoreSettings(ini, locked)) {
        ReportSettingsNotSaved(ini.FileName());
        const QSignalBlocker blocker(LockStateCheck1);
        LockStateCheck1->setChecked(!locked);
        return;
    }
    if (locked) {
        for (const std::string& record : SettingsSavedRecords(SavedSettingsSummary())) {
            AppendEventLog(record, EventLogFilePath());
        }
        ApplyDisplayOptions();
    }
    SetSettingsTabsEnabled(!locked);
    tGlobalSetting->setEnabled(!locked);
}

// The lock first, then, for a save, the port, geodetic and display keys in their tables' order.
bool TFGPS::StoreSettings(TIniFile& ini, bool locked) const {
    ini.BeginUpdates();
    const bool gathered =
        ini.WriteBool(kLockSection, kLockKey, locked) &&
        (!locked || (StoreRunKeys(ini) && StoreSettingKeys(this, ini, kDisplayKeys)));
    return gathered && ini.CommitUpdates();
}

bool TFGPS::StoreRunKeys(TIniFile& ini) const {
    return StoreSettingKeys(this, ini, kCommunicationKeys) &&
           StoreSettingKeys(this, ini, kGeodeticKeys);
}

bool TFGPS::StoreRunSettings() {
    TIniFile ini(GetSettingsFilePath());
    ini.BeginUpdates();
    const bool gathered = StoreRunKeys(ini);
    if (gathered && ini.CommitUpdates()) return true;
    ReportSettingsNotSaved(ini.FileName());
    return false;
}

TSavedSettingsSummary TFGPS::SavedSettingsSummary() const {
    const auto text = [](const QLineEdit* edit) { return edit->text().toStdString(); };
    const auto choice = [](const QComboBox* combo) { return combo->currentText().toStdString(); };
    TSavedSettingsSummary saved;
    saved.gpsPort = choice(Port);
    saved.gpsBaudRate = choice(BaudRate);
    saved.sensorPort = choice(SPort);
    saved.sensorBaudRate = choice(SBaudRate);
    saved.sensorEnabled = SensorEnabled->isChecked();
    saved.datumName = text(edNameOfDatum);
    saved.useDtp = cbUseDTP->isChecked();
    saved.centralMeridian = text(edCM);
    saved.referenceLatitude = text(edRL);
    saved.scaleFactor = text(edSF);
    saved.falseEasting = text(edFE);
    saved.falseNorthing = text(edFN);
    saved.useLcc = cbUseLCCProjection->isChecked();
    saved.lccParallel1 = text(eLCCSP1);
    saved.lccParallel2 = text(eLCCSP2);
    return saved;
}

// The port and geodetic tabs; the global tab follows the box on its own.
void TFGPS::SetSettingsTabsEnabled(bool enabled) {
    for (QWidget* tab : {GPSTabSheet, SensorTabSheet, ParametersTabSheet}) tab->setEnabled(enabled);
}
