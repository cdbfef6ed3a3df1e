#pragma once
// Where the program keeps its settings, its day folders and its shipped files.

#include <string>

// Root of the machine-wide application data: $ProgramData when set, else $XDG_CONFIG_HOME,
// else ~/.config. Never the file-system root. No trailing "/".
std::string ApplicationDataRoot();

// Root of the day folders, with a trailing "/": $QUELLBAY_SMK_ROOT when set, else $HOME/SMK/.
std::string SmkRoot();

// Folder of the running executable, with a trailing "/"; files shipped with the program
// ("Languages", "profiles.txt", the sound-velocity working files) lie there.
std::string ProgramFolder();

bool DirectoryExists(const std::string& path);
// Creates one folder level; false when it could not be created (an existing folder is true).
bool CreateDir(const std::string& path);
// Creates the folder with any missing parents; false when it is not there afterwards.
bool CreateDirectories(const std::string& path);
// The same, telling why the folder is not there, e.g. "a file is in the way".
bool CreateDirectories(const std::string& path, std::string& reason);
bool FileExists(const std::string& path);
