// Message names, the MSM rule and the signal lines of the RTCM report.

#include "devices/RtcmMessageNames.h"

#include <gtest/gtest.h>

namespace {

TEST(RtcmMessageNames, TableAndMsmRule) {
    const std::pair<int, const char*> cases[] = {
        {1001, "GPS L1 Observations"},
        {1005, "Station ARP (Antenna Reference Point)"},
        {1008, "Antenna Descriptor & Serial"},
        {1029, "Text String (Unicode)"},
        {1033, "Receiver & Antenna Descriptors"},
        {1230, "GLONASS Code-Phase Biases"},
        {4072, "u-blox Proprietary"},
        {4073, "u-blox Proprietary"},
        {1071, "GPS MSM1"},
        {1077, "GPS MSM7 (Full GPS)"},
        {1087, "GLONASS MSM7 (Full GLONASS)"},
        {1097, "Galileo MSM7 (Full Galileo)"},
        {1127, "BeiDou MSM7 (Full BeiDou)"},
        {1107, "SBAS MSM7"},
        {1117, "QZSS MSM7"},
        {1135, "NavIC MSM5"},
        {1137, "NavIC MSM7"},
        {1070, "Unknown"},
        {1078, "Unknown"},
        {1138, "Unknown"},
        {1042, "Unknown"},
        {4094, "Unknown"},
        {63, "Unknown"},
        {0, "Unknown"},
    };
    for (const auto& [number, name] : cases) {
        SCOPED_TRACE(number);
        EXPECT_EQ(RtcmMessageName(number), name);
    }
}

struct TSignalCase {
    const char* legend;
    std::vector<int> numbers;
    std::vector<std::string> lines;
};

TEST(RtcmMessageNames, SignalLines) {
    const TSignalCase cases[] = {
        {"nothing", {1005, 1019, 1230}, {}},
        {"GPS L1 only", {1001}, {"GPS: L1"}},
        {"legacy GPS and GLONASS", {1004, 1012}, {"GPS: L1 L2", "GLONASS: G1 G2"}},
        {"bands gather over messages", {1009, 1003, 1075}, {"GPS: L1 L2 L5", "GLONASS: G1"}},
        {"every system in report order",
         {1137, 1107, 1117, 1127, 1097, 1087, 1077},
         {"GPS: L1 L2 L5", "GLONASS: G1 G2", "Galileo: E1 E5", "BeiDou: B1 B2", "QZSS", "SBAS",
          "NavIC/IRNSS"}},
    };
    for (const TSignalCase& c : cases) {
        SCOPED_TRACE(c.legend);
        TRtcmSignals signals;
        for (const int number : c.numbers) signals.Add(number);
        EXPECT_EQ(signals.Any(), !c.lines.empty());
        EXPECT_EQ(signals.Lines(), c.lines);
    }
}

}  // namespace
