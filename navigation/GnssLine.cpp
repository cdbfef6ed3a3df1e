#include "navigation/GnssLine.h"

#include "devices/OrvaltSerialGPS.h"
#include "navigation/ControlColor.h"
#include "navigation/NavigationState.h"
#include "platform/ScanPattern.h"

namespace {

constexpr int kRtkFixed = 4;
constexpr double kFullCircleDeg = 360;
constexpr double kFastestKnots = 100;
constexpr double kLowestHeightM = -1000;  // altitude and geoid separation
constexpr double kHighestHeightM = 10000;

bool Contains(std::string_view line, std::string_view type) {
    return line.find(type) != std::string_view::npos;
}

// $INRMC,000000.16,A,2200.110899,S,01756.359432,W,9.1,215.11,010814,24.7,W,A*3B: field 7 is the
// speed in knots. Empty fields before it stop the scan, and a status-V sentence reads 0.
double RmcSpeed(std::string_view line) {
    double knots = 0;
    ScanText(line, "%*6s,%*lf,%*1s,%*lf,%*1s,%*lf,%*1s,%lf", {&knots});
    return knots;
}

// $GPVTG,220.6,T,,M,009.7,N,018.0,K: field 5 is the speed in knots. It is taken by its place:
// receivers leave the magnetic course empty, and the Saab R4 drops its "M" as well.
double VtgSpeed(std::string_view line) {
    double knots = 0;
    const std::vector<std::string_view> fields = TOrvaltSerialGPS::SplitFields(line, ',');
    if (fields.size() > 5) ScanText(fields[5], "%lf", {&knots});
    return knots;
}

}  // namespace

bool TGnssLineReader::InRange(double value, double low, double high) {
    if (value >= low && value <= high) return true;
    ++skippedValues_;
    return false;
}

// $INHDT,218.26,T*1A: the first seven non-blank characters are skipped.
void TGnssLineReader::ReadHeading(std::string_view line, TGnssLineState& state) {
    double heading = 0;
    if (ScanText(line, "%*7s %lf", {&heading}) == 1 && InRange(heading, 0, kFullCircleDeg)) {
        state.gyroHeading = heading;
    }
}

// A negative speed is no reading and changes nothing; one too fast is skipped and counted.
void TGnssLineReader::ReadSpeed(double knots, TGnssLineState& state) {
    if (knots >= 0 && InRange(knots, 0, kFastestKnots)) state.speedKnots = knots;
}

// $GNGGA,133859.80,4134.50180205,N,09345.03586649,W,4,19,0.7,280.827,M,-31.442,M,5.8,0002*6D:
// time, fix quality, altitude and geoid separation. A GGA without time or position is empty;
// an RTK-fixed one with an altitude gives the antenna height above the geoid.
void TGnssLineReader::ReadGga(std::string_view line, TGnssLineState& state) {
    double time = 0, altitude = 0, separation = 0;
    int quality = 0;
    const int read = ScanText(line, "%*6s,%lf,%*lf,%*1s,%*lf,%*1s,%d,%*d,%*lf,%lf,%*1s,%lf",
                              {&time, &quality, &altitude, &separation});
    state.emptyGGA = read < 2 || time == 0;
    if (quality != kRtkFixed || read < 3) return;
    if (!InRange(altitude, kLowestHeightM, kHighestHeightM)) return;
    if (read >= 4 && !InRange(separation, kLowestHeightM, kHighestHeightM)) return;
    state.rtkAntennaHeight = altitude + (read >= 4 ? separation : 0);
    state.rtkTide = state.rtkAntennaHeight - state.rtkPoleHeight;
}

TColor GpsBoxColor(int fixQuality) {
    switch (fixQuality) {
        case kRtkFixed:
            return kLime;
        case 0:
        case 1:
            return kRed;
        case 2:
            return kAqua;
        default:
            return kYellow;
    }
}

TGnssLineChanges TGnssLineReader::Read(const TGnssLineInput& input, TGnssLineState& state) {
    TGnssLineChanges changes;
    const std::string_view line = input.line;
    if (Contains(line, "HDT")) ReadHeading(line, state);
    if (Contains(line, "RMC")) ReadSpeed(RmcSpeed(line), state);
    if (Contains(line, "VTG")) ReadSpeed(VtgSpeed(line), state);
    if (!input.offsetsShown) changes.offsetsReport = CopyOffsets(input.offsets, state);
    if (Contains(line, "GGA")) ReadGga(line, state);
    if (input.fixQuality != state.shownFixQuality) {
        changes.gpsBoxColor = GpsBoxColor(input.fixQuality);
        state.shownFixQuality = input.fixQuality;
    }
    return changes;
}

// A text that is not a number keeps its copy's value and is reported the first time it is seen,
// so the line goes on and the surveyor hears of it once.
std::string TGnssLineReader::CopyOffsets(const TOffsetTexts& texts, TGnssLineState& state) {
    offsets_.Read("A", texts.draft, state.transducerDraft);
    offsets_.Read("SV", texts.soundVelocity, state.soundVelocity);
    offsets_.Read("C", texts.poleHeight, state.rtkPoleHeight);
    offsets_.Read("Tide Ht", texts.tide, state.manualTide);
    return offsets_.TakeReport("Offsets", "; the previous value is kept",
                               "; the previous values are kept");
}

TGnssLineState GnssLineStateOfNavigation() {
    return {GyroHeading, SpeedKnots,       TransducerDraft, SoundVelocity, RtkPoleHeight,
            ManualTide,  RtkAntennaHeight, RtkTide,         EmptyGGA,      ShownFixQuality};
}

void StoreGnssLineState(const TGnssLineState& state) {
    GyroHeading = state.gyroHeading;
    SpeedKnots = state.speedKnots;
    TransducerDraft = state.transducerDraft;
    SoundVelocity = state.soundVelocity;
    RtkPoleHeight = state.rtkPoleHeight;
    ManualTide = state.manualTide;
    RtkAntennaHeight = state.rtkAntennaHeight;
    RtkTide = state.rtkTide;
    EmptyGGA = state.emptyGGA;
    ShownFixQuality = state.shownFixQuality;
}
