#pragma once
// Whole-file reads and writes. Writes never leave a cut or empty file behind; text files are
// written with CR LF and read with LF or CR LF.

#include "platform/AtomicFile.h"

#include <string>
#include <string_view>
#include <vector>

// Reads the whole file; false when it cannot be read.
bool ReadFileBytes(const std::string& path, std::string& bytes);

// Writes the bytes to a temporary file beside `path`, flushes it to disk and renames it over
// `path`. Returns true only when the new file is in place; on failure the old file stays whole.
// The file keeps its permissions; a new one takes `newFileMode` (see AtomicFile.h).
bool WriteFileAtomically(const std::string& path, const std::string& bytes,
                         mode_t newFileMode = kSharedFileMode);

// Appends the bytes to the file, creating it when missing, and closes it. Returns true only when
// every byte was written and the file closed cleanly.
bool AppendFileBytes(const std::string& path, const std::string& bytes);

// Splits text at LF, dropping a CR before it; a final line break gives no empty last line.
std::vector<std::string> SplitLines(std::string_view text);
// Joins lines, each followed by CR LF.
std::string JoinCrLf(const std::vector<std::string>& lines);
