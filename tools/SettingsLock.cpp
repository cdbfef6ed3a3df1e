#include "tools/SettingsLock.h"

std::optional<bool> TabsLockedByText(std::string_view text) {
    if (text == "true") return true;
    if (text == "false") return false;
    return std::nullopt;
}

std::array<std::string, 7> SettingsSavedRecords(const TSavedSettingsSummary& saved) {
    const auto yesNo = [](bool value) { return value ? "Yes" : "No"; };
    return {
        "=== SETTINGS SAVED ===",
        "GPS: Port=" + saved.gpsPort + ", Baud=" + saved.gpsBaudRate,
        "Sensor: Port=" + saved.sensorPort + ", Baud=" + saved.sensorBaudRate +
            ", Enabled=" + yesNo(saved.sensorEnabled),
        "Datum: " + saved.datumName + ", DTP=" + yesNo(saved.useDtp),
        "TM: CM=" + saved.centralMeridian + ", RefLat=" + saved.referenceLatitude + ", SF=" +
            saved.scaleFactor + ", FE=" + saved.falseEasting + ", FN=" + saved.falseNorthing,
        "LCC: " + std::string(saved.useLcc ? "Enabled" : "Disabled") +
            ", SP1=" + saved.lccParallel1 + ", SP2=" + saved.lccParallel2,
        "======================",
    };
}
