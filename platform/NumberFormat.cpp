#include "platform/NumberFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

constexpr int kGeneralPrecision = 15;
constexpr int kMaxDoubleDigits = 17;        // more significant digits than a double holds
constexpr int kSmallestFixedExponent = -5;  // 0.00001 is the smallest value written fixed

// Significant decimal digits of |value| rounded to `count` digits, and the decimal exponent of
// the first digit (value = 0.d1d2d3... * 10^(exponent + 1)).
struct TDecimalDigits {
    std::string digits;
    int exponent = 0;
};

TDecimalDigits SignificantDigits(double value, int count) {
    std::array<char, 64> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                std::chars_format::scientific, count - 1);
    std::string_view text(buffer.data(), result.ptr - buffer.data());
    TDecimalDigits out;
    const auto ePos = text.find('e');
    for (char c : text.substr(0, ePos)) {
        if (c != '.') out.digits += c;
    }
    std::string_view exponentText = text.substr(ePos + 1);
    if (!exponentText.empty() && exponentText.front() == '+') exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), out.exponent);
    return out;
}

std::string NonFiniteText(double value) {
    if (std::isnan(value)) return "NAN";
    return value < 0 ? "-INF" : "INF";
}

// Writes digits d1d2... with the decimal point after (exponent + 1) digits, padded with zeros
// on either side, and exactly `decimals` decimals (digits beyond them must already be gone).
std::string PlaceDecimalPoint(const std::string& digits, int exponent, int decimals) {
    std::string integerPart;
    std::string fraction;
    const int integerDigits = exponent + 1;
    for (int i = 0; i < integerDigits; ++i) {
        integerPart += i < static_cast<int>(digits.size()) ? digits[i] : '0';
    }
    if (integerPart.empty()) integerPart = "0";
    for (int i = 0; i < decimals; ++i) {
        const int index = integerDigits + i;
        fraction += index >= 0 && index < static_cast<int>(digits.size()) ? digits[index] : '0';
    }
    return decimals > 0 ? integerPart + "." + fraction : integerPart;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the decimal grammar before from_chars, which would also take "inf", "nan" and hex.
bool IsDecimalNumber(std::string_view text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t mantissaDigits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++mantissaDigits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        size_t exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == text.size();
}

}  // namespace

std::string FloatToStr(double value) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    if (value == 0) return "0";
    TDecimalDigits d = SignificantDigits(value, kGeneralPrecision);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    std::string sign = value < 0 ? "-" : "";
    if (d.exponent >= kGeneralPrecision || d.exponent < kSmallestFixedExponent) {
        std::string mantissa = d.digits.substr(0, 1);
        if (d.digits.size() > 1) mantissa += "." + d.digits.substr(1);
        return sign + mantissa + "E" + std::to_string(d.exponent);
    }
    const int decimals = std::max(0, static_cast<int>(d.digits.size()) - d.exponent - 1);
    return sign + PlaceDecimalPoint(d.digits, d.exponent, decimals);
}

std::string FloatToStrF(double value, int precision, int digits) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    precision = std::clamp(precision, 1, 18);
    digits = std::clamp(digits, 0, 18);
    if (value == 0) return FormatFixed(0.0, digits);
    TDecimalDigits d = SignificantDigits(value, std::min(precision, kMaxDoubleDigits));
    if (d.exponent + 1 > precision) return FloatToStr(value);
    std::string text;
    if (d.exponent + 1 + digits <= precision) {
        text = FormatFixed(std::fabs(value), digits);  // precision does not bind: round once
    } else {
        text = PlaceDecimalPoint(d.digits, d.exponent, digits);
    }
    const bool allZero = text.find_first_not_of("0.") == std::string::npos;
    return (value < 0 && !allZero ? "-" : "") + text;
}

std::string FormatFixed(double value, int decimals, int width) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    std::array<char, 400> buffer;  // DBL_MAX in fixed form has 309 integer digits
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::fixed, std::clamp(decimals, 0, 60));
    std::string text(buffer.data(), result.ptr);
    const size_t signWidth = !text.empty() && text.front() == '-' ? 1 : 0;
    if (static_cast<int>(text.size()) < width) {
        text.insert(signWidth, static_cast<size_t>(width) - text.size(), '0');
    }
    return text;
}

std::string IntToStr(long long value) { return std::to_string(value); }

bool TryStrToFloat(std::string_view text, double& value) {
    text = TrimBlanks(text);
    if (!IsDecimalNumber(text)) return false;
    if (text.front() == '+') text.remove_prefix(1);
    double parsed = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return false;
    if (!std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

bool TryStrToFloat(const QString& text, double& value) {
    return TryStrToFloat(text.toStdString(), value);
}

double StrToFloatDef(std::string_view text, double fallback) {
    double value = 0;
    return TryStrToFloat(text, value) ? value : fallback;
}

double StrToFloatDef(const QString& text, double fallback) {
    return StrToFloatDef(text.toStdString(), fallback);
}

std::string FloatConversionMessage(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid floating point value";
}

bool TryStrToInt(std::string_view text, int& value) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty() || text.front() == '+' || text.front() == '-') return false;
    long long magnitude = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return false;
    const long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue < std::numeric_limits<int>::min() ||
        signedValue > std::numeric_limits<int>::max()) {
        return false;
    }
    value = static_cast<int>(signedValue);
    return true;
}

bool TryStrToInt(const QString& text, int& value) { return TryStrToInt(text.toStdString(), value); }

int StrToIntDef(std::string_view text, int fallback) {
    int value = 0;
    return TryStrToInt(text, value) ? value : fallback;
}

int StrToIntDef(const QString& text, int fallback) {
    return StrToIntDef(text.toStdString(), fallback);
}
