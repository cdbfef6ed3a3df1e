#pragma once
// The NTRIP window's settings: section "NTRIP" of the settings file, and the output rates.

#include "platform/IniFile.h"

#include <iterator>
#include <string>

// The caster a new installation proposes.
inline constexpr const char* kDefaultNtripServer = "rtk2go.com";

// The output-port rates by list index.
inline constexpr int kOutputBaudRates[] = {4800, 9600, 19200, 38400, 57600, 115200};
inline constexpr int kOutputBaudCount = static_cast<int>(std::size(kOutputBaudRates));
// The index of 115200, the rate a new installation and an unreadable setting get.
inline constexpr int kDefaultOutputBaud = kOutputBaudCount - 1;

// The twelve keys of section "NTRIP", as the window's controls hold them.
struct TNtripSettings {
    std::string Server = kDefaultNtripServer;
    std::string Port = "2101";
    std::string Username;
    std::string Password;  // stored in plain text, as the caster needs it
    std::string MountPoint;
    bool UseManualPosition = false;
    std::string Latitude = "0.0";
    std::string Longitude = "0.0";
    std::string OutputPort;               // the text of the chosen output-port item
    int OutputBaud = kDefaultOutputBaud;  // index into the output rates, not the rate
    bool OutputEnabled = false;
    bool AutoConnect = false;
};

// Missing keys give the defaults above; an "OutputBaud" that is not an index of the rate
// table gives kDefaultOutputBaud.
TNtripSettings ReadNtripSettings(const TIniFile& ini);
// False when the file could not be written.
bool WriteNtripSettings(TIniFile& ini, const TNtripSettings& settings);

// The rate of an index; any other index, none selected (-1) included, gives 115200.
int OutputBaudRate(int index);
