#pragma once
// The folder that "Open Log Folder" opens: the parent of the folder that holds the GNSS port's
// NMEA log, or of the day's LOG folder when the port has no log file name. For the program's
// own names that is the day folder. Paths use "/".

#include <string>

// `logDir` ends in "/". A folder without a parent ("/") stands for itself.
std::string LogFolderTarget(const std::string& nmeaLogFileName, const std::string& logDir);
