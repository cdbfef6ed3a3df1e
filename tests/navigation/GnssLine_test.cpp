// The main window's reading of GNSS lines: real sentences of the receivers in the real-data
// folder, the edge cases of the sentences it reads, the offsets copies and the GPS box colour.

#include "navigation/GnssLine.h"

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

namespace {

constexpr double kOldSpeed = 3.0;
constexpr double kPoleHeight = 2.0;

struct TLineCase {
    const char* legend;
    const char* line;
    std::optional<double> heading = {}, speedKnots = {}, antennaHeight = {}, tide = {};
    std::optional<bool> emptyGGA = {};
};

// A state whose values each step visibly changes or keeps.
TGnssLineState StartState() {
    TGnssLineState state;
    state.gyroHeading = 1;
    state.speedKnots = kOldSpeed;
    state.rtkPoleHeight = kPoleHeight;
    state.rtkAntennaHeight = -1;
    state.rtkTide = -1;
    state.emptyGGA = false;
    return state;
}

void Expect(const TLineCase& c, const TGnssLineState& state) {
    SCOPED_TRACE(c.line);
    EXPECT_DOUBLE_EQ(state.gyroHeading, c.heading.value_or(1));
    EXPECT_DOUBLE_EQ(state.speedKnots, c.speedKnots.value_or(kOldSpeed));
    EXPECT_DOUBLE_EQ(state.rtkAntennaHeight, c.antennaHeight.value_or(-1));
    EXPECT_DOUBLE_EQ(state.rtkTide, c.tide.value_or(-1));
    EXPECT_EQ(state.emptyGGA, c.emptyGGA.value_or(false));
}

TGnssLineState ReadOne(const std::string& line) {
    TGnssLineReader reader;
    TGnssLineState state = StartState();
    reader.Read({line, true, {}, 0}, state);
    return state;
}

// The first line of a real log that contains `text`.
std::string FirstLineWith(const std::string& file, const std::string& text) {
    std::istringstream log(ReadFileBytes(RealDataFolder() + "nmea/" + file));
    for (std::string line; std::getline(log, line);) {
        if (line.find(text) == std::string::npos || line.find('$') == std::string::npos) continue;
        line = line.substr(line.find('$'));
        while (!line.empty() && line.back() == '\r') line.pop_back();
        return line;
    }
    return {};
}

TEST(GnssLine, RealSentences) {
    if (RealDataFolder().empty()) GTEST_SKIP() << "no real data folder";
    const struct {
        const char* file;
        const char* find;
        TLineCase expected;
    } cases[] = {
        {"openrvdas__NBP1406_s330-2014-08-01.log", "INHDT", {"Seapath HDT", "", 218.26}},
        {"openrvdas__NBP1406_s330-2014-08-01.log", "INRMC", {"Seapath RMC", "", {}, 9.1}},
        {"openrvdas__NBP1406_s330-2014-08-01.log", "INVTG", {"Seapath VTG", "", {}, 9.1}},
        {"openrvdas__NBP1406_s330-2014-08-01.log",
         "INGGA",
         {"Seapath GGA, quality 1", "", {}, {}, {}, {}, false}},
        {"openrvdas__NBP1406_gp02-2014-08-01.log",
         "GPVTG",
         {"Garmin VTG without a magnetic course", "", {}, 9.7}},
        {"gpsd__saab-r4.log",
         "GPVTG",
         {"Saab VTG without the magnetic course and its M", "", {}, 0.5}},
        {"gpsd__hemi.log",
         "GPGGA",
         {"Hemisphere GGA with every field empty", "", {}, {}, {}, {}, true}},
        {"gpsd__nmea-rtk.log",
         ",4,19,",
         {"Trimble RTK-fixed GGA: altitude plus separation",
          "",
          {},
          {},
          280.827 - 31.442,
          280.827 - 31.442 - kPoleHeight,
          false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected.legend);
        const std::string line = FirstLineWith(c.file, c.find);
        ASSERT_FALSE(line.empty()) << c.file << " has no line with " << c.find;
        Expect(c.expected, ReadOne(line));
    }
}

TEST(GnssLine, SentenceEdgeCases) {
    const TLineCase cases[] = {
        {"RMC with status V and an empty position reads speed 0",
         "$GPRMC,1,V,,,,,,,010824,,",
         {},
         0.0},
        {"VTG speed is taken by its place", "$GPVTG,220.6,T,,M,009.7,N,018.0,K", {}, 9.7},
        {"VTG with an empty knots field reads 0", "$GPVTG,220.6,T,,M,,N,018.0,K", {}, 0.0},
        {"VTG with unreadable knots reads 0", "$GPVTG,220.6,T,,M,x,N,018.0,K", {}, 0.0},
        {"negative knots keep the speed", "$GPVTG,220.6,T,,M,-10.2,N,-18.9,K"},
        {"RTK fix: antenna height and tide",
         "$GPGGA,120000,4807.0,N,01131.0,E,4,12,0.9,12.5,M,30.0,M,,",
         {},
         {},
         42.5,
         40.5,
         false},
        {"RTK fix without separation counts it 0",
         "$GPGGA,120000,4807.0,N,01131.0,E,4,12,0.9,12.5,M,,M,,",
         {},
         {},
         12.5,
         10.5,
         false},
        {"RTK fix without altitude keeps both",
         "$GPGGA,120000,4807.0,N,01131.0,E,4,12,0.9,,M,30.0,M,,",
         {},
         {},
         {},
         {},
         false},
        {"float solution keeps both",
         "$GPGGA,120000,4807.0,N,01131.0,E,5,12,0.9,12.5,M,30.0,M,,",
         {},
         {},
         {},
         {},
         false},
        {"empty time: no valid position",
         "$GPGGA,,4807.0,N,01131.0,E,1,12,0.9,12.5,M,30.0,M,,",
         {},
         {},
         {},
         {},
         true},
        {"time 0 counts as none",
         "$GPGGA,000000.00,4807.0,N,01131.0,E,1,12,0.9,12.5,M,,M,,",
         {},
         {},
         {},
         {},
         true},
        {"a line with GGA and HDT runs both", "$GPHDT,45.5,T,GGA", 45.5, {}, {}, {}, true},
        {"unknown sentences change nothing", "$GPZDA,000000.17,01,08,2014,,*7E"},
        {"an infinite heading is no heading", "$GPHDT,inf,T"},
    };
    for (const TLineCase& c : cases) {
        SCOPED_TRACE(c.legend);
        Expect(c, ReadOne(c.line));
    }
}

// The checksum is not checked, so a damaged line can carry any digits. The fault this pins: an
// RTK-fixed GGA with altitude and separation 1e308 made the antenna height and the tide INF in
// every record after it.
TEST(GnssLine, ValuesNoVesselReportsAreSkippedAndCounted) {
    const struct {
        TLineCase expected;
        int skipped;
    } cases[] = {
        {{"heading above a full circle", "$GPHDT,360.5,T"}, 1},
        {{"negative heading", "$GPHDT,-0.5,T"}, 1},
        {{"a full circle is a heading", "$GPHDT,360,T", 360.0}, 0},
        {{"speed above 100 kn", "$GPVTG,220.6,T,,M,100.1,N,185.4,K"}, 1},
        {{"100 kn is a speed", "$GPRMC,1,A,4807.0,N,01131.0,E,100,84.4,010824,,", {}, 100.0}, 0},
        {{"overflowing altitude and separation",
          "$GNGGA,1,2,N,3,E,4,5,6,1e308,M,1e308",
          {},
          {},
          {},
          {},
          false},
         1},
        {{"separation below -1000 m",
          "$GPGGA,120000,4807.0,N,01131.0,E,4,12,0.9,12.5,M,-1000.5,M,,",
          {},
          {},
          {},
          {},
          false},
         1},
        {{"altitude of 10000 m is one",
          "$GPGGA,120000,4807.0,N,01131.0,E,4,12,0.9,10000,M,0,M,,",
          {},
          {},
          10000.0,
          10000.0 - kPoleHeight,
          false},
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected.legend);
        TGnssLineReader reader;
        TGnssLineState state = StartState();
        reader.Read({c.expected.line, true, {}, 0}, state);
        Expect(c.expected, state);
        EXPECT_EQ(reader.SkippedValues(), static_cast<std::uint64_t>(c.skipped));
    }
}

TEST(GnssLine, OffsetsAreCopiedOnlyWhileTheWindowIsHidden) {
    TGnssLineReader reader;
    TGnssLineState state;
    const TOffsetTexts texts{"1.25", "1510", "2.5", "-0.4"};
    reader.Read({"$GPHDT,1,T", false, texts, 0}, state);
    EXPECT_DOUBLE_EQ(state.transducerDraft, 1.25);
    EXPECT_DOUBLE_EQ(state.soundVelocity, 1510);
    EXPECT_DOUBLE_EQ(state.rtkPoleHeight, 2.5);
    EXPECT_DOUBLE_EQ(state.manualTide, -0.4);
    reader.Read({"$GPHDT,1,T", true, {"9", "9", "9", "9"}, 0}, state);
    EXPECT_DOUBLE_EQ(state.transducerDraft, 1.25) << "edits in the open window wait";
    reader.Read({"$GPGGA,120000,4807.0,N,01131.0,E,4,12,0.9,12.5,M,,M,,",
                 false,
                 {"1.25", "1510", "3.5", "-0.4"},
                 0},
                state);
    EXPECT_DOUBLE_EQ(state.rtkTide, 9.0) << "the tide uses the pole height of the same line";
}

TEST(GnssLine, UnreadableOffsetsAreKeptAndReportedOnce) {
    TGnssLineReader reader;
    TGnssLineState state;
    state.transducerDraft = 1.5;
    const char* gga = "$GPGGA,120000,4807.0,N,01131.0,E,1,12,0.9,12.5,M,,M,,";
    TGnssLineChanges changes = reader.Read({gga, false, {"", "", "", ""}, 0}, state);
    EXPECT_EQ(changes.offsetsReport,
              "Offsets: A '', SV '', C '', Tide Ht '' are not numbers; the previous values are "
              "kept");
    EXPECT_DOUBLE_EQ(state.transducerDraft, 1.5);
    EXPECT_FALSE(state.emptyGGA) << "the line goes on after the offsets";
    changes = reader.Read({gga, false, {"", "", "", ""}, 0}, state);
    EXPECT_EQ(changes.offsetsReport, "") << "the same texts are not reported again";
    changes = reader.Read({gga, false, {"1,5", "1500", "2", "0"}, 0}, state);
    EXPECT_EQ(changes.offsetsReport,
              "Offsets: A '1,5' is not a number; the previous value is kept");
    EXPECT_DOUBLE_EQ(state.soundVelocity, 1500);
    reader.Read({gga, false, {"1.7", "1500", "2", "0"}, 0}, state);
    EXPECT_DOUBLE_EQ(state.transducerDraft, 1.7);
    changes = reader.Read({gga, false, {"1,5", "1500", "2", "0"}, 0}, state);
    EXPECT_NE(changes.offsetsReport, "") << "a text that comes back after a good one is new";
}

TEST(GnssLine, GpsBoxChangesColourOnlyWithTheFixQuality) {
    const struct {
        int quality;
        TColor color;
    } colors[] = {{0, 0x0000FF}, {1, 0x0000FF}, {2, 0xFFFF00}, {3, 0x00FFFF},
                  {4, 0x00FF00}, {5, 0x00FFFF}, {6, 0x00FFFF}, {9, 0x00FFFF}};
    for (const auto& c : colors) EXPECT_EQ(GpsBoxColor(c.quality), c.color) << c.quality;

    TGnssLineReader reader;
    TGnssLineState state;
    EXPECT_FALSE(reader.Read({"$GPHDT,1,T", true, {}, 0}, state).gpsBoxColor);
    EXPECT_EQ(reader.Read({"$GPHDT,1,T", true, {}, 4}, state).gpsBoxColor, 0x00FF00);
    EXPECT_EQ(state.shownFixQuality, 4);
    EXPECT_FALSE(reader.Read({"$GPHDT,1,T", true, {}, 4}, state).gpsBoxColor);
}

}  // namespace
