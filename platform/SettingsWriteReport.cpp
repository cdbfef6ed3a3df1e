#include "platform/SettingsWriteReport.h"

#include "platform/Dialogs.h"

void ReportSettingsNotSaved(const std::string& fileName) {
    ShowMessage("The settings could not be saved to \"" + QString::fromStdString(fileName) + "\".");
}
