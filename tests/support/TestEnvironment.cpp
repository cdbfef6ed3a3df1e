#include "tests/support/TestEnvironment.h"

#include "platform/EventLog.h"
#include "platform/TextFile.h"

#include <QTemporaryDir>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <memory>

const std::string& TestTempFolder() {
    static std::unique_ptr<QTemporaryDir> folder = std::make_unique<QTemporaryDir>();
    static const std::string path = folder->path().toStdString() + "/";
    return path;
}

std::string FreshTestPath(const std::string& name) {
    static std::atomic<int> serial = 0;
    return TestTempFolder() + std::to_string(serial++) + " " + name;
}

void UseFreshRoots() {
    static int generation = 0;
    const std::string base = TestTempFolder() + "roots" + std::to_string(generation++) + "/";
    std::filesystem::create_directories(base + "ProgramData");
    ::setenv("ProgramData", (base + "ProgramData").c_str(), 1);
    ::setenv("QUELLBAY_SMK_ROOT", (base + "SMK/").c_str(), 1);
}

std::string RealDataFolder() {
    const std::string folder = QBY_REALDATA_DIR;
    std::error_code error;
    return std::filesystem::is_directory(folder, error) ? folder + "/" : std::string();
}

std::string ReadFileBytes(const std::string& path) {
    std::string bytes;
    return ReadFileBytes(path, bytes) ? bytes : std::string();
}

std::string EventsLog() { return ReadFileBytes(EventLogFilePath()); }
