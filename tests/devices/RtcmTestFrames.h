#pragma once
// RTCM 3 frames for tests: an encoder that writes real CRC-24Q parity, and the real streams of
// the sample-data folder.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Wraps message bytes in a frame: 0xD3, the 10-bit length, the message, the CRC-24Q.
std::string RtcmFrame(std::string_view message);
// The same frame with its CRC recomputed after the bytes were changed.
std::string WithFreshCrc(std::string frame);

// Fields of a 1005 or 1006 message; coordinates in metres, rounded to 0.1 mm.
struct TArpMessage {
    int number = 1005;
    int stationId = 0;
    double xM = 0;
    double yM = 0;
    double zM = 0;
    double antennaHeightM = 0;  // 1006 only
    int itrfYear = 0;
    bool gps = false;
    bool glonass = false;
    bool galileo = false;
    bool nonPhysical = false;
};

std::string EncodeArp(const TArpMessage& arp);
// 1007, 1008 and 1033 with their texts counted by one byte each.
std::string Encode1007(int stationId, std::string_view antenna, int setupId);
std::string Encode1008(int stationId, std::string_view antenna, int setupId,
                       std::string_view serial);
std::string Encode1033(int stationId, std::string_view antenna, int setupId,
                       std::string_view serial, std::string_view receiver,
                       std::string_view firmware, std::string_view receiverSerial);
// A message of the given number and length (at least 2), the rest zero.
std::string EncodeBare(int number, std::size_t length);

// Every frame the scanner passes on, fed in pieces of the given sizes, used in turn.
std::vector<std::string> ScanFrames(std::string_view stream,
                                    const std::vector<std::size_t>& pieceSizes = {});
// Seeded random piece sizes from 1 to 1100, with 1 among them.
std::vector<std::size_t> RandomPieceSizes(unsigned seed);

// A real stream of the sample-data folder, by its file name below rtcm3/.
struct TRealStream {
    std::string name;
    std::string bytes;
};
// The streams present, the single frames of go-gnss among them; empty when the folder is absent.
std::vector<TRealStream> RealRtcmStreams();
std::string RealRtcmStream(const std::string& name);
