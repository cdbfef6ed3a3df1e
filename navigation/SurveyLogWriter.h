#pragma once
// Appending soundings to the day's survey log (CSV) and simple XYZ file.
//
// Each file is opened for one sounding and closed again, so other programs can read it between
// soundings; the survey log's stream is SurveyLogFile while it is open. A file that is empty
// gets its header first. Header and record reach the file in one write of whole lines ending in
// CR LF, so a reader, or a surveyor after the program was killed, finds whole records only; a
// write that fails part-way is cut back to where it began, so the next record starts a line.
//
// A survey log that does not open under its name goes to the first of "<name>_1<ext>" to
// "<name>_99<ext>" that opens, with its own header. When none opens, or the XYZ file does not
// open, the whole day folder tree is created again (a removed day folder comes back with all
// its folders) and the opening tried once more. A file that still cannot be written is
// reported with its path, once, until a write to it succeeds again.

#include <optional>
#include <string>

struct TSurveyFiles {
    std::string logPath;    // CoordinatesFilePath
    std::string logHeader;  // SurveyLogHeader
    std::string xyzPath;    // XyzDir + TodayFolderName + " Simple XYZ.csv"
    std::string xyzHeader;  // kSimpleXyzHeader
};

// The day's files: the survey log at CoordinatesFilePath, the simple XYZ file in XyzDir.
TSurveyFiles DaySurveyFiles();

// One sounding's lines, without line ends.
struct TSoundingLines {
    std::optional<std::string> logRecord;  // none: an empty log only gets its header
    std::optional<std::string> xyzRecord;  // written only together with the log record
};

struct TAppendOutcome {
    // The survey log could not be written, and why ("No space left on device"); empty when the
    // lines reached it. It holds for every failed append, not only the first.
    std::string logFailure;
    std::string report;  // what the surveyor should be told now: empty unless a file newly failed
};

class TSurveyLogWriter {
public:
    TAppendOutcome Append(const TSurveyFiles& files, const TSoundingLines& lines);

private:
    std::string AppendLog(const TSurveyFiles& files, const TSoundingLines& lines,
                          std::string& failure);
    std::string AppendXyz(const TSurveyFiles& files, const std::string& record);
    // The report of a failure, the first time in its failure period; empty afterwards.
    static std::string Once(bool& reported, const std::string& report);

    bool logFailureReported_ = false;
    bool xyzFailureReported_ = false;
};

// "<path without extension>_<n><extension>".
std::string SurveyLogAlternatePath(const std::string& path, int n);
