#pragma once
// What the sound-velocity window tells the surveyor, in the language of its messages. The
// graph button's and the header detection's failures have an English form only.

#include "tools/MessageLanguage.h"

#include <cstddef>
#include <string>
#include <string_view>

std::string SpeedOutOfRangeMessage(double speed, std::size_t line, TMessageLanguage language);
std::string PatternRefusedMessage(std::string_view pattern, TMessageLanguage language);
std::string SurfaceVelocityMissingMessage(TMessageLanguage language);
std::string ColumnOutOfRangeMessage(long long depth, TMessageLanguage language);
std::string EmptyColumnMessage(TMessageLanguage language);
// The offsets window's "bSVP" caption with the profile in use, and without.
std::string ProfileUsedCaption(TMessageLanguage language);
std::string SingleVelocityCaption(TMessageLanguage language);

inline constexpr const char* kNoDataToGraph = "No data to graph. Please process SVP data first.";
inline constexpr const char* kGraphDataUpdated = "Data updated. Please regenerate SVP Column.";
inline constexpr const char* kNoCastLoaded = "No data loaded. Please load a file first.";
inline constexpr const char* kNoHeaderFound =
    "Could not find header line with SV and Pressure/Depth columns.\n"
    "Please set search string manually.";
