#include "navigation/SurveyLogWriter.h"

#include "navigation/MainWindowSettings.h"
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

// Tries `open` once more after creating the day's folders and the folder of `path`: a day, LOG
// or XYZ folder removed during the survey comes back.
std::FILE* OpenCreatingFolder(const std::string& path, const std::function<std::FILE*()>& open) {
    if (std::FILE* file = open()) return file;
    CreateDayFolderTree();
    CreateDirectories(FolderOf(path));
    return open();
}

// The log or the first alternate that opens; `opened` is its path, `reason` why the log itself
// did not open.
std::FILE* OpenLogOrAlternate(const std::string& path, std::string& opened, std::string& reason) {
    opened = path;
    if (std::FILE* file = OpenAppending(path)) return file;
    reason = std::strerror(errno);
    for (int n = 1; n <= kAlternates; ++n) {
        opened = SurveyLogAlternatePath(path, n);
        if (std::FILE* file = OpenAppending(opened)) return file;
    }
    return nullptr;
}

// Writes the header, when the file is empty, and the lines at its end in one write; on failure
// cuts the file back to its length before.
bool AppendWhole(std::FILE* file, const std::string& header, const std::string& lines,
                 std::string& reason) {
    struct stat before {};
    const int descriptor = ::fileno(file);
    if (::fstat(descriptor, &before) != 0) {
        reason = std::strerror(errno);
        return false;
    }
    const std::string bytes = (before.st_size == 0 ? header + kLineEnd : "") + lines;
    if (bytes.empty()) return true;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size()) return true;
    reason = std::strerror(errno);
    if (::ftruncate(descriptor, before.st_size) != 0) reason += "; the last line may be cut";
    std::clearerr(file);
    return false;
}

// AppendWhole, then closes the file.
bool AppendAndClose(std::FILE*& file, const std::string& header, const std::string& lines,
                    std::string& reason) {
    const bool written = AppendWhole(file, header, lines, reason);
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

TAppendOutcome TSurveyLogWriter::Append(const TSurveyFiles& files, const TSoundingLines& lines) {
    TAppendOutcome outcome;
    outcome.report = AppendLog(files, lines, outcome.logFailure);
    if (outcome.logFailure.empty() && lines.logRecord && lines.xyzRecord)
        outcome.report = AppendXyz(files, *lines.xyzRecord);
    return outcome;
}

std::string TSurveyLogWriter::AppendLog(const TSurveyFiles& files, const TSoundingLines& lines,
                                        std::string& failure) {
    std::string opened;
    SurveyLogFile = OpenCreatingFolder(
        files.logPath, [&] { return OpenLogOrAlternate(files.logPath, opened, failure); });
    if (!SurveyLogFile) {
        return Once(logFailureReported_, "Cannot open the survey log " + files.logPath +
                                             " nor its alternates _1 to _99: soundings are "
                                             "not recorded");
    }
    failure.clear();
    const std::string record = lines.logRecord ? *lines.logRecord + kLineEnd : "";
    if (!AppendAndClose(SurveyLogFile, files.logHeader, record, failure)) {
        return Once(logFailureReported_, "Cannot write the survey log " + opened + ": " + failure);
    }
    // Only a record written ends a failure period; a line without one writes nothing.
    if (lines.logRecord) logFailureReported_ = false;
    return {};
}

std::string TSurveyLogWriter::AppendXyz(const TSurveyFiles& files, const std::string& record) {
    const std::string& path = files.xyzPath;
    std::FILE* file = OpenCreatingFolder(path, [&] { return OpenAppending(path); });
    if (!file) return Once(xyzFailureReported_, "Cannot open the simple XYZ file " + path);
    std::string reason;
    if (!AppendAndClose(file, files.xyzHeader, record + kLineEnd, reason)) {
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
