#pragma once
// The remote-control pad's commands: two channels, A and B, each with a value the pad keys
// step, sent as one text line per channel over the GNSS receiver's port.

#include <string>

// The channels' values, process-wide, 1 at program start, changed only by the pad keys.
extern int PadValueA;
extern int PadValueB;

// "<" + letter + "-" or "+" + the absolute value with at least three digits + ">" + LF:
// 'A', 1 gives "<A+001>\n", 'B', -12 gives "<B-012>\n", 'A', 1234 gives "<A+1234>\n".
std::string FormatPadCommand(char letter, int value);

enum class TPadKey {
    Up,         // both values up by one, then both sent
    Bottom,     // both values down by one, then both sent
    Left,       // A sent, then up by one
    Right,      // B sent, then up by one
    LowerLeft,  // A sent, then down by one
    Centre,     // "<A+000>\n<B+000>\n" sent, both values back to 1
};

// Applies the key to the two values and returns the text it sends, both channels in one text.
// A value held at the limit of 32 bits stays there.
std::string PressPadKey(TPadKey key, int& a, int& b);
