#pragma once
// What one GNSS line tells the main window beyond what the serial component decodes itself:
// the gyro heading from HDT, the speed in knots from RMC and VTG, the offsets window's values
// while that window is hidden, and from GGA the empty-position flag and, for an RTK-fixed
// solution, the antenna height and the tide. It also says when the GPS box changes colour.
//
// A sentence is recognised by its three letters anywhere in the line, case-sensitive, so the
// talker does not matter and one line can run several steps. The component decodes the line
// only after this, so the fix quality given here is still that of the previous GGA.
//
// The checksum is not checked, so a damaged line can carry any digits: a heading outside 0 to
// 360 degrees, a speed above 100 knots, and an altitude or geoid separation outside -1000 to
// 10000 m are values no vessel reports; they are skipped and counted, and the old values stay.

#include "canvas/Color.h"
#include "navigation/SettingNumberReader.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The texts of the offsets window's edits OffsetA, SV, OffsetC and TideHt.
struct TOffsetTexts {
    std::string draft, soundVelocity, poleHeight, tide;
};

struct TGnssLineInput {
    std::string_view line;
    bool offsetsShown = false;  // while the offsets window is shown its values are not copied
    TOffsetTexts offsets;
    int fixQuality = 0;  // the serial component's current fix quality
};

// The navigation state the line handler reads and writes (NavigationState.h): degrees, knots,
// metres and m/s.
struct TGnssLineState {
    double gyroHeading = 0;
    double speedKnots = 0;
    double transducerDraft = 0;
    double soundVelocity = 0;
    double rtkPoleHeight = 0;
    double manualTide = 0;
    double rtkAntennaHeight = 0;
    double rtkTide = 0;
    bool emptyGGA = false;
    int shownFixQuality = 0;
};

struct TGnssLineChanges {
    std::optional<TColor> gpsBoxColor;  // the GPS box's new colour, when the fix quality changed
    std::string offsetsReport;  // offsets texts newly found not to be numbers; empty for none
};

// The GPS box colour of a fix quality: lime for RTK fixed, red without a fix or for a plain
// GPS fix, aqua for DGPS, yellow for the rest.
TColor GpsBoxColor(int fixQuality);

// Reads the lines of one receiver. It remembers which offsets texts it has reported, so that a
// text that is not a number is reported once, not on every line.
class TGnssLineReader {
public:
    TGnssLineChanges Read(const TGnssLineInput& input, TGnssLineState& state);
    // The copies of the offsets texts that convert; the report of those newly found not to.
    // The start and the sounder's lines take their copies here too, so a text is told once.
    std::string CopyOffsets(const TOffsetTexts& texts, TGnssLineState& state);
    // Headings, speeds, altitudes and geoid separations skipped as out of range.
    std::uint64_t SkippedValues() const { return skippedValues_; }

private:
    void ReadHeading(std::string_view line, TGnssLineState& state);
    void ReadSpeed(double knots, TGnssLineState& state);
    void ReadGga(std::string_view line, TGnssLineState& state);
    // True when low <= value <= high; counts the value as skipped otherwise.
    bool InRange(double value, double low, double high);

    TSettingNumberReader offsets_;
    std::uint64_t skippedValues_ = 0;
};

// The navigation state's values of TGnssLineState, and back.
TGnssLineState GnssLineStateOfNavigation();
void StoreGnssLineState(const TGnssLineState& state);
