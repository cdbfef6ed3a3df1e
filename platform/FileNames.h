#pragma once
// The parts of a path ("/" separates folders), as the Windows program's file-name functions
// give them: the extension is the last "." and what follows it in the file name.

#include <string>

// The folder up to and with its last "/"; empty when there is none.
std::string ExtractFilePath(const std::string& path);
// The file name with its extension, without the folder.
std::string ExtractFileName(const std::string& path);
// The extension in ASCII lower case, with its "."; empty when the file name has no ".".
std::string LowerCaseFileExt(const std::string& path);
// The file name without the folder and without the extension.
std::string ExtractFileBaseName(const std::string& path);
