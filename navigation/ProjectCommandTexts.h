#pragma once
// The paths and records of the main window's project commands, without the window.

#include <string>

// DaySmkDir + the current date + " " + HHMM + ".smk": saves within one minute share a file,
// and a run past midnight keeps saving into the SMK folder of its first day, with the new date
// in the name.
std::string AutomaticProjectPath();

// The folder the status bar shows for a project: the one above the file's own folder (the day
// folder for an automatic save), or the file's folder when there is none above. Folders end
// in "/".
std::string ProjectFolderShown(const std::string& path);

enum class TProjectCommand { AutoSave, SaveAs, Open, StartUpReload };

// The events-log line a project command writes: "Auto-saved: ", "Saved As: " or
// "Opened file: " + path after a success (nothing for the start-up reload), and after a
// failure "Project not saved: " or "Project not opened: " + path + " (" + reason + ")", which
// the message window shows too.
std::string ProjectCommandRecord(TProjectCommand command, const std::string& path, bool succeeded,
                                 const std::string& reason);
