#include "platform/CodePage.h"

#include <array>
#include <cstdint>

namespace {

// Unicode code points of bytes 0x80 to 0x9F in Windows-1254; 0 marks the seven unassigned
// bytes, which are kept as the C1 control of the same value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0,      0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0,      0x0178};

// Bytes 0xD0, 0xDD, 0xDE, 0xF0, 0xFD and 0xFE differ from Latin-1: the Turkish letters.
char16_t Cp1254CodePoint(std::uint8_t byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        const char16_t mapped = kHighControls[byte - 0x80];
        return mapped ? mapped : byte;
    }
    switch (byte) {
        case 0xD0:
            return 0x011E;  // G with breve
        case 0xDD:
            return 0x0130;  // I with dot above
        case 0xDE:
            return 0x015E;  // S with cedilla
        case 0xF0:
            return 0x011F;  // g with breve
        case 0xFD:
            return 0x0131;  // dotless i
        case 0xFE:
            return 0x015F;  // s with cedilla
        default:
            return byte;
    }
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// Reads the UTF-8 sequence at bytes[i]: its length, or 0 when it is not one (a stray
// continuation byte, a cut sequence, an overlong form, a surrogate, beyond U+10FFFF).
size_t DecodeUtf8(std::string_view bytes, size_t i, char32_t& codePoint) {
    const auto lead = static_cast<std::uint8_t>(bytes[i]);
    size_t length = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) return 0;
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<std::uint8_t>(bytes[i + k]);
        if ((next & 0xC0) != 0x80) return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < kSmallest[length] || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return 0;
    }
    return length;
}

// The Windows-1254 byte of a code point beyond ASCII, or '?' when the code page lacks it.
char Cp1254Byte(char32_t codePoint) {
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
        if (Cp1254CodePoint(static_cast<std::uint8_t>(byte)) == codePoint) {
            return static_cast<char>(byte);
        }
    }
    return '?';
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();) {
        char32_t codePoint = 0;
        const size_t length = DecodeUtf8(bytes, i, codePoint);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string Cp1254ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char c : bytes) AppendUtf8(out, Cp1254CodePoint(static_cast<std::uint8_t>(c)));
    return out;
}

std::string SystemTextToUtf8(std::string_view bytes) {
    return IsValidUtf8(bytes) ? std::string(bytes) : Cp1254ToUtf8(bytes);
}

std::string Utf8ToCp1254(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        char32_t codePoint = 0;
        const size_t length = DecodeUtf8(utf8, i, codePoint);
        if (length == 0) {
            out += '?';
            ++i;
            continue;
        }
        out += codePoint < 0x80 ? static_cast<char>(codePoint) : Cp1254Byte(codePoint);
        i += length;
    }
    return out;
}
