#pragma once
// Reading back what the program wrote: the records of a file with a header line, and the
// fields of a comma-separated record.

#include "platform/TextFile.h"
#include "tests/support/TestEnvironment.h"

#include <string>
#include <string_view>
#include <vector>

// The lines of the file after its header line; none when it cannot be read.
inline std::vector<std::string> RecordsAfterHeader(const std::string& path) {
    std::vector<std::string> lines = SplitLines(ReadFileBytes(path));
    if (!lines.empty()) lines.erase(lines.begin());
    return lines;
}

// The fields of a comma-separated line, empty ones included: n commas give n + 1 fields.
inline std::vector<std::string> CommaFields(std::string_view line) {
    std::vector<std::string> fields;
    for (std::size_t start = 0;;) {
        const auto comma = line.find(',', start);
        fields.emplace_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}
