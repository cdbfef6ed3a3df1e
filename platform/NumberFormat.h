#pragma once
// Locale-free number text in the forms the program writes and reads.
//
// Every function here gives the same bytes whatever the C or Qt locale is: formatting goes
// through std::to_chars and parsing through std::from_chars. The decimal separator is always
// "."; there are no thousands separators. "nan" and "inf" are not numbers: they never parse.

#include <QString>
#include <string>
#include <string_view>

// General format with up to 15 significant digits, trailing zeros dropped: 0.1 -> "0.1",
// 1e20 -> "1E20", 1.5e-6 -> "1.5E-6". Scientific only when the integer part has more than 15
// digits or the magnitude is below 1e-5.
std::string FloatToStr(double value);

// Fixed format: the value rounded to `precision` significant digits (1 to 18), then written with
// exactly `digits` decimals. A value with more than `precision` integer digits is written in
// general format instead. A result that rounds to zero carries no minus sign.
std::string FloatToStrF(double value, int precision, int digits);

// C "%0<width>.<decimals>f": fixed decimals, zero-padded after the sign up to `width`.
std::string FormatFixed(double value, int decimals, int width = 0);

std::string IntToStr(long long value);

// Reads a whole, finite decimal number: blanks around it are allowed, as are a sign, a missing
// integer or fraction part ("5.", ".5") and an exponent. Anything else fails.
bool TryStrToFloat(std::string_view text, double& value);
bool TryStrToFloat(const QString& text, double& value);
double StrToFloatDef(std::string_view text, double fallback);
double StrToFloatDef(const QString& text, double fallback);

// The message of a text that does not convert: "'<text>' is not a valid floating point value".
std::string FloatConversionMessage(std::string_view text);

// Reads a whole 32-bit integer: decimal with an optional sign, or hexadecimal as "$1F" or
// "0x1F". Blanks around it are allowed.
bool TryStrToInt(std::string_view text, int& value);
bool TryStrToInt(const QString& text, int& value);
int StrToIntDef(std::string_view text, int fallback);
int StrToIntDef(const QString& text, int fallback);

// A literal would match both the 8-bit and the 16-bit overloads.
inline bool TryStrToFloat(const char* text, double& value) {
    return TryStrToFloat(std::string_view(text), value);
}
inline double StrToFloatDef(const char* text, double fallback) {
    return StrToFloatDef(std::string_view(text), fallback);
}
inline bool TryStrToInt(const char* text, int& value) {
    return TryStrToInt(std::string_view(text), value);
}
inline int StrToIntDef(const char* text, int fallback) {
    return StrToIntDef(std::string_view(text), fallback);
}
