#pragma once
// The sound-velocity window's choices in the settings file (section "SVP"), stored when the
// window closes: the scan pattern and the maximum depth as typed, the order of the two numbers,
// and whether depths are reduced with the profile.

#include <string>

class TIniFile;

struct TSvpSettings {
    std::string searchString = "%*23s %lf,%lf";
    std::string maxDepth = "200";  // m
    bool svFirst = true;
    bool depthFirst = false;
    bool useProfile = false;
};

// A missing key gives the window's design value, the member's default.
TSvpSettings ReadSvpSettings(const TIniFile& ini);
// One rewrite of the settings file; returns whether it was written.
bool WriteSvpSettings(TIniFile& ini, const TSvpSettings& settings);
