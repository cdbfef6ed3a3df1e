#include "tests/devices/RtcmTestFrames.h"

#include "devices/RtcmCrc24Q.h"
#include "devices/RtcmFrameScanner.h"
#include "tests/support/TestEnvironment.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <random>

namespace {

void PutHeader(std::string& message, int number, int stationId) {
    message += static_cast<char>(number >> 4);
    message += static_cast<char>((number & 0x0F) << 4 | (stationId >> 8 & 0x0F));
    message += static_cast<char>(stationId & 0xFF);
}

void PutCounted(std::string& message, std::string_view text) {
    message += static_cast<char>(text.size());
    message += text;
}

// The top 2 bits of the first byte come from `flags`, then the 38-bit value.
void Put38(std::string& message, unsigned flags, double metres) {
    const auto units = static_cast<std::int64_t>(std::llround(metres / 0.0001));
    const auto bits = static_cast<std::uint64_t>(units) & ((std::uint64_t{1} << 38) - 1);
    message += static_cast<char>(flags << 6 | bits >> 32);
    for (int shift = 24; shift >= 0; shift -= 8) message += static_cast<char>(bits >> shift);
}

void PutCrc(std::string& frame) {
    const std::uint32_t crc = Crc24Q(frame);
    frame += static_cast<char>(crc >> 16);
    frame += static_cast<char>(crc >> 8);
    frame += static_cast<char>(crc);
}

// Number, station id, the counted antenna type and the setup id: 1007, and the start of 1008.
std::string AntennaMessage(int number, int stationId, std::string_view antenna, int setupId) {
    std::string message;
    PutHeader(message, number, stationId);
    PutCounted(message, antenna);
    message += static_cast<char>(setupId);
    return message;
}

}  // namespace

std::string RtcmFrame(std::string_view message) {
    std::string frame = {static_cast<char>(0xD3), static_cast<char>(message.size() >> 8 & 0x03),
                         static_cast<char>(message.size() & 0xFF)};
    frame += message;
    PutCrc(frame);
    return frame;
}

std::string WithFreshCrc(std::string frame) {
    frame.resize(frame.size() - 3);
    PutCrc(frame);
    return frame;
}

std::string EncodeArp(const TArpMessage& arp) {
    std::string message;
    PutHeader(message, arp.number, arp.stationId);
    message += static_cast<char>(arp.itrfYear << 2 | arp.gps << 1 | arp.glonass);
    Put38(message, arp.galileo << 1 | arp.nonPhysical, arp.xM);
    Put38(message, 0, arp.yM);
    Put38(message, 0, arp.zM);
    if (arp.number == 1006) {
        const auto height = static_cast<unsigned>(std::lround(arp.antennaHeightM / 0.0001));
        message += static_cast<char>(height >> 8);
        message += static_cast<char>(height);
    }
    return message;
}

std::string Encode1007(int stationId, std::string_view antenna, int setupId) {
    return AntennaMessage(1007, stationId, antenna, setupId);
}

std::string Encode1008(int stationId, std::string_view antenna, int setupId,
                       std::string_view serial) {
    std::string message = AntennaMessage(1008, stationId, antenna, setupId);
    PutCounted(message, serial);
    return message;
}

std::string Encode1033(int stationId, std::string_view antenna, int setupId,
                       std::string_view serial, std::string_view receiver,
                       std::string_view firmware, std::string_view receiverSerial) {
    std::string message;
    PutHeader(message, 1033, stationId);
    PutCounted(message, antenna);
    message += static_cast<char>(setupId);
    for (const std::string_view text : {serial, receiver, firmware, receiverSerial}) {
        PutCounted(message, text);
    }
    return message;
}

std::string EncodeBare(int number, std::size_t length) {
    std::string message;
    PutHeader(message, number, 0);
    message.resize(length, '\0');
    return message;
}

std::vector<std::string> ScanFrames(std::string_view stream,
                                    const std::vector<std::size_t>& pieceSizes) {
    std::vector<std::string> frames;
    TRtcmFrameScanner scanner;
    const auto sink = [&](std::string_view frame) { frames.emplace_back(frame); };
    if (pieceSizes.empty()) scanner.Feed(stream, sink);
    for (std::size_t piece = 0; !pieceSizes.empty() && !stream.empty(); ++piece) {
        const std::size_t size = std::min(pieceSizes[piece % pieceSizes.size()], stream.size());
        scanner.Feed(stream.substr(0, size), sink);
        stream.remove_prefix(size);
    }
    scanner.Finish(sink);
    return frames;
}

std::vector<std::size_t> RandomPieceSizes(unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> small(1, 8), large(1, 1100);
    std::vector<std::size_t> sizes = {1};
    for (int i = 0; i < 64; ++i) sizes.push_back(i % 2 ? small(random) : large(random));
    return sizes;
}

std::vector<TRealStream> RealRtcmStreams() {
    const std::string folder = RealDataFolder();
    if (folder.empty()) return {};
    std::vector<TRealStream> streams;
    std::error_code error;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(folder + "rtcm3", error)) {
        if (!entry.is_regular_file()) continue;
        const std::string path = entry.path().string();
        streams.push_back({path.substr(folder.size() + 6), ReadFileBytes(path)});
    }
    std::sort(streams.begin(), streams.end(),
              [](const TRealStream& a, const TRealStream& b) { return a.name < b.name; });
    return streams;
}

std::string RealRtcmStream(const std::string& name) {
    const std::string folder = RealDataFolder();
    return folder.empty() ? std::string() : ReadFileBytes(folder + "rtcm3/" + name);
}
