#pragma once
// Every test process gets fresh, empty roots for the settings file and the day folders.

#include <string>

// The temporary folder of this test process, with a trailing "/".
const std::string& TestTempFolder();

// A path in TestTempFolder() that no earlier call gave: a number of its own, a blank, `name`.
std::string FreshTestPath(const std::string& name);

// Sets ProgramData and QUELLBAY_SMK_ROOT to fresh folders below TestTempFolder().
void UseFreshRoots();

// Folder of the real third-party sample files, or empty when it is absent.
std::string RealDataFolder();

// Reads a whole file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);

// Today's events log as bytes; empty when none was written.
std::string EventsLog();
