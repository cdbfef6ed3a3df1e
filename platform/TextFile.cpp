#include "platform/TextFile.h"

#include "platform/AtomicFile.h"

#include <cstdio>

bool WriteFileAtomically(const std::string& path, const std::string& bytes, mode_t newFileMode) {
    TAtomicFile file(path, newFileMode);
    return file.Write(bytes) && file.Commit();
}

bool AppendFileBytes(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    std::string content;
    char buffer[65536];
    size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.append(buffer, count);
    // A folder opens but does not read: that is an error, not an empty file.
    const bool readWhole = !std::ferror(file);
    std::fclose(file);
    if (readWhole) bytes = std::move(content);
    return readWhole;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const auto lineEnd = text.find('\n');
        std::string_view line = text.substr(0, lineEnd);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        if (lineEnd == std::string_view::npos) break;
        text.remove_prefix(lineEnd + 1);
    }
    return lines;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += line + "\r\n";
    return bytes;
}
