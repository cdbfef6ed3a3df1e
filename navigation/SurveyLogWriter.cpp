#include "navigation/SurveyLogWriter.h"

#include "navigation/NavigationState.h"
#include "navigation/SurveyRecord.h"
#include "platform/DataFolders.h"
#include "platform/NumberFormat.h"
#include "platform/Paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>

namespace {

constexpr int kAlternates = 99;
constexpr const char* kLineEnd = "\r\n";

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// Unbuffered, so every fwrite is one write to the file and nothing waits in the process.
std::FILE* OpenAppending(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (file) std::setvbuf(file, nullptr, _IONBF, 0);
    return file;
}

// Tries `open` once more after creating the folder of `path`: a LOG or XYZ folder removed
// during the survey comes back.
std::FILE* OpenCreatingFolder(const std::string& path, const std::function<std::FILE*()>& open) {
    if (std::FILE* file = open()) return file;
    CreateDirectories(FolderOf(path));
    return open();
}

// The log or the first alternate that opens; `opened` is its path.
std::FILE* OpenLogOrAlternate(const std::string& path, std::string& opened) {
    opened = path;
    if (std::FILE* file = OpenAppending(path)) return file;
    for (int n = 1; n <= kAlternates; ++n) {
        opened = SurveyLogAlternatePath(path, n);
        if (std::FILE* file = OpenAppending(opened)) return file;
    }
    return nullptr;
}

bool IsEmpty(std::FILE* file) {
    struct stat status {};
    return ::fstat(::fileno(file), &status) == 0 && status.st_size == 0;
}

// Writes the bytes at the end of the file; on failure cuts the file back to its length before.
bool WriteWhole(std::FILE* file, const std::string& bytes, std::string& reason) {
    struct stat before {};
    const int descriptor = ::fileno(file);
    if (::fstat(descriptor, &before) != 0) {
        reason = std::strerror(errno);
        return false;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size()) return true;
    reason = std::strerror(errno);
    if (::ftruncate(descriptor, before.st_size) != 0) reason += "; the last line may be cut";
    std::clearerr(file);
    return false;
}

// Writes the bytes, when there are any, and closes the file.
bool WriteAndClose(std::FILE*& file, const std::string& bytes, std::string& reason) {
    const bool written = bytes.empty() || WriteWhole(file, bytes, reason);
    std::fclose(file);
    file = nullptr;
    return written;
}

}  // namespace

TSurveyFiles DaySurveyFiles() {
    return {CoordinatesFilePath, SurveyLogHeader, XyzDir + TodayFolderName + " Simple XYZ.csv",
            kSimpleXyzHeader};
}

std::string SurveyLogAlternatePath(const std::string& path, int n) {
    const auto slash = path.rfind('/');
    auto dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) dot = path.size();
    return path.substr(0, dot) + "_" + IntToStr(n) + path.substr(dot);
}

std::string TSurveyLogWriter::Append(const TSurveyFiles& files, const TSoundingLines& lines) {
    bool logWritten = false;
    std::string report = AppendLog(files, lines, logWritten);
    if (logWritten && lines.logRecord && lines.xyzRecord)
        report = AppendXyz(files, *lines.xyzRecord);
    return report;
}

std::string TSurveyLogWriter::AppendLog(const TSurveyFiles& files, const TSoundingLines& lines,
                                        bool& written) {
    std::string opened;
    SurveyLogFile = OpenCreatingFolder(files.logPath,
                                       [&] { return OpenLogOrAlternate(files.logPath, opened); });
    if (!SurveyLogFile) {
        return Once(logFailureReported_, "Cannot open the survey log " + files.logPath +
                                             " nor its alternates _1 to _99: soundings are "
                                             "not recorded");
    }
    std::string bytes = IsEmpty(SurveyLogFile) ? files.logHeader + kLineEnd : "";
    if (lines.logRecord) bytes += *lines.logRecord + kLineEnd;
    std::string reason;
    written = WriteAndClose(SurveyLogFile, bytes, reason);
    if (!written) {
        return Once(logFailureReported_, "Cannot write the survey log " + opened + ": " + reason);
    }
    logFailureReported_ = false;
    return {};
}

std::string TSurveyLogWriter::AppendXyz(const TSurveyFiles& files, const std::string& record) {
    const std::string& path = files.xyzPath;
    std::FILE* file = OpenCreatingFolder(path, [&] { return OpenAppending(path); });
    if (!file) return Once(xyzFailureReported_, "Cannot open the simple XYZ file " + path);
    const std::string bytes = (IsEmpty(file) ? files.xyzHeader + kLineEnd : "") + record + kLineEnd;
    std::string reason;
    if (!WriteAndClose(file, bytes, reason)) {
        return Once(xyzFailureReported_,
                    "Cannot write the simple XYZ file " + path + ": " + reason);
    }
    xyzFailureReported_ = false;
    return {};
}

std::string TSurveyLogWriter::Once(bool& reported, const std::string& report) {
    if (reported) return {};
    reported = true;
    return report;
}
