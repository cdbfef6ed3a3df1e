#pragma once
// Reading one echo-sounder line with the telegram format and scan pattern in force.
//
// The format is named by the settings window's format text and the pattern is the text of its
// pattern edit, both as they stand when the line arrives. A line of no format, or one without
// its format's markers, is dropped without a word. Otherwise the whole line is scanned with the
// pattern by the platform's bounded reader; the line gives depths only when the pattern stores
// exactly as many numbers as its format has values. A pattern the reader refuses (a storing
// "%s", "%n", an extra conversion ...) gives no depth and is worth telling the surveyor about.

#include <optional>
#include <string_view>

enum class TTelegramOutcome {
    Depth,           // the values are read
    NoFormat,        // the format text names no format: the line is dropped silently
    NoMarker,        // the line lacks a marker of its format: dropped silently
    PatternRefused,  // the scanner does not read this pattern: no depth
    WrongCount,      // the scan stored another number of values than the format has: no depth
};

struct TTelegramReading {
    TTelegramOutcome outcome = TTelegramOutcome::NoFormat;
    double rawDepthHi = 0;  // metres as sent; 0 where the format does not give it
    double rawDepthLo = 0;
    std::optional<double> battery;  // the second value of "Orvalt QRD"
};

TTelegramReading ReadTelegram(std::string_view formatName, std::string_view pattern,
                              std::string_view line);
