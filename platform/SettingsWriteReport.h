#pragma once
// A window that stores its settings tells the surveyor when the settings file could not be
// written, so a save that did not happen is not taken for one.

#include <QString>

#include <string>

// "The settings could not be saved to "<file>"."
QString SettingsNotSavedText(const std::string& fileName);
// Shows that text in a message box.
void ReportSettingsNotSaved(const std::string& fileName);
