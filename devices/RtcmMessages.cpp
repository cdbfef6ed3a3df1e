#include "devices/RtcmMessages.h"

#include "platform/CodePage.h"

#include <cstdint>

namespace {

constexpr std::size_t kStationArpBytes = 19;
constexpr std::size_t kAntennaHeightBytes = 21;
constexpr double kArpResolutionM = 0.0001;  // DF025 to DF028
constexpr int kMaxDescriptorCount = 31;

std::uint8_t Byte(std::string_view message, std::size_t at) {
    return static_cast<std::uint8_t>(message[at]);
}

// A 38-bit two's complement value: the low 6 bits of the first byte, then four whole bytes.
double Signed38(std::string_view message, std::size_t first) {
    std::int64_t value = Byte(message, first) & 0x3F;
    for (std::size_t i = 1; i <= 4; ++i) value = value << 8 | Byte(message, first + i);
    if (value & (std::int64_t{1} << 37)) value -= std::int64_t{1} << 38;
    return static_cast<double>(value) * kArpResolutionM;
}

// A counted text at `at`: its counter must lie in the message, be 1 to 31 (0 too when
// emptyAllowed) and its text fit behind it.
std::optional<std::string> CountedText(std::string_view message, std::size_t at,
                                       bool emptyAllowed) {
    if (at >= message.size()) return std::nullopt;
    const std::size_t count = Byte(message, at);
    if (count == 0 && emptyAllowed) return std::string();
    if (count == 0 || count > kMaxDescriptorCount || at + count >= message.size()) {
        return std::nullopt;
    }
    return SystemTextToUtf8(message.substr(at + 1, count));
}

}  // namespace

std::optional<int> RtcmMessageNumber(std::string_view message) {
    if (message.size() < 2) return std::nullopt;
    return Byte(message, 0) << 4 | Byte(message, 1) >> 4;
}

std::optional<int> RtcmStationId(std::string_view message) {
    if (message.size() < 3) return std::nullopt;
    return (Byte(message, 1) & 0x0F) << 8 | Byte(message, 2);
}

// 1005: DF002 12, DF003 12, DF021 6, DF022 to DF024 and DF141 one bit each, DF025 38,
// DF142 1, reserved 1, DF026 38, DF364 2, DF027 38: 152 bits. 1006 adds DF028 16.
std::optional<TRtcmStationArp> DecodeStationArp(std::string_view message) {
    if (message.size() < kStationArpBytes) return std::nullopt;
    TRtcmStationArp arp;
    arp.stationId = *RtcmStationId(message);
    arp.itrfYear = Byte(message, 3) >> 2;
    arp.gps = Byte(message, 3) & 0x02;
    arp.glonass = Byte(message, 3) & 0x01;
    arp.galileo = Byte(message, 4) & 0x80;
    arp.nonPhysical = Byte(message, 4) & 0x40;
    arp.xM = Signed38(message, 4);
    arp.yM = Signed38(message, 9);
    arp.zM = Signed38(message, 14);
    return arp;
}

std::optional<double> DecodeAntennaHeight(std::string_view message) {
    if (message.size() < kAntennaHeightBytes) return std::nullopt;
    return (Byte(message, 19) << 8 | Byte(message, 20)) * kArpResolutionM;
}

// 1007: number, station id, N at byte 3, N bytes of antenna type, setup id.
TRtcmDescriptors DecodeAntennaDescriptor(std::string_view message) {
    TRtcmDescriptors descriptors;
    descriptors.antennaType = CountedText(message, 3, false);
    return descriptors;
}

// 1008: as 1007, then M and M bytes of antenna serial behind the setup id.
TRtcmDescriptors DecodeAntennaDescriptorSerial(std::string_view message) {
    TRtcmDescriptors descriptors = DecodeAntennaDescriptor(message);
    if (message.size() > 3) {
        descriptors.antennaSerial = CountedText(message, std::size_t{Byte(message, 3)} + 5, false);
    }
    return descriptors;
}

// 1033: antenna type, setup id, antenna serial, receiver type, firmware and serial, each read
// while bytes remain. The position moves past a counter always and past its text only when
// the text was taken.
TRtcmDescriptors DecodeReceiverDescriptors(std::string_view message) {
    TRtcmDescriptors descriptors;
    std::size_t at = 3;
    const auto next = [&]() {
        std::optional<std::string> text = CountedText(message, at, true);
        ++at;
        if (text) at += Byte(message, at - 1);
        return text;
    };
    descriptors.antennaType = next();
    if (at < message.size()) descriptors.setupId = Byte(message, at);
    ++at;
    descriptors.antennaSerial = next();
    descriptors.receiverType = next();
    descriptors.receiverFirmware = next();
    descriptors.receiverSerial = next();
    return descriptors;
}
