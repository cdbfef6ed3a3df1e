#include "platform/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// Without HOME the temporary folder stands in; a TMPDIR that names no folder gives /tmp.
std::string HomeFolder() {
    const std::string home = Environment("HOME");
    if (!home.empty()) return home;
    std::error_code error;
    const std::string temporary = std::filesystem::temp_directory_path(error).string();
    return error || temporary.empty() ? "/tmp" : temporary;
}

}  // namespace

std::string ApplicationDataRoot() {
    for (const char* name : {"ProgramData", "XDG_CONFIG_HOME"}) {
        std::string root = WithoutTrailingSlash(Environment(name));
        if (!root.empty() && root != "/") return root;
    }
    return WithoutTrailingSlash(HomeFolder()) + "/.config";
}

std::string SmkRoot() {
    std::string root = Environment("QUELLBAY_SMK_ROOT");
    if (root.empty()) root = WithoutTrailingSlash(HomeFolder()) + "/SMK";
    return WithoutTrailingSlash(root) + "/";
}

std::string ProgramFolder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return "./";
    return WithoutTrailingSlash(executable.parent_path().string()) + "/";
}

bool DirectoryExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

bool CreateDir(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directory(path, error);
    return !error && DirectoryExists(path);
}

bool CreateDirectories(const std::string& path) {
    std::string reason;
    return CreateDirectories(path, reason);
}

bool CreateDirectories(const std::string& path, std::string& reason) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    if (DirectoryExists(path)) return true;
    if (error == std::errc::file_exists || error == std::errc::not_a_directory) {
        reason = "a file is in the way";
    } else {
        reason = error ? error.message() : "the folder is not there";
    }
    return false;
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}
