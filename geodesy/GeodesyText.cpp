#include "geodesy/GeodesyText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace GeodesyText {
namespace {

constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";
constexpr int kMaxDecimals = 18;
// The platform's fixed format rounds to 18 significant digits at most, of which a double
// carries 17; a value with more than 18 integer digits falls back to the general format.
constexpr int kFixedPrecision = 18;
constexpr int kDoubleDigits = 17;

constexpr std::array<double, kMaxDecimals + 1> kPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8, 1e9,
    1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};

size_t SkipDigits(std::string_view text, size_t at) {
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
    return at;
}

// A decimal number as the scanner reads it, without the hexadecimal, "inf" and "nan" forms
// that from_chars also takes.
bool IsWholeDecimal(std::string_view token) {
    size_t at = token[0] == '+' || token[0] == '-' ? 1 : 0;
    const size_t integerEnd = SkipDigits(token, at);
    size_t mantissaEnd = integerEnd;
    if (mantissaEnd < token.size() && token[mantissaEnd] == '.') {
        mantissaEnd = SkipDigits(token, mantissaEnd + 1);
    }
    const size_t digitCount = mantissaEnd - at - (mantissaEnd > integerEnd ? 1 : 0);
    if (digitCount == 0) return false;
    at = mantissaEnd;
    if (at < token.size() && (token[at] == 'e' || token[at] == 'E')) {
        ++at;
        if (at < token.size() && (token[at] == '+' || token[at] == '-')) ++at;
        const size_t exponentEnd = SkipDigits(token, at);
        if (exponentEnd == at) return false;
        at = exponentEnd;
    }
    return at == token.size();
}

bool ReadNumber(std::string_view token, double& value) {
    if (!IsWholeDecimal(token)) return false;
    if (token.front() == '+') token.remove_prefix(1);
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    return error == std::errc() && end == token.data() + token.size() && std::isfinite(value);
}

// The 17 significant digits of |value| and the power of ten of the first one.
int SignificantDigits(double value, std::array<char, kDoubleDigits>& digits) {
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), std::fabs(value),
                                   std::chars_format::scientific, kDoubleDigits - 1)
                         .ptr;
    size_t count = 0;
    const char* at = text.data();
    for (; *at != 'e'; ++at) {
        if (*at != '.') digits[count++] = *at;
    }
    int exponent = 0;
    ++at;
    if (*at == '+') ++at;
    std::from_chars(at, end, exponent);
    return exponent;
}

std::string ExactFixed(double magnitude, int decimals) {
    std::array<char, 400> buffer{};  // DBL_MAX has 309 integer digits
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                   std::chars_format::fixed, decimals)
                         .ptr;
    return std::string(buffer.data(), end);
}

// Fixed text of a magnitude whose integer and decimal digits together pass 18: the 17 digits a
// double holds, then zeros; past 18 integer digits the general format.
std::string WideFixed(double magnitude, int decimals) {
    std::array<char, kDoubleDigits> digits{};
    const int exponent = SignificantDigits(magnitude, digits);
    if (exponent + 1 > kFixedPrecision) return FormatGeneral(magnitude);
    if (exponent + 1 + decimals <= kFixedPrecision) return ExactFixed(magnitude, decimals);
    std::string text;
    for (int i = 0; i <= exponent; ++i) text += i < kDoubleDigits ? digits[i] : '0';
    if (decimals > 0) text += '.';
    for (int i = exponent + 1; i <= exponent + decimals; ++i) {
        text += i < kDoubleDigits ? digits[i] : '0';
    }
    return text;
}

}  // namespace

bool ReadNumbers(std::string_view text, std::span<double> values) {
    size_t at = 0;
    for (double& value : values) {
        const size_t start = text.find_first_not_of(kWhiteSpace, at);
        if (start == std::string_view::npos) return false;
        const size_t end = std::min(text.find_first_of(kWhiteSpace, start), text.size());
        if (!ReadNumber(text.substr(start, end - start), value)) return false;
        at = end;
    }
    return true;
}

void AppendGeneral(std::string& out, double value) {
    if (value == 0) {
        out += '0';
        return;
    }
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::general, 15)
                         .ptr;
    const std::string_view text(buffer.data(), end - buffer.data());
    const size_t e = text.find('e');
    if (e == std::string_view::npos) {
        out += text;
        return;
    }
    int exponent = 0;
    const char* exponentStart = buffer.data() + e + 1;
    if (*exponentStart == '+') ++exponentStart;
    std::from_chars(exponentStart, end, exponent);
    std::string_view mantissa = text.substr(0, e);
    // "%g" turns scientific below 1e-4, the program's general format only below 1e-5.
    if (exponent == -5) {
        if (mantissa.front() == '-') {
            out += '-';
            mantissa.remove_prefix(1);
        }
        out += "0.0000";
        for (char c : mantissa) {
            if (c != '.') out += c;
        }
        return;
    }
    out += mantissa;
    out += 'E';
    out += std::to_string(exponent);
}

std::string FormatGeneral(double value) {
    std::string text;
    AppendGeneral(text, value);
    return text;
}

void AppendFixed(std::string& out, double value, int decimals) {
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    // Below this bound integer and decimal digits stay within 18, where the text is exact.
    const double exactBound = decimals <= 16 ? kPowersOfTen[16 - decimals] : 1.0 / 100;
    const double magnitude = std::fabs(value);
    const std::string text =
        magnitude < exactBound ? ExactFixed(magnitude, decimals) : WideFixed(magnitude, decimals);
    const bool zero = text.find_first_not_of("0.") == std::string::npos;
    if (value < 0 && !zero) out += '-';
    out += text;
}

double RoundToDecimals(double value, int decimals) {
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    const double scale = kPowersOfTen[decimals];
    const double scaled = value * scale;
    // scaled is within half an ulp of the exact product: unless that leaves the nearest
    // integer in doubt, it is the rounded decimal, and dividing it by the exact power of ten
    // gives the double nearest to that decimal, as reading its text would.
    constexpr double kExactIntegers = 4503599627370496.0;  // 2^52
    const double fraction = scaled - std::floor(scaled);
    const double doubt = std::fabs(scaled) * 0x1p-51;
    if (std::fabs(scaled) < kExactIntegers && std::fabs(fraction - 0.5) > doubt) {
        return std::nearbyint(scaled) / scale + 0.0;
    }
    std::string text;
    AppendFixed(text, value, decimals);
    double rounded = 0;
    ReadNumber(text, rounded);
    return rounded + 0.0;
}

}  // namespace GeodesyText
