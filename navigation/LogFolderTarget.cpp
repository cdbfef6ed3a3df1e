#include "navigation/LogFolderTarget.h"

namespace {

// The folder part of a path, with its "/": "/a/b.log" gives "/a/", "b.log" gives "".
std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

std::string LogFolderTarget(const std::string& nmeaLogFileName, const std::string& logDir) {
    std::string folder = FolderOf(nmeaLogFileName);
    if (folder.empty()) folder = logDir;
    std::string parent = folder;
    while (!parent.empty() && parent.back() == '/') parent.pop_back();
    parent = FolderOf(parent);
    while (parent.size() > 1 && parent.back() == '/') parent.pop_back();
    return parent.empty() ? folder : parent;
}
