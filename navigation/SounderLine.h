#pragma once
// One echo-sounder line as the main window reads it, without windows: the depth alarm level and
// the draft read from their edits, the telegram read with the format and pattern in force, the
// depths reduced, and the depth that decides the record.
//
// A line of no format, or without its format's markers, is ignored once the alarm level and the
// draft are read. A line that gives no depth (a pattern the scanner refuses, the wrong number of
// values, a draft that is not a number, a velocity that gives no reduction) shows "--.-" and
// writes no record. What goes wrong is told once, until it is right again: a refused pattern
// is told again when another pattern is refused. A profile in use that has no velocity for a
// depth costs no sounding: the depth takes the single velocity, told once until the profile
// gives velocities again.
//
// The logged depth is the high-frequency one, except for a format that gives only the
// low-frequency depth ("Orvalt XDR LO"): its soundings are logged, alarmed and placed in the XYZ
// file by that depth.

#include "navigation/DepthReduction.h"
#include "navigation/SettingNumberReader.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TSounderLineInput {
    std::string_view line;
    std::string_view formatName;              // the settings window's cSBESMessage
    std::string_view pattern;                 // its eSBESFormat
    std::string draftText;                    // the offsets window's OffsetA, as it stands
    std::string alarmText;                    // the navigation settings' edDepthAlert1
    double soundVelocity = 0;                 // m/s, the copy of the offsets window's SV
    const TProfileColumn* profile = nullptr;  // the profile column while it is in use
};

enum class TSounderLineOutcome { Ignored, NoDepth, Depth };

struct TSounderLine {
    TSounderLineOutcome outcome = TSounderLineOutcome::Ignored;
    double rawDepthHi = 0;  // m; 0 where the format does not give it or no depth was read
    double rawDepthLo = 0;
    std::optional<double> battery;     // the battery value of "Orvalt QRD"
    double draft = 0;                  // m, the draft the depths were reduced with
    TDepthReduction depths;            // reduced only for a depth
    bool lowFrequencyOnly = false;     // the format gives the low-frequency depth alone
    std::vector<std::string> reports;  // what the surveyor should be told now

    double LoggedRawDepth() const { return lowFrequencyOnly ? rawDepthLo : rawDepthHi; }
    double LoggedTrueDepth() const {
        return lowFrequencyOnly ? depths.trueDepthLo : depths.trueDepthHi;
    }
    // A depth whose logged raw depth is not 0 is recorded.
    bool RecordDue() const {
        return outcome == TSounderLineOutcome::Depth && LoggedRawDepth() != 0;
    }
};

class TSounderLineReader {
public:
    // Reads the line; the alarm level keeps its value when its text is not a number.
    TSounderLine Read(const TSounderLineInput& input, double& alarmLevel);

private:
    bool ReadSettings(const TSounderLineInput& input, double& alarmLevel, TSounderLine& result);
    void Reduce(const TSounderLineInput& input, TSounderLine& result);

    TSettingNumberReader alarm_;
    TSettingNumberReader draft_;
    std::string reportedPattern_;    // the refused pattern last told
    std::string reportedReduction_;  // the reduction failure last told
    bool profileGapTold_ = false;    // a depth took the single velocity in place of the profile
};
