#include "platform/SettingsWriteReport.h"

#include "platform/Dialogs.h"

QString SettingsNotSavedText(const std::string& fileName) {
    return "The settings could not be saved to \"" + QString::fromStdString(fileName) + "\".";
}

void ReportSettingsNotSaved(const std::string& fileName) {
    ShowMessage(SettingsNotSavedText(fileName));
}
