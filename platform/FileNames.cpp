#include "platform/FileNames.h"

namespace {

std::size_t NameStart(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

// Where the extension starts, or the path's size when there is none.
std::size_t ExtensionStart(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    return dot == std::string::npos || dot < NameStart(path) ? path.size() : dot;
}

}  // namespace

std::string ExtractFilePath(const std::string& path) { return path.substr(0, NameStart(path)); }

std::string ExtractFileName(const std::string& path) { return path.substr(NameStart(path)); }

std::string LowerCaseFileExt(const std::string& path) {
    std::string extension = path.substr(ExtensionStart(path));
    for (char& c : extension) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return extension;
}

std::string ExtractFileBaseName(const std::string& path) {
    const std::size_t start = NameStart(path);
    return path.substr(start, ExtensionStart(path) - start);
}
