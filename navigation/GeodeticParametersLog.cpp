#include "navigation/GeodeticParametersLog.h"

#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/DateTimeText.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr const char* kSection = "GEODETIC_PARAMETERS";
const std::string kEquals(40, '=');
const std::string kHyphens(40, '-');

std::vector<std::string> SessionBlock(const TIniFile& ini) {
    const auto value = [&](const char* key) { return ini.ReadString(kSection, key, ""); };
    const auto yesNo = [&](const char* key) {
        return std::string(ini.ReadBool(kSection, key, false) ? "Yes" : "No");
    };
    return {
        "=== SESSION START: " + TimeToStr(Now().time()) + " ===",
        "",
        "--- ELLIPSOID ---",
        "Semi-Major Axis: " + value("SemiMajorAxis"),
        "Inverse Flattening: " + value("InverseFlattening"),
        "",
        "--- DATUM TRANSFORMATION ---",
        "Name of Datum: " + value("Name of Datum"),
        "Use DTP: " + yesNo("Use DTP"),
        "X/Y/Z Rotation: " + value("X_Rotation") + ", " + value("Y_Rotation") + ", " +
            value("Z_Rotation"),
        "X/Y/Z Shift: " + value("X_Shift") + ", " + value("Y_Shift") + ", " + value("Z_Shift"),
        "Scale PPM: " + value("Scale_PPM"),
        "",
        "--- TRANSVERSE MERCATOR ---",
        "Use TM: " + yesNo("Use Projection"),
        "CM: " + value("Central_Meridian") + ", Ref Lat: " + value("Reference_Latitude") +
            ", SF: " + value("Scale_Factor"),
        "FE: " + value("False_Easting") + ", FN: " + value("False_Northing"),
        "",
        "--- LAMBERT CONFORMAL CONIC ---",
        "Use LCC: " + yesNo("cbUseLCCProjection"),
        "SP1: " + value("eLCCSP1") + ", SP2: " + value("eLCCSP2"),
        "CP: " + value("eLCCCP") + ", CM: " + value("eLCCM"),
        "FE: " + value("eLCCFE") + ", FN: " + value("eLCCFN"),
        "",
        kHyphens,
        "",
    };
}

struct TFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// What must precede the block so the file reads as it would had it been rewritten whole: the
// header for a new file, the missing line break after a last line without one.
std::string Lead(std::FILE* file, const std::string& date) {
    if (std::fseek(file, 0, SEEK_END) != 0 || std::ftell(file) <= 0) {
        return "GEODETIC PARAMETERS LOG - " + date + "\r\n" + kEquals + "\r\n\r\n";
    }
    std::fseek(file, -1, SEEK_END);
    const int last = std::fgetc(file);
    if (last == '\n') return "";
    return last == '\r' ? "\n" : "\r\n";
}

}  // namespace

bool AppendGeodeticParametersLog(std::string& error) {
    const std::string date = GetDateFolderName();
    const std::string path = LogDir + date + " Geodesy.txt";
    std::string bytes = JoinCrLf(SessionBlock(TIniFile(GetSettingsFilePath())));
    errno = 0;
    std::unique_ptr<std::FILE, TFileCloser> file(std::fopen(path.c_str(), "a+b"));
    if (!file) {
        error = "Cannot create file \"" + path + "\". " + std::strerror(errno);
        return false;
    }
    bytes.insert(0, Lead(file.get(), date));
    std::fseek(file.get(), 0, SEEK_END);  // C wants a seek between reading and writing
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
                         std::fflush(file.get()) == 0;
    const int writeErrno = errno;
    const bool closed = std::fclose(file.release()) == 0;
    if (!written || !closed) {
        error =
            "Cannot write to file \"" + path + "\". " + std::strerror(written ? errno : writeErrno);
        return false;
    }
    return true;
}
