#pragma once
// CRC-24Q, the parity of RTCM 3 frames: polynomial 0x1864CFB, initial value 0, bits taken most
// significant first, no final inversion. It covers the three header bytes and the message and
// travels as the frame's last three bytes, big-endian.

#include <array>
#include <cstdint>
#include <string_view>

inline constexpr std::uint32_t kCrc24QPolynomial = 0x1864CFB;

// Remainder of each byte value shifted into the top of the register, one bit at a time.
constexpr std::array<std::uint32_t, 256> MakeCrc24QTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t byte = 0; byte < 256; ++byte) {
        std::uint32_t crc = byte << 16;
        for (int bit = 0; bit < 8; ++bit) {
            crc <<= 1;
            if (crc & 0x1000000) crc ^= kCrc24QPolynomial;
        }
        table[byte] = crc;
    }
    return table;
}

inline constexpr std::array<std::uint32_t, 256> kCrc24QTable = MakeCrc24QTable();

constexpr std::uint32_t Crc24Q(std::string_view bytes) {
    std::uint32_t crc = 0;
    for (const char c : bytes) {
        crc = ((crc << 8) & 0xFFFFFF) ^ kCrc24QTable[(crc >> 16) ^ static_cast<std::uint8_t>(c)];
    }
    return crc;
}

static_assert(kCrc24QTable.size() == 256);
static_assert(kCrc24QTable[1] == (kCrc24QPolynomial & 0xFFFFFF), "one bit gives the polynomial");
static_assert(Crc24Q("123456789") == 0xCDE703, "the catalogued check value of CRC-24/LTE-A");
