#pragma once
// The run-line generator's choices in the settings file (section RUNLINE), stored only by its
// "Generate" button: the spacing and length texts as typed, and the line type.

#include <string>

class TIniFile;

struct TRunlineSettings {
    std::string spacing = "10";  // m
    std::string length = "100";  // m
    bool perpendicular = true;   // else parallel
};

TRunlineSettings ReadRunlineSettings(const TIniFile& ini);
// One rewrite of the settings file; returns whether it was written.
bool WriteRunlineSettings(TIniFile& ini, const TRunlineSettings& settings);
