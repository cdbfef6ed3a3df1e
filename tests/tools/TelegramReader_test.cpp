#include "tools/TelegramReader.h"

#include "platform/TextFile.h"
#include "tests/support/RecordFields.h"
#include "tests/support/TestEnvironment.h"
#include "tools/TelegramFormats.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using enum TTelegramOutcome;

std::string DefaultPattern(const char* format) {
    return std::string(FindTelegramFormat(format)->defaultPattern);
}

struct TLineCase {
    const char* legend;
    const char* format;
    std::string pattern;
    const char* line;
    TTelegramOutcome outcome;
    double hi;
    double lo;
};

TEST(TelegramReader, FormatsMarkersAndCounts) {
    const std::string qrd = DefaultPattern("Orvalt QRD");
    const std::string dpt = DefaultPattern("NMEA DPT");
    const std::string dbt = DefaultPattern("NMEA DBT");
    const TLineCase cases[] = {
        {"DPT with an empty range field", "NMEA DPT", dpt, "$SDDPT,5.3,0.4,*79", Depth, 5.3, 0},
        {"DPT in two fields", "NMEA DPT", dpt, "$INDPT,2.2,0.0*47", Depth, 2.2, 0},
        {"DBT gives the metres field", "NMEA DBT", dbt, "$SDDBT,36.1,f,11.0,M,6.0,F*3A", Depth,
         11.0, 0},
        {"a DPT line while DBT is chosen", "NMEA DBT", dbt, "$SDDPT,12.5,0.3*7C", NoMarker, 0, 0},
        {"markers are case-sensitive", "NMEA DPT", dpt, "$SDdpt,12.5,0.3*7C", NoMarker, 0, 0},
        {"a format name in lower case", "nmea dpt", dpt, "$SDDPT,12.5,0.3*7C", NoFormat, 0, 0},
        {"QRD with the one-number stored pattern", "Orvalt QRD", "%*8s,%lf", "$ORVTQRD,12.34,12.60",
         WrongCount, 0, 0},
        {"QRD with its own pattern", "Orvalt QRD", qrd, "$ORVTQRD,12.34,12.60", Depth, 12.34, 0},
        {"XDR HI", "Orvalt XDR HI", DefaultPattern("Orvalt XDR HI"), "$ORVXDHI,8.25", Depth, 8.25,
         0},
        {"XDR LO leaves the high depth 0", "Orvalt XDR LO", DefaultPattern("Orvalt XDR LO"),
         "$ORVXDHI,8.25,$ORVXDLO,9.10", Depth, 0, 9.10},
        {"XDR H/L gives both", "Orvalt XDR H/L", DefaultPattern("Orvalt XDR H/L"),
         "$ORVXDHI,8.25,$ORVXDLO,9.10", Depth, 8.25, 9.10},
        {"XDR H/L needs both markers", "Orvalt XDR H/L", DefaultPattern("Orvalt XDR H/L"),
         "$ORVXDHI,8.25", NoMarker, 0, 0},
        {"ODC HI skips 42 characters", "ODC HI", DefaultPattern("ODC HI"),
         "ODC,0001,B,20240506,101112,A,0000000000000,14.72,1500", Depth, 14.72, 0},
        {"OTHER with an empty pattern stores nothing", "OTHER", "", "3.5kHz,4396.03,1", WrongCount,
         0, 0},
        {"OTHER reads a vendor record", "OTHER", "%*6s,%lf", "3.5kHz,4396.03,1,,,,1500", Depth,
         4396.03, 0},
        {"nan is no depth", "NMEA DPT", dpt, "$SDDPT,nan,0.4*00", WrongCount, 0, 0},
        {"an overflowing depth is no depth", "NMEA DPT", dpt, "$SDDPT,1e999,0.4*00", WrongCount, 0,
         0},
        {"an empty depth field", "NMEA DPT", dpt, "$SDDPT,,0.4*00", WrongCount, 0, 0},
    };
    for (const TLineCase& c : cases) {
        SCOPED_TRACE(c.legend);
        const TTelegramReading reading = ReadTelegram(c.format, c.pattern, c.line);
        EXPECT_EQ(reading.outcome, c.outcome);
        EXPECT_DOUBLE_EQ(reading.rawDepthHi, c.hi);
        EXPECT_DOUBLE_EQ(reading.rawDepthLo, c.lo);
    }
    EXPECT_EQ(ReadTelegram("Orvalt QRD", qrd, "$ORVTQRD,12.34,12.60").battery, 12.60);
    EXPECT_FALSE(ReadTelegram("Orvalt QRD", "%*8s,%lf", "$ORVTQRD,12.34,12.60").battery)
        << "a failed scan leaves the battery alone";
}

// Typed "OTHER" patterns that sscanf would let write over memory are refused.
TEST(TelegramReader, HostilePatternsGiveNoDepth) {
    const char* const line = "$SDDPT,5.3,0.4,*79";
    for (const char* pattern : {"%s", "%*6s,%lf%n", "%c%lf", "%[A-Z]%lf", "%1$lf", "%p", "%",
                                "%*6s,%lf,%lf", "%d", "%99999999lf", "%*6s,%Lf"}) {
        SCOPED_TRACE(pattern);
        const TTelegramReading reading = ReadTelegram("OTHER", pattern, line);
        EXPECT_EQ(reading.outcome, PatternRefused);
        EXPECT_EQ(reading.rawDepthHi, 0);
    }
    const std::string longPattern = std::string(100000, 'x') + "%lf";
    EXPECT_EQ(ReadTelegram("OTHER", longPattern, line).outcome, WrongCount)
        << "a long pattern is only a pattern that does not match";
}

// A logger's time stamp before the telegram, as in the research-vessel captures.
std::string_view WithoutTimeStamp(std::string_view line) {
    const auto blank = line.find(' ');
    return blank == std::string_view::npos ? line : line.substr(blank + 1);
}

struct TCaptureCase {
    const char* file;
    const char* format;
    const char* pattern;
    const char* marker;  // lines holding it carry a depth
    std::size_t field;   // the depth's comma-separated field
    int expectedDepths;
};

// Every telegram of a real capture against a plain split of the same line.
TEST(TelegramReader, RealCaptures) {
    const std::string folder = RealDataFolder();
    if (folder.empty()) GTEST_SKIP() << "no real data";
    const TCaptureCase cases[] = {
        {"gpsd__bundg_zeus_9.log", "NMEA DPT", "%*6s,%lf", "DPT", 1, 149},
        {"gpsd__bundg_zeus_9.log", "NMEA DBT", "%*6s,%*lf,%*1s,%lf", "DBT", 3, 148},
        {"gpsd__humminbird-M37.log", "NMEA DPT", "%*6s,%lf", "DPT", 1, 33},
        {"gpsd__sounder.log", "NMEA DBT", "%*6s,%*lf,%*1s,%lf", "DBT", 3, 122},
        {"openrvdas__NBP1406_mbdp-2014-08-01.log", "NMEA DPT", "%*6s,%lf", "DPT", 1, 5000},
        {"openrvdas__NBP1406_knud-2014-08-01.log", "OTHER", "%*6s,%lf", "kHz", 1, 5000},
    };
    for (const TCaptureCase& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " as " + c.format);
        std::string bytes;
        ASSERT_TRUE(ReadFileBytes(folder + "echosounder/" + c.file, bytes));
        int depths = 0;
        for (const std::string& raw : SplitLines(bytes)) {
            if (raw.empty() || raw[0] == '#') continue;
            const std::string_view line =
                raw[0] == '$' ? std::string_view(raw) : WithoutTimeStamp(raw);
            const TTelegramReading reading = ReadTelegram(c.format, c.pattern, line);
            if (line.find(c.marker) == std::string_view::npos) {
                EXPECT_NE(reading.outcome, Depth) << line;
                continue;
            }
            ASSERT_EQ(reading.outcome, Depth) << line;
            EXPECT_DOUBLE_EQ(reading.rawDepthHi, std::stod(CommaFields(line)[c.field])) << line;
            ++depths;
        }
        EXPECT_EQ(depths, c.expectedDepths);
    }
}

}  // namespace
