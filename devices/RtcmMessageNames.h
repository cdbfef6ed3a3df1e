#pragma once
// Names of RTCM 3 message numbers and the satellite systems and signals they carry, as the RTCM
// report shows them.

#include <array>
#include <string>
#include <vector>

// The name of a message number; "Unknown" for a number not in the table.
std::string RtcmMessageName(int number);

// Systems and bands seen in a stream, gathered message by message.
class TRtcmSignals {
public:
    void Add(int messageNumber);
    bool Any() const;
    // One line per system seen, in report order: "GPS: L1 L2 L5", "GLONASS: G1 G2",
    // "Galileo: E1 E5", "BeiDou: B1 B2", then "QZSS", "SBAS" and "NavIC/IRNSS".
    std::vector<std::string> Lines() const;

    static constexpr int kSystems = 7;

private:
    std::array<bool, kSystems> seen_{};
    std::array<unsigned, kSystems> bands_{};  // bit i: the system's i-th band in table order
};
