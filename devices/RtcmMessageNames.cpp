#include "devices/RtcmMessageNames.h"

#include <string_view>

namespace {

struct TNamedMessage {
    int number;
    std::string_view name;
};

constexpr TNamedMessage kNames[] = {
    {1001, "GPS L1 Observations"},
    {1002, "GPS L1 Extended Observations"},
    {1003, "GPS L1/L2 Observations"},
    {1004, "GPS L1/L2 Extended Observations"},
    {1005, "Station ARP (Antenna Reference Point)"},
    {1006, "Station ARP with Height"},
    {1007, "Antenna Descriptor"},
    {1008, "Antenna Descriptor & Serial"},
    {1009, "GLONASS L1 Observations"},
    {1010, "GLONASS L1 Extended Observations"},
    {1011, "GLONASS L1/L2 Observations"},
    {1012, "GLONASS L1/L2 Extended Observations"},
    {1013, "System Parameters"},
    {1019, "GPS Ephemeris"},
    {1020, "GLONASS Ephemeris"},
    {1029, "Text String (Unicode)"},
    {1030, "GPS Network RTK Residual"},
    {1031, "GLONASS Network RTK Residual"},
    {1032, "Physical Reference Station Position"},
    {1033, "Receiver & Antenna Descriptors"},
    {1230, "GLONASS Code-Phase Biases"},
    {4072, "u-blox Proprietary"},
    {4073, "u-blox Proprietary"},
};

// Multiple signal messages: base + 1 to base + 7 are MSM1 to MSM7 of the system.
struct TMsmSystem {
    int base;
    std::string_view system;
    bool fullSuffix;  // MSM7 named "(Full <system>)"
};

constexpr TMsmSystem kMsmSystems[] = {
    {1070, "GPS", true},   {1080, "GLONASS", true}, {1090, "Galileo", true}, {1100, "SBAS", false},
    {1110, "QZSS", false}, {1120, "BeiDou", true},  {1130, "NavIC", false},
};

constexpr int kMsmFull = 7;

enum TSystem { kGps, kGlonass, kGalileo, kBeiDou, kQzss, kSbas, kNavic };

struct TSystemLine {
    std::string_view title;
    std::string_view bands[3];  // in table order; empty where the system has fewer
};

constexpr TSystemLine kSystemLines[TRtcmSignals::kSystems] = {
    {"GPS", {"L1", "L2", "L5"}},
    {"GLONASS", {"G1", "G2"}},
    {"Galileo", {"E1", "E5"}},
    {"BeiDou", {"B1", "B2"}},
    {"QZSS", {}},
    {"SBAS", {}},
    {"NavIC/IRNSS", {}},
};

// Which messages show a system, and the bands (bits of kSystemLines' list) they add.
struct TSignalRule {
    int first, last;
    TSystem system;
    unsigned bands;
};

constexpr TSignalRule kSignalRules[] = {
    {1001, 1002, kGps, 0b001},    {1003, 1004, kGps, 0b011},    {1071, 1077, kGps, 0b111},
    {1009, 1010, kGlonass, 0b01}, {1011, 1012, kGlonass, 0b11}, {1081, 1087, kGlonass, 0b11},
    {1091, 1097, kGalileo, 0b11}, {1121, 1127, kBeiDou, 0b11},  {1111, 1117, kQzss, 0},
    {1101, 1107, kSbas, 0},       {1131, 1137, kNavic, 0},
};

}  // namespace

std::string RtcmMessageName(int number) {
    for (const TNamedMessage& entry : kNames) {
        if (entry.number == number) return std::string(entry.name);
    }
    for (const TMsmSystem& msm : kMsmSystems) {
        const int n = number - msm.base;
        if (n < 1 || n > kMsmFull) continue;
        std::string name = std::string(msm.system) + " MSM" + std::to_string(n);
        if (n == kMsmFull && msm.fullSuffix) name += " (Full " + std::string(msm.system) + ")";
        return name;
    }
    return "Unknown";
}

void TRtcmSignals::Add(int messageNumber) {
    for (const TSignalRule& rule : kSignalRules) {
        if (messageNumber < rule.first || messageNumber > rule.last) continue;
        seen_[rule.system] = true;
        bands_[rule.system] |= rule.bands;
    }
}

bool TRtcmSignals::Any() const {
    for (const bool seen : seen_) {
        if (seen) return true;
    }
    return false;
}

std::vector<std::string> TRtcmSignals::Lines() const {
    std::vector<std::string> lines;
    for (int system = 0; system < kSystems; ++system) {
        if (!seen_[system]) continue;
        const TSystemLine& line = kSystemLines[system];
        std::string text(line.title);
        if (!line.bands[0].empty()) text += ":";
        for (int band = 0; band < 3; ++band) {
            if (bands_[system] & (1u << band)) text += " " + std::string(line.bands[band]);
        }
        lines.push_back(text);
    }
    return lines;
}
