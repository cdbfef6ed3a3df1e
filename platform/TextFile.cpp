#include "platform/TextFile.h"

#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::size_t kReadPiece = 64 * 1024;

std::string SystemError(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
    TAtomicFile file(path);
    return file.Write(bytes) && file.Commit();
}

bool AppendFileBytes(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    std::string reason;
    return ReadFileBytes(path, bytes, reason);
}

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& reason) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        reason = errno == ENOENT ? "the file does not exist" : SystemError("cannot open the file");
        return false;
    }
    // Sized once from the file system, so a large drawing is not copied as it grows.
    struct stat info {};
    const bool regular = ::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode);
    std::string content(regular ? static_cast<std::size_t>(info.st_size) + 1 : kReadPiece, '\0');
    std::size_t size = 0;
    for (;;) {
        if (size == content.size()) content.resize(2 * content.size());
        const ssize_t n = ::read(descriptor, content.data() + size, content.size() - size);
        if (n < 0 && errno == EINTR) continue;
        // A folder opens but does not read: that is an error, not an empty file.
        if (n < 0) {
            reason = SystemError("cannot read the file");
            ::close(descriptor);
            return false;
        }
        if (n == 0) break;
        size += static_cast<std::size_t>(n);
    }
    ::close(descriptor);
    content.resize(size);
    bytes = std::move(content);
    return true;
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
