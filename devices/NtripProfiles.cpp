#include "devices/NtripProfiles.h"

#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <algorithm>

namespace {

constexpr char kTab = '\t';
constexpr std::size_t kFieldsWithoutPosition = 5;
constexpr std::size_t kFieldsWithPosition = 7;

bool IsProfileLine(const std::string& line) { return line.find(kTab) != std::string::npos; }

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) return std::nullopt;
    return SplitLines(SystemTextToUtf8(bytes));
}

std::vector<std::string> SplitAtTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find(kTab, start)) != std::string::npos; start = tab + 1) {
        fields.push_back(line.substr(start, tab - start));
    }
    fields.push_back(line.substr(start));
    return fields;
}

}  // namespace

std::string NtripProfileName(const std::string& server, const std::string& port,
                             const std::string& username) {
    return (username.empty() ? "" : username + "@") + server + ":" + port;
}

std::vector<std::string> ReadNtripProfileNames(const std::string& path) {
    std::vector<std::string> names;
    for (const std::string& line : ReadLines(path).value_or(std::vector<std::string>())) {
        if (IsProfileLine(line)) names.push_back(line.substr(0, line.find(kTab)));
    }
    return names;
}

std::optional<TNtripProfile> ReadNtripProfile(const std::string& path, int n) {
    const auto lines = ReadLines(path);
    if (!lines || n < 1) return std::nullopt;
    int found = 0;
    for (const std::string& line : *lines) {
        if (!IsProfileLine(line) || ++found < n) continue;
        const std::vector<std::string> f = SplitAtTabs(line);
        if (f.size() < kFieldsWithoutPosition) return std::nullopt;
        TNtripProfile profile;
        profile.Server = f[1];
        profile.Port = f[2];
        profile.Username = f[3];
        profile.Password = f[4];
        profile.HasPosition = f.size() >= kFieldsWithPosition;
        if (profile.HasPosition) {
            profile.Latitude = f[5];
            profile.Longitude = f[6];
        }
        return profile;
    }
    return std::nullopt;
}

bool SaveNtripProfile(const std::string& path, const TNtripProfile& p) {
    std::vector<std::string> lines;
    if (FileExists(path)) {
        const auto existing = ReadLines(path);
        if (!existing) return false;
        lines = *existing;
    }
    const std::string name = NtripProfileName(p.Server, p.Port, p.Username);
    const std::string line = name + kTab + p.Server + kTab + p.Port + kTab + p.Username + kTab +
                             p.Password + kTab + p.Latitude + kTab + p.Longitude;
    const std::string key = name + kTab;
    const auto same = std::find_if(lines.begin(), lines.end(), [&key](const std::string& old) {
        return old.compare(0, key.size(), key) == 0;
    });
    if (same != lines.end()) {
        *same = line;
    } else {
        lines.push_back(line);
    }
    return WriteFileAtomically(path, JoinCrLf(lines), kPrivateFileMode);  // passwords inside
}
