#pragma once
// The per-day events log: what happened during a survey (ports, real time, saves, event marks).

#include <string>

// LogDir + today's date + " Events.log": the LOG folder of the day the program started, with a
// file name that follows the date, so a run past midnight starts a new file in the same folder.
std::string EventLogFilePath();

// Appends "\r\nAuto Event:\t<date time>\t<text>" to the file; line breaks in the text are
// written as CR LF. Returns false when the file could not be written; the record is then dropped
// and the caller goes on.
bool AppendEventLog(const std::string& text, const std::string& fileName);
