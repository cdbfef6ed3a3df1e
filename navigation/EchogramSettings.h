#pragma once
// The echogram window's settings, section ECHOGRAM: the number of samples drawn and the
// echogram timer's interval. Values the drawing cannot use are mended on reading, and the
// mended values are the ones written back: DataWidth is limited to 1..200 (beyond, the history
// would run past its memory; 0 would divide by zero), and an Interval that is not positive
// becomes 100 ms (0 would spin the user-interface thread, and a timer refuses a negative one,
// which would leave a silent sounder unreported).

#include "navigation/EchogramMemory.h"

class TIniFile;

inline constexpr int kDefaultEchogramIntervalMs = 100;

struct TEchogramSettings {
    int dataWidth = kDefaultEchoDataWidth;
    int intervalMs = kDefaultEchogramIntervalMs;
};

TEchogramSettings ReadEchogramSettings(const TIniFile& ini);
// False when the settings file could not be written.
bool WriteEchogramSettings(TIniFile& ini, const TEchogramSettings& settings);
