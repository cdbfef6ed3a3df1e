#include "devices/NtripSettings.h"

#include "platform/IniFields.h"

namespace {
constexpr const char* kSection = "NTRIP";

bool IsBaudIndex(int index) { return index >= 0 && index < kOutputBaudCount; }

constexpr TIniField<TNtripSettings> kFields[] = {
    {"Server", &TNtripSettings::Server},
    {"Port", &TNtripSettings::Port},
    {"Username", &TNtripSettings::Username},
    {"Password", &TNtripSettings::Password},
    {"MountPoint", &TNtripSettings::MountPoint},
    {"UseManualPosition", &TNtripSettings::UseManualPosition},
    {"Latitude", &TNtripSettings::Latitude},
    {"Longitude", &TNtripSettings::Longitude},
    {"OutputPort", &TNtripSettings::OutputPort},
    {"OutputBaud", &TNtripSettings::OutputBaud},
    {"OutputEnabled", &TNtripSettings::OutputEnabled},
    {"AutoConnect", &TNtripSettings::AutoConnect},
};
}  // namespace

TNtripSettings ReadNtripSettings(const TIniFile& ini) {
    TNtripSettings s = ReadIniFields<TNtripSettings>(ini, kSection, kFields);
    if (!IsBaudIndex(s.OutputBaud)) s.OutputBaud = kDefaultOutputBaud;
    return s;
}

bool WriteNtripSettings(TIniFile& ini, const TNtripSettings& s) {
    return WriteIniFields(ini, kSection, kFields, s);
}

int OutputBaudRate(int index) {
    return IsBaudIndex(index) ? kOutputBaudRates[index] : kOutputBaudRates[kDefaultOutputBaud];
}
