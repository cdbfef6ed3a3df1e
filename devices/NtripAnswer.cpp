#include "devices/NtripAnswer.h"

#include "platform/TextFile.h"

#include <algorithm>

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
    return {TNtripAnswerKind::Refused, header.size(), code,
            code ? std::string() : FirstHeaderLine(header)};
}

// The header's length: the ICY line of a bare NTRIP 1.0 answer, else up to the blank line.
std::size_t HeaderLength(std::string_view answer, std::size_t searchedBefore) {
    if (answer.starts_with(kIcyLine)) return kIcyLine.size();
    const std::size_t blank = FindFrom(answer, kBlankLine, searchedBefore);
    return blank == std::string_view::npos ? blank : blank + kBlankLine.size();
}

}  // namespace

TNtripAnswer ClassifyNtripAnswer(std::string_view answer, std::size_t searchedBefore) {
    const std::size_t length = HeaderLength(answer, searchedBefore);
    if (length == std::string_view::npos) return {};
    const std::string_view header = answer.substr(0, length);
    if (Contains(header, "SOURCETABLE")) return Accepted(TNtripAnswerKind::SourceTable, length);
    if (Contains(header, "200 OK")) return Accepted(TNtripAnswerKind::Stream, length);
    return Refusal(header);
}

TNtripAnswer TNtripHeaderReader::Take(std::string_view block, std::string& rest) {
    const std::size_t searchedBefore = header_.size();
    const std::size_t fits = std::min(block.size(), kMaxNtripHeaderBytes - header_.size());
    header_.append(block.substr(0, fits));
    TNtripAnswer answer = ClassifyNtripAnswer(header_, searchedBefore);
    if (answer.Kind == TNtripAnswerKind::Incomplete) {
        if (fits == block.size()) return answer;
        return {TNtripAnswerKind::Refused, 0, 0, FirstHeaderLine(header_)};
    }
    // What follows the header: its own tail, and what did not fit when it reached the cap.
    rest.assign(header_, answer.Offset);
    rest.append(block.substr(fits));
    header_.resize(answer.Offset);
    return answer;
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
