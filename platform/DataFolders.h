#pragma once
// The settings file and the folder tree of the survey day.
//
// The day folders are fixed when the program starts: a run past midnight keeps writing into the
// folders of its first day, while file names built from a fresh GetDateFolderName() carry the new
// date. All paths use "/" and folder paths end in "/".

#include <QString>
#include <string>

// Day folders, set by InitDayFolderGlobals() at start-up: DayDir is SmkRoot() + date + "/",
// the others its "SMK", "LOG", "XYZ" and "SVP" folders.
extern std::string DayDir;
extern std::string DaySmkDir;
extern std::string LogDir;
extern std::string XyzDir;
extern std::string SvpDir;
extern std::string TodayFolderName;
extern std::string CoordinatesFilePath;  // LogDir + date + " Coordinates.csv"

extern QString LastMessage;             // the latest status message
extern std::string MapEllipsoidString;  // the map's geodesy parameter texts
extern std::string MapTMParameterString;
extern std::string SurveyLogHeader;  // header line of the survey log

// Computes the day-folder globals from the current date. Called once at program start,
// before any settings are read.
void InitDayFolderGlobals();

// Full path of the settings file "Quellbay.ini" below ApplicationDataRoot()/Orvalt/QBY/,
// whose folders it creates; the file itself need not exist.
std::string GetSettingsFilePath();

// The current local date as YYYY-MM-DD.
std::string GetDateFolderName();
// The current local time as HHMM.
std::string TimeStampHHMM();

// Creates the SMK root, today's folder and its SMK, LOG and SVP folders where missing, all for
// one date taken once. When LOG is still missing afterwards the surveyor is told, once per run.
void CreateDataFolders();
