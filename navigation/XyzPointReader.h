#pragma once
// Plain XYZ point files for the map import: one point a line, "x y z" or "n x y z" with blanks,
// tabs or commas between, as survey programs and our own " Simple XYZ.csv" write them.
//
// A line is read in pieces of at most 1023 characters, each piece treated as a line, and a
// piece is skipped when it is shorter than 3 characters with its line break (CR LF counting
// as one), begins with "#" or "/", or begins with anything but a digit, "+" or "-" (so a header
// line goes). Three numbers are x, y, z; four are a point number, x, y, z; any other count is
// no point. "nan", "inf" and numbers beyond a double are not numbers, so such a line holds
// fewer and is skipped; so is a point at (0, 0), which no survey gives.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TXyzPoint {
    double x = 0, y = 0, z = 0;  // grid metres; z as the file gives it
};

// The point of one piece, with its line break when it has one.
std::optional<TXyzPoint> ReadXyzLine(std::string_view piece);

// Every point of the file in order; false when the file cannot be opened or read.
bool ReadXyzPoints(const std::string& path, std::vector<TXyzPoint>& points);
