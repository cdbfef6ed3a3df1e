#pragma once
// Finding the scan pattern of a cast file from its column header.
//
// The header is the first line that names a sound velocity ("SV" or "VELOCITY") and a pressure
// or depth ("PRESSURE" or "DEPTH"), in any case. Its delimiter is the first of ",", tab and ";"
// it holds (else ","); its fields are numbered from 0, and the last field naming each quantity
// is its column. The pattern skips the fields before the first column and between the two
// with "%*[^d]d" and reads both columns with "%lf": columns 0 and 2 of a comma-separated file
// give "%lf,%*[^,],%lf".

#include "tools/MessageLanguage.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>

struct TSvpHeaderFormat {
    std::size_t headerLine = 0;  // from 0
    char delimiter = ',';
    std::size_t svColumn = 0;  // fields from 0
    std::size_t pressureColumn = 0;
    std::string pattern;
    bool svFirst = false;  // the sound velocity column comes before the pressure column
};

// Nothing when no line is a header or the header lacks either column.
std::optional<TSvpHeaderFormat> DetectSvpHeader(std::span<const std::string> lines);

// The six lines that tell the surveyor what was found, line numbers and columns from 1.
std::string AutoDetectedMessage(const TSvpHeaderFormat& format, TMessageLanguage language);
