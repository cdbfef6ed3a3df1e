#pragma once
// The files of the sound-velocity window: the cast file it loads, and its four working memos,
// each kept beside the program as "<memo>.ini" and as a dated copy in the day's SVP folder
// (SvpDir + date + " <memo>.ini"). The memo files hold the memo's lines as plain text, UTF-8
// with CR LF; they are written whole or not at all, and read as UTF-8 or else Windows-1254.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The working memos in the order their files are read and written.
constexpr std::array<const char*, 4> kSvpMemoNames = {"mRawSVData", "mRawSVExtracted",
                                                      "mSortedAveragedSV", "mSVPColumn"};

// Larger files are refused: a cast of a day at 24 Hz is a few hundred MiB at most, and the
// whole file goes into a memo.
constexpr std::uintmax_t kMaxSvpFileBytes = 256u * 1024 * 1024;

// `folder` (with its trailing "/") + memo + ".ini".
std::string SvpMemoFilePath(const std::string& folder, std::string_view memo);
// SvpDir + today's date + " " + memo + ".ini".
std::string SvpDatedCopyPath(std::string_view memo);

struct TSvpTextFile {
    bool read = false;
    std::vector<std::string> lines;
    std::string error;  // why it was not read, for the surveyor
};

// Reads a regular file of at most kMaxSvpFileBytes as lines.
TSvpTextFile ReadSvpTextFile(const std::string& path);

// Replaces the file with the lines; false with the reason in `error`.
bool WriteSvpMemoFile(const std::string& path, const std::vector<std::string>& lines,
                      std::string& error);
