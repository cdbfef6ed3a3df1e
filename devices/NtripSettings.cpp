#include "devices/NtripSettings.h"

namespace {
constexpr const char* kSection = "NTRIP";

bool IsBaudIndex(int index) { return index >= 0 && index < kOutputBaudCount; }
}  // namespace

TNtripSettings ReadNtripSettings(const TIniFile& ini) {
    TNtripSettings s;
    s.Server = ini.ReadString(kSection, "Server", s.Server);
    s.Port = ini.ReadString(kSection, "Port", s.Port);
    s.Username = ini.ReadString(kSection, "Username", s.Username);
    s.Password = ini.ReadString(kSection, "Password", s.Password);
    s.MountPoint = ini.ReadString(kSection, "MountPoint", s.MountPoint);
    s.UseManualPosition = ini.ReadBool(kSection, "UseManualPosition", s.UseManualPosition);
    s.Latitude = ini.ReadString(kSection, "Latitude", s.Latitude);
    s.Longitude = ini.ReadString(kSection, "Longitude", s.Longitude);
    s.OutputPort = ini.ReadString(kSection, "OutputPort", s.OutputPort);
    s.OutputBaud = ini.ReadInteger(kSection, "OutputBaud", s.OutputBaud);
    if (!IsBaudIndex(s.OutputBaud)) s.OutputBaud = kDefaultOutputBaud;
    s.OutputEnabled = ini.ReadBool(kSection, "OutputEnabled", s.OutputEnabled);
    s.AutoConnect = ini.ReadBool(kSection, "AutoConnect", s.AutoConnect);
    return s;
}

bool WriteNtripSettings(TIniFile& ini, const TNtripSettings& s) {
    return ini.WriteString(kSection, "Server", s.Server) &&
           ini.WriteString(kSection, "Port", s.Port) &&
           ini.WriteString(kSection, "Username", s.Username) &&
           ini.WriteString(kSection, "Password", s.Password) &&
           ini.WriteString(kSection, "MountPoint", s.MountPoint) &&
           ini.WriteBool(kSection, "UseManualPosition", s.UseManualPosition) &&
           ini.WriteString(kSection, "Latitude", s.Latitude) &&
           ini.WriteString(kSection, "Longitude", s.Longitude) &&
           ini.WriteString(kSection, "OutputPort", s.OutputPort) &&
           ini.WriteInteger(kSection, "OutputBaud", s.OutputBaud) &&
           ini.WriteBool(kSection, "OutputEnabled", s.OutputEnabled) &&
           ini.WriteBool(kSection, "AutoConnect", s.AutoConnect);
}

int OutputBaudRate(int index) {
    return IsBaudIndex(index) ? kOutputBaudRates[index] : kOutputBaudRates[kDefaultOutputBaud];
}
