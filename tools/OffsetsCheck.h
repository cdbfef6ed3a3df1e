#pragma once
// The check of the offsets window's entries before real time starts, and its messages.
//
// The check runs to the first failure, in this order: the five numbers must begin with a number
// (as the C scanner reads "%lf"), the three names must not be empty, the five numbers must
// convert whole, the offsets must close (|C + A - B| <= 0.025 m) and the sound velocity must lie
// within 1300 to 1700 m/s. Non-finite texts ("nan", "inf") are no numbers.

#include "tools/MessageLanguage.h"
#include "tools/OffsetsEntries.h"

#include <string>

struct TOffsetsCheck {
    bool passed = true;
    TOffsetsField field = TOffsetsField::OffsetA;  // the edit to put the focus on after a failure
    std::string message;                           // what to tell the surveyor after a failure
};

TOffsetsCheck CheckOffsetsEntries(const TOffsetsEntries& entries, TMessageLanguage language);

// Shown, without stopping, when the clock text holds a colon.
std::string TimeFormatMessage(TMessageLanguage language);
// Shown when a file of the start sequence could not be written.
std::string FileNotWrittenMessage(const std::string& path, TMessageLanguage language);
