#include "devices/NtripAnswer.h"

#include "platform/TextFile.h"

namespace {

constexpr std::string_view kBlankLine = "\r\n\r\n";
constexpr std::string_view kIcyLine = "ICY 200 OK\r\n";
constexpr std::string_view kEndSourceTable = "ENDSOURCETABLE";
constexpr std::string_view kCrLf = "\r\n";

// Finds `marker` among the bytes from `searchedBefore` on, including a marker that began in
// the bytes searched before.
std::size_t FindFrom(std::string_view text, std::string_view marker, std::size_t searchedBefore) {
    const std::size_t overlap = marker.size() - 1;
    return text.find(marker, searchedBefore > overlap ? searchedBefore - overlap : 0);
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

int RefusalCode(std::string_view text) {
    for (const int code : {401, 404, 403}) {
        if (Contains(text, std::to_string(code))) return code;
    }
    return 0;
}

TNtripAnswer Accepted(TNtripAnswerKind kind, std::size_t offset) {
    TNtripAnswer answer;
    answer.Kind = kind;
    answer.Offset = offset;
    return answer;
}

TNtripAnswer Refusal(std::string_view header) {
    const int code = RefusalCode(header);
    return {TNtripAnswerKind::Refused, 0, code, code ? std::string() : FirstHeaderLine(header)};
}

}  // namespace

TNtripAnswer ClassifyNtripAnswer(std::string_view header, std::size_t searchedBefore) {
    constexpr auto npos = std::string_view::npos;
    if (FindFrom(header, kBlankLine, searchedBefore) == npos &&
        FindFrom(header, kIcyLine, searchedBefore) == npos) {
        return {};
    }
    if (!Contains(header, "200 OK") && !Contains(header, "SOURCETABLE")) return Refusal(header);
    const std::size_t blank = header.find(kBlankLine);
    const std::size_t afterBlank = blank == npos ? header.size() : blank + kBlankLine.size();
    if (Contains(header, "SOURCETABLE")) return Accepted(TNtripAnswerKind::SourceTable, afterBlank);
    const std::size_t icy = header.find(kIcyLine);
    if (icy != npos) return Accepted(TNtripAnswerKind::Stream, icy + kIcyLine.size());
    return Accepted(TNtripAnswerKind::Stream, afterBlank);
}

TNtripAnswer ClassifyCutNtripAnswer(std::string_view header) {
    const std::size_t lastLineEnd = header.rfind(kCrLf);
    if (lastLineEnd == std::string_view::npos) return {};
    const int code = RefusalCode(header.substr(0, lastLineEnd));
    if (!code) return {};
    return {TNtripAnswerKind::Refused, 0, code, {}};
}

std::string FirstHeaderLine(std::string_view header) {
    const std::size_t end = header.find(kCrLf);
    return end == std::string_view::npos ? std::string() : std::string(header.substr(0, end));
}

std::string NtripRefusalText(int code, const std::string& mountPoint) {
    switch (code) {
        case 401:
            return "401 - Invalid username or password";
        case 404:
            return "404 - Mount point not found: " + mountPoint;
        case 403:
            return "403 - Access forbidden";
        default:
            return "Unknown server response";
    }
}

bool SourceTableComplete(std::string_view table, std::size_t searchedBefore) {
    return FindFrom(table, kEndSourceTable, searchedBefore) != std::string_view::npos;
}

std::vector<std::string> SourceTableMountPoints(std::string_view table) {
    constexpr std::string_view kStr = "STR;";
    std::vector<std::string> names;
    for (const std::string& line : SplitLines(table)) {
        if (line.compare(0, kStr.size(), kStr) != 0) continue;
        const std::size_t end = line.find(';', kStr.size());
        if (end != std::string::npos) names.push_back(line.substr(kStr.size(), end - kStr.size()));
    }
    return names;
}
