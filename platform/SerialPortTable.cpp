#include "platform/SerialPortTable.h"

#include "platform/DataFolders.h"
#include "platform/NumberFormat.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr const char* kSection = "SERIAL_PORTS";
constexpr int kPortCount = kLastSerialPort - kFirstSerialPort + 1;

using TPortPaths = std::array<std::string, kPortCount>;  // index 0 is COM1

// Port number of a table key such as "COM7", or 0 when the key is not one.
int PortNumberOfKey(std::string key) {
    for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (key.rfind("COM", 0) != 0) return 0;
    int port = 0;
    if (!TryStrToInt(std::string_view(key).substr(3), port)) return 0;
    return (port >= kFirstSerialPort && port <= kLastSerialPort) ? port : 0;
}

TPortPaths ReadTable(const TIniFile& settings) {
    TPortPaths paths;
    for (const std::string& key : settings.ReadSection(kSection)) {
        const int port = PortNumberOfKey(key);
        if (port) paths[port - kFirstSerialPort] = settings.ReadString(kSection, key, "");
    }
    return paths;
}

// std::filesystem::equivalent refuses device files, so compare what the links lead to.
bool SameDevice(const std::string& a, const std::string& b) {
    if (a == b) return true;
    struct stat infoA {
    }, infoB{};
    return ::stat(a.c_str(), &infoA) == 0 && ::stat(b.c_str(), &infoB) == 0 &&
           infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino;
}

bool IsCharacterDevice(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISCHR(info.st_mode);
}

// An on-board UART driver registers placeholder ports; those report the port type 0.
bool HasHardware(const fs::path& ttyClassEntry) {
    std::error_code error;
    if (!fs::exists(ttyClassEntry / "device", error)) return false;
    std::ifstream type(ttyClassEntry / "type");
    int code = -1;
    return !(type >> code) || code != 0;
}

// The stable by-id link of a device, or the device path itself.
std::string StableName(const std::string& device) {
    std::error_code error;
    for (const auto& link : fs::directory_iterator("/dev/serial/by-id", error)) {
        if (SameDevice(link.path().string(), device)) return link.path().string();
    }
    return device;
}

// "ttyUSB10" after "ttyUSB9": the name's letters, then its trailing number.
bool NaturalLess(const std::string& a, const std::string& b) {
    const auto split = [](const std::string& name) {
        std::size_t digits = name.size();
        while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1]))) --digits;
        return std::make_pair(name.substr(0, digits), StrToIntDef(name.substr(digits), -1));
    };
    return split(a) < split(b);
}

}  // namespace

std::string SerialPortName(int port) { return "COM" + IntToStr(port); }

std::vector<std::string> PresentSerialDevices() {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/sys/class/tty", error)) {
        const std::string name = entry.path().filename().string();
        if (HasHardware(entry.path()) && IsCharacterDevice("/dev/" + name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end(), NaturalLess);
    std::vector<std::string> devices;
    for (const std::string& name : names) devices.push_back(StableName("/dev/" + name));
    return devices;
}

void AssignSerialPortNumbers(TIniFile& settings, const std::vector<std::string>& devices) {
    TPortPaths paths = ReadTable(settings);
    for (const std::string& device : devices) {
        const auto known = std::find_if(paths.begin(), paths.end(), [&](const std::string& p) {
            return !p.empty() && SameDevice(p, device);
        });
        if (known != paths.end()) continue;
        const auto free = std::find(paths.begin(), paths.end(), std::string());
        if (free == paths.end()) return;
        *free = device;
        const int port = kFirstSerialPort + static_cast<int>(free - paths.begin());
        settings.WriteString(kSection, SerialPortName(port), device);
    }
}

std::string SerialDevicePath(int port) {
    if (port < kFirstSerialPort || port > kLastSerialPort) return {};
    TIniFile settings(GetSettingsFilePath());
    AssignSerialPortNumbers(settings, PresentSerialDevices());
    return ReadTable(settings)[port - kFirstSerialPort];
}

std::vector<std::string> SerialPortNames() {
    TIniFile settings(GetSettingsFilePath());
    AssignSerialPortNumbers(settings, PresentSerialDevices());
    const TPortPaths paths = ReadTable(settings);
    std::vector<std::string> names;
    for (int i = 0; i < kPortCount; ++i) {
        if (!paths[i].empty() && IsCharacterDevice(paths[i])) {
            names.push_back(SerialPortName(kFirstSerialPort + i));
        }
    }
    return names;
}
