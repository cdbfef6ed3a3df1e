#pragma once
// What the navigation settings window keeps in the settings file (section NAVIGATION_SETTINGS)
// and the rules its edits follow when they are cleared or applied.
//
// The widths, the track distance and the alarm depth stay texts: the map timer and the sounder
// handler read them from the window's edits as typed. The defaults below are those of a missing
// key; the colours are the window's own initial ones (navy vessel, white background, green and
// yellow tracks), as black for all four paints a new user's map black with its labels unseen.
// The map timer's interval is not stored.

#include "canvas/Color.h"

#include <QString>
#include <optional>
#include <string>

class TIniFile;

struct TNavigationSettings {
    std::string vesselWidth = "3";
    std::string trackWidth = "3";
    std::string trackDistance = "20";  // m
    TColor vesselColor = kNavy;
    TColor trackFixColor = kGreen;     // layer "track_fix"
    TColor trackFloatColor = kYellow;  // layer "track_float"
    TColor backgroundColor = kWhite;
    bool trackAsLines = true;
    std::string depthAlert = "1";  // m
};

TNavigationSettings ReadNavigationSettings(const TIniFile& ini);
// Writes the keys in the order of the struct, colours as decimal integers, in one rewrite of the
// settings file; returns whether it was written.
bool WriteNavigationSettings(TIniFile& ini, const TNavigationSettings& settings);

// The texts that cleared edits take back.
inline const QString kClearedWidthText = "2";
inline const QString kClearedTrackDistanceText = "1";
inline const QString kClearedDepthAlertText = "0";

// The longest map update rate the window offers, in ms.
inline constexpr int kLongestMapIntervalMs = 5000;

// The map timer's interval for the update-rate text: 500 ms when the text is empty, otherwise
// the whole number but at least 50 ms. Nothing when the text is not a whole number or asks for
// more than kLongestMapIntervalMs.
std::optional<int> MapTimerIntervalMs(const QString& text);
