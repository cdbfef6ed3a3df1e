#include "platform/IniFile.h"

#include "platform/CodePage.h"
#include "platform/NumberFormat.h"
#include "platform/TextFile.h"

#include <filesystem>
#include <optional>

namespace {

std::string_view Trim(std::string_view text) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    return text;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    a = Trim(a);
    b = Trim(b);
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

// The name of a "[section]" line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

struct TKeyLine {
    std::string_view key;
    std::string_view value;
};

// A "key=value" line; comments (";") and lines without "=" carry no key.
std::optional<TKeyLine> KeyLine(std::string_view line) {
    std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
    const auto equals = trimmed.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return TKeyLine{Trim(trimmed.substr(0, equals)), Trim(trimmed.substr(equals + 1))};
}

std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// Line range [begin, end) of the first section with this name; begin is the header line.
struct TSectionRange {
    size_t begin = 0;
    size_t end = 0;
};

std::optional<TSectionRange> FindSection(const std::vector<std::string>& lines,
                                         std::string_view section) {
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(lines[i]);
        if (!name || !SameName(*name, section)) continue;
        size_t end = i + 1;
        while (end < lines.size() && !SectionName(lines[end])) ++end;
        return TSectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<size_t> FindKey(const std::vector<std::string>& lines, const TSectionRange& range,
                              std::string_view key) {
    for (size_t i = range.begin + 1; i < range.end; ++i) {
        const auto entry = KeyLine(lines[i]);
        if (entry && SameName(entry->key, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> FindValue(const std::vector<std::string>& lines,
                                     std::string_view section, std::string_view key) {
    const auto range = FindSection(lines, section);
    if (!range) return std::nullopt;
    const auto index = FindKey(lines, *range, key);
    if (!index) return std::nullopt;
    return std::string(Unquoted(KeyLine(lines[*index])->value));
}

}  // namespace

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

std::vector<std::string> TIniFile::LoadLines() const {
    return LoadLinesToChange().value_or(std::vector<std::string>{});
}

std::optional<std::vector<std::string>> TIniFile::LoadLinesToChange() const {
    if (pendingLines_) return *pendingLines_;
    std::string bytes;
    if (!ReadFileBytes(fileName_, bytes)) {
        std::error_code error;
        const bool missing = !std::filesystem::exists(fileName_, error) && !error;
        if (missing) return std::vector<std::string>{};
        return std::nullopt;
    }
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3);
    return SplitLines(SystemTextToUtf8(bytes));
}

bool TIniFile::StoreLines(const std::vector<std::string>& lines) {
    if (pendingLines_) {
        *pendingLines_ = lines;
        return true;
    }
    // The settings hold the caster's password.
    return WriteFileAtomically(fileName_, JoinCrLf(lines), kPrivateFileMode);
}

void TIniFile::BeginUpdates() {
    if (updateDepth_++ > 0) return;
    pendingLines_ = LoadLinesToChange();
    pendingUnreadable_ = !pendingLines_;
    if (pendingUnreadable_) pendingLines_.emplace();
}

bool TIniFile::CommitUpdates() {
    if (updateDepth_ == 0) return true;
    if (--updateDepth_ > 0) return !pendingUnreadable_;
    const std::vector<std::string> lines = std::move(*pendingLines_);
    pendingLines_.reset();
    if (pendingUnreadable_) {
        pendingUnreadable_ = false;
        return false;
    }
    return StoreLines(lines);
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view fallback) const {
    auto value = FindValue(LoadLines(), section, key);
    return value ? *value : std::string(fallback);
}

int TIniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
    return StrToIntDef(ReadString(section, key, ""), fallback);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

double TIniFile::ReadFloat(std::string_view section, std::string_view key, double fallback) const {
    return StrToFloatDef(ReadString(section, key, ""), fallback);
}

bool TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    auto loaded = LoadLinesToChange();
    if (!loaded) return false;
    std::vector<std::string>& lines = *loaded;
    // A line break cannot be stored in a value: it would start a line of its own.
    std::string flatValue(value);
    for (char& c : flatValue) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    const std::string entry = std::string(Trim(key)) + "=" + flatValue;
    const auto range = FindSection(lines, section);
    if (!range) {
        if (!lines.empty() && !Trim(lines.back()).empty()) lines.emplace_back();
        lines.push_back("[" + std::string(Trim(section)) + "]");
        lines.push_back(entry);
        return StoreLines(lines);
    }
    if (const auto index = FindKey(lines, *range, key)) {
        lines[*index] = entry;
        return StoreLines(lines);
    }
    // New keys go after the last non-blank line of the section, before the gap to the next one.
    size_t insertAt = range->end;
    while (insertAt > range->begin + 1 && Trim(lines[insertAt - 1]).empty()) --insertAt;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
    return StoreLines(lines);
}

bool TIniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    return WriteString(section, key, IntToStr(value));
}

bool TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

bool TIniFile::WriteFloat(std::string_view section, std::string_view key, double value) {
    return WriteString(section, key, FloatToStr(value));
}

bool TIniFile::SectionExists(std::string_view section) const {
    return FindSection(LoadLines(), section).has_value();
}

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
    return FindValue(LoadLines(), section, key).has_value();
}

std::vector<std::string> TIniFile::ReadSection(std::string_view section) const {
    const auto lines = LoadLines();
    std::vector<std::string> keys;
    if (const auto range = FindSection(lines, section)) {
        for (size_t i = range->begin + 1; i < range->end; ++i) {
            if (const auto entry = KeyLine(lines[i])) keys.emplace_back(entry->key);
        }
    }
    return keys;
}

std::vector<std::string> TIniFile::ReadSections() const {
    std::vector<std::string> sections;
    for (const auto& line : LoadLines()) {
        if (const auto name = SectionName(line)) sections.emplace_back(*name);
    }
    return sections;
}

bool TIniFile::EraseSection(std::string_view section) {
    auto loaded = LoadLinesToChange();
    if (!loaded) return false;
    std::vector<std::string>& lines = *loaded;
    const auto range = FindSection(lines, section);
    if (!range) return true;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(range->begin),
                lines.begin() + static_cast<std::ptrdiff_t>(range->end));
    return StoreLines(lines);
}

bool TIniFile::DeleteKey(std::string_view section, std::string_view key) {
    auto loaded = LoadLinesToChange();
    if (!loaded) return false;
    std::vector<std::string>& lines = *loaded;
    const auto range = FindSection(lines, section);
    if (!range) return true;
    const auto index = FindKey(lines, *range, key);
    if (!index) return true;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*index));
    return StoreLines(lines);
}
