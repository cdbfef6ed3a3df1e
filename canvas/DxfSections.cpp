#include "canvas/DxfSections.h"

#include "canvas/DxfLines.h"

#include <cstring>

namespace {

constexpr std::string_view kSection = "SECTION";

// The line of the text that holds byte `at`: its first byte and the byte after its LF.
struct TLineSpan {
    std::size_t begin = 0, end = 0;
};

TLineSpan LineAround(std::string_view text, std::size_t start, std::size_t at) {
    TLineSpan span{at, text.find('\n', at)};
    span.end = span.end == std::string_view::npos ? text.size() : span.end + 1;
    while (span.begin > start && text[span.begin - 1] != '\n') --span.begin;
    return span;
}

std::string_view LineText(std::string_view text, TLineSpan span) {
    std::string_view line = text.substr(span.begin, span.end - span.begin);
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    return TrimDxfLine(line);
}

void Note(TDxfSections& sections, std::string_view name, std::size_t position) {
    std::optional<std::size_t>* slot = name == "TABLES"     ? &sections.Tables
                                       : name == "BLOCKS"   ? &sections.Blocks
                                       : name == "ENTITIES" ? &sections.Entities
                                                            : nullptr;
    if (slot && !*slot) *slot = position;
}

}  // namespace

// A line scan for "0" followed by "SECTION" would split every line of the file. The word is
// searched for instead, which is many times faster, and each find is checked to be a whole line
// after a line "0" that lies beyond the last section header read: the same headers as the scan.
TDxfSections FindDxfSections(std::string_view text, std::size_t start) {
    TDxfSections sections;
    std::size_t resume = start;  // the line scan would stand here
    std::size_t from = start;
    while (from < text.size()) {
        const std::size_t at = text.find(kSection, from);
        if (at == std::string_view::npos) break;
        const TLineSpan line = LineAround(text, start, at);
        from = line.end;
        if (line.begin <= start || LineText(text, line) != kSection) continue;
        const TLineSpan before = LineAround(text, start, line.begin - 1);
        if (before.begin < resume || LineText(text, before) != "0") continue;
        TDxfLines after(text, line.end);
        after.Next();  // the code line, normally "2"
        const std::string_view name = after.Next();
        Note(sections, name, after.Position());
        resume = from = after.Position();
    }
    return sections;
}
