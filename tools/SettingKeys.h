#pragma once
// The settings window's keys in the settings file, one table per group of tabs, in the order
// the window reads them at its creation and the save-and-lock action writes them. Key names
// compare without surrounding blanks, so the blank-padded names of older files read the same.

#include <array>

enum class TSettingKind {
    Text,     // the control's text
    Bool,     // a check box, written "1" or "0" and read as an integer
    Color,    // a colour box, written as the decimal TColor
    Integer,  // an edit, written as the whole number of its text (the fallback when none)
};

struct TSettingKey {
    const char* section;
    const char* key;
    const char* control;  // the object name of the settings window's control
    TSettingKind kind;
    const char* fallback;  // when the key is missing; nullptr: what the control holds then
};

// The GNSS port, the echo-sounder port and its telegram format, then the gyro switch.
extern const std::array<TSettingKey, 26> kCommunicationKeys;
// Section "GEODETIC_PARAMETERS": datum, TM and LCC parameters and the two projection choices.
extern const std::array<TSettingKey, 26> kGeodeticKeys;
// The display options: grid, depth labels, event labels, the big numbers' overlay, and last the
// screenshot interval in seconds.
extern const std::array<TSettingKey, 16> kDisplayKeys;
