#pragma once
// The settings window's save-and-lock: where the lock is kept in the settings file, how a
// hand-kept lock text reads, and the records a save adds to the day's events log.

#include <array>
#include <optional>
#include <string>
#include <string_view>

inline constexpr char kLockSection[] = "LOCK SETTINGS";
// The lock box's state, "1" or "0".
inline constexpr char kLockKey[] = "Lock Settings";
// Never written: a site may set it by hand to start with the settings tabs locked or open.
inline constexpr char kLockedTextKey[] = "Settings Locked (true/false)";

// Exactly "true" locks the settings tabs at start and exactly "false" opens them; any other
// text leaves them as they are.
std::optional<bool> TabsLockedByText(std::string_view text);

// The settings a save notes in the events log, as the window's fields show them.
struct TSavedSettingsSummary {
    std::string gpsPort, gpsBaudRate;
    std::string sensorPort, sensorBaudRate;
    bool sensorEnabled = false;
    std::string datumName;
    bool useDtp = false;
    std::string centralMeridian, referenceLatitude, scaleFactor, falseEasting, falseNorthing;
    bool useLcc = false;
    std::string lccParallel1, lccParallel2;
};

// The seven records of one save, in order, from "=== SETTINGS SAVED ===" to a closing rule.
std::array<std::string, 7> SettingsSavedRecords(const TSavedSettingsSummary& saved);
