#pragma once
// A window that stores its settings tells the surveyor when the settings file could not be
// written, so a save that did not happen is not taken for one.

#include <string>

// Shows "The settings could not be saved to "<file>"."
void ReportSettingsNotSaved(const std::string& fileName);
