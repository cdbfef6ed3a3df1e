#pragma once
// The texts of TEXT and MTEXT entities. MTEXT carries formatting codes inside its text, each a
// backslash and a letter: "\P" breaks the line, "\L" and "\O" switch underlining and overlining
// on ("\l", "\o" off), "\K" ("\k") strike-through; the others take an argument that runs to
// the next ";" or blank ("\H2.5x;", "\fArial|b1;"). The canvas draws a text on one line.

#include <QString>
#include <string>
#include <string_view>

// Copies the text without its formatting codes: "\P" becomes one blank, "\L", "\l", "\O",
// "\o", "\K" and "\k" go, as does each of "\A", "\C", "\F", "\H", "\Q", "\S", "\T", "\W", "\f"
// and "\p" with everything up to and including the next ";" or blank. A doubled backslash
// gives one; any other character, a backslash before anything else included, is copied.
std::string StripMTextCodes(std::string_view text);

// The text a TEXT or MTEXT value shows: without its codes, valid UTF-8 taken as it is and
// anything else read as Windows-1254. Empty when nothing but codes was there.
QString DxfTextToQString(std::string_view value);

// A name (of a block or a layer) as the canvas keeps it: valid UTF-8 as it is, anything else
// read as Windows-1254.
QString DxfNameToQString(std::string_view name);
