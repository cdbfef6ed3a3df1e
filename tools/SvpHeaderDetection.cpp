#include "tools/SvpHeaderDetection.h"

#include "platform/NumberFormat.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr char kDelimiters[] = {',', '\t', ';'};

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

bool NamesVelocity(std::string_view upper) {
    return Contains(upper, "SV") || Contains(upper, "VELOCITY");
}

bool NamesPressure(std::string_view upper) {
    return Contains(upper, "PRESSURE") || Contains(upper, "DEPTH");
}

// The fields of the upper-cased header, trimmed of blanks.
std::vector<std::string_view> Fields(std::string_view header, char delimiter) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = header.find(delimiter, start);
        std::string_view field = header.substr(start, end - start);
        while (!field.empty() && (field.front() == ' ' || field.front() == '\t')) {
            field.remove_prefix(1);
        }
        while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) {
            field.remove_suffix(1);
        }
        fields.push_back(field);
        if (end == std::string_view::npos) return fields;
        start = end + 1;
    }
}

std::string Repeated(const std::string& part, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i) text += part;
    return text;
}

std::string Pattern(char delimiter, std::size_t low, std::size_t high) {
    const std::string d(1, delimiter);
    const std::string skip = "%*[^" + d + "]" + d;
    return Repeated(skip, low) + "%lf" + d + Repeated(skip, high - low - (high > low ? 1 : 0)) +
           "%lf";
}

}  // namespace

std::optional<TSvpHeaderFormat> DetectSvpHeader(std::span<const std::string> lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string upper = UpperAscii(lines[i]);
        if (!NamesVelocity(upper) || !NamesPressure(upper)) continue;
        TSvpHeaderFormat format;
        format.headerLine = i;
        for (const char candidate : kDelimiters) {
            if (Contains(upper, std::string_view(&candidate, 1))) {
                format.delimiter = candidate;
                break;
            }
        }
        std::optional<std::size_t> sv, pressure;
        const std::vector<std::string_view> fields = Fields(upper, format.delimiter);
        for (std::size_t f = 0; f < fields.size(); ++f) {
            if (NamesVelocity(fields[f])) sv = f;
            if (NamesPressure(fields[f])) pressure = f;
        }
        // The header found ends the search, whether or not it names both columns.
        if (!sv || !pressure) return std::nullopt;
        format.svColumn = *sv;
        format.pressureColumn = *pressure;
        format.svFirst = *sv < *pressure;
        format.pattern =
            Pattern(format.delimiter, std::min(*sv, *pressure), std::max(*sv, *pressure));
        return format;
    }
    return std::nullopt;
}

std::string AutoDetectedMessage(const TSvpHeaderFormat& format, TMessageLanguage language) {
    const bool english = language == TMessageLanguage::English;
    const auto number = [](std::size_t index) {
        return IntToStr(static_cast<long long>(index) + 1);
    };
    const std::string delimiter =
        format.delimiter == '\t' ? std::string("TAB") : std::string(1, format.delimiter);
    const std::pair<const char*, const char*> labels[] = {
        {"Auto-detected format:", "Otomatik algilanan format:"},
        {"- Header at line: ", "- Baslik satiri: "},
        {"- Delimiter: ", "- Ayirici: "},
        {"- SV column: ", "- SV sutunu: "},
        {"- Pressure column: ", "- Basinc sutunu: "},
        {"- Search string: ", "- Arama dizesi: "},
    };
    const std::string values[] = {"",
                                  number(format.headerLine),
                                  delimiter,
                                  number(format.svColumn),
                                  number(format.pressureColumn),
                                  format.pattern};
    std::string message;
    for (std::size_t i = 0; i < std::size(labels); ++i) {
        if (i > 0) message += "\n";
        message += (english ? labels[i].first : labels[i].second) + values[i];
    }
    return message;
}
