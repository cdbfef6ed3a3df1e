#pragma once
// Number text of the geodesy library, in the program's own forms and without any locale.
//
// The library takes and returns texts of blank-separated numbers. It writes them as the platform
// writes numbers everywhere else (general format with up to 15 significant digits, or fixed
// decimals) and reads them strictly: each number a whole, finite decimal, so "12,5", "nan",
// "inf" or a missing number is a failure, never a silently shortened value. The geodesy layer
// uses the standard library only, so these are its own; the tests check them against the
// platform's forms.

#include <span>
#include <string>
#include <string_view>

namespace GeodesyText {

// Reads the first values.size() white-space-separated numbers of text; later text is ignored.
// Returns false, leaving values unspecified, when a number is missing or is not a whole, finite
// decimal number (an optional sign, digits with an optional "." and an optional exponent).
bool ReadNumbers(std::string_view text, std::span<double> values);

// Appends a finite value in general format: up to 15 significant digits, trailing zeros
// dropped, scientific ("1.5E-6", "1E20") only below 1e-5 or from 1e15 on; zero is "0".
void AppendGeneral(std::string& out, double value);
std::string FormatGeneral(double value);

// Appends a finite value with exactly `decimals` (0 to 18) decimals, as the platform's fixed
// format with precision 20 writes it; a value that rounds to zero has no minus sign.
void AppendFixed(std::string& out, double value, int decimals);

// The value that reading back AppendFixed(value, decimals) gives (decimals 0 to 18).
double RoundToDecimals(double value, int decimals);

}  // namespace GeodesyText
