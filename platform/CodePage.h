#pragma once
// Text files are written in UTF-8. Older files may be in the Windows Turkish code page (1254):
// a reader takes valid UTF-8 as it is and decodes anything else as Windows-1254. Formats that
// other programs read as 8-bit text (DXF of release 12) are written in Windows-1254.

#include <string>
#include <string_view>

bool IsValidUtf8(std::string_view bytes);
std::string Cp1254ToUtf8(std::string_view bytes);
// Writes "?" for a character that Windows-1254 lacks, and for each byte that is not UTF-8.
std::string Utf8ToCp1254(std::string_view utf8);
// Returns the bytes as UTF-8: unchanged when they are valid UTF-8, else decoded from 1254.
std::string SystemTextToUtf8(std::string_view bytes);
