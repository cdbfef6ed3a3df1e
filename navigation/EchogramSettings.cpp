#include "navigation/EchogramSettings.h"

#include "platform/IniFile.h"

namespace {

constexpr const char* kSection = "ECHOGRAM";

}  // namespace

TEchogramSettings ReadEchogramSettings(const TIniFile& ini) {
    const int width = ini.ReadInteger(kSection, "DataWidth", kDefaultEchoDataWidth);
    const int interval = ini.ReadInteger(kSection, "Interval", kDefaultEchogramIntervalMs);
    return {ClampEchoDataWidth(width), interval > 0 ? interval : kDefaultEchogramIntervalMs};
}

bool WriteEchogramSettings(TIniFile& ini, const TEchogramSettings& settings) {
    ini.BeginUpdates();
    ini.WriteInteger(kSection, "DataWidth", settings.dataWidth);
    ini.WriteInteger(kSection, "Interval", settings.intervalMs);
    return ini.CommitUpdates();
}
