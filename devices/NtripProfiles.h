#pragma once
// Connection profiles in "profiles.txt" beside the program.
//
// One profile per line, its fields separated by TAB:
//   name  server  port  username  password  latitude  longitude
// The name is server + ":" + port, with username + "@" before it when there is a user name.
// Lines without a TAB are not profiles (blank lines among them). The password is stored in
// plain text because the caster needs it so. The file is replaced whole and atomically, so a
// failed save leaves every earlier profile in place.

#include <optional>
#include <string>
#include <vector>

struct TNtripProfile {
    std::string Server;
    std::string Port;
    std::string Username;
    std::string Password;
    std::string Latitude;
    std::string Longitude;
    bool HasPosition = false;  // the line gave latitude and longitude too
};

std::string NtripProfileName(const std::string& server, const std::string& port,
                             const std::string& username);

// The names of the profiles in file order; empty when the file is missing or unreadable.
std::vector<std::string> ReadNtripProfileNames(const std::string& path);

// The profile of the n-th profile line (from 1), or none when the file cannot be read, there
// is no such line, or it has fewer than five fields.
std::optional<TNtripProfile> ReadNtripProfile(const std::string& path, int n);

// Replaces the first line of the same name, or appends one. False when the existing file
// could not be read or the new one not written; the old file then stays whole.
bool SaveNtripProfile(const std::string& path, const TNtripProfile& profile);
