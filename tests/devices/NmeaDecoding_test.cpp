#include "devices/OrvaltSerialGPS.h"

#include "platform/Clock.h"

#include "tests/devices/SerialGPSRecorder.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kGGA = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
constexpr double kLat = 48 + 7.038 / 60;
constexpr double kLon = 11 + 31.0 / 60;

struct TDecodeCase {
    const char* legend;
    std::vector<std::string> lines;  // decoded in turn by one fresh component
    double lat, lon, alt;
    int fixQuality, satellites;
    double speed, course;
    std::size_t positionEvents, speedEvents;
};

TEST(NmeaDecoding, SentenceTable) {
    const TDecodeCase cases[] = {
        {"GGA", {kGGA}, kLat, kLon, 545.4, 1, 8, 0, 0, 1, 0},
        {"the same GGA again raises nothing", {kGGA, kGGA}, kLat, kLon, 545.4, 1, 8, 0, 0, 1, 0},
        {"wrong checksum is not checked",
         {"$GPGGA,1,4807.038,N,01131.000,E,1,08,0.9,545.4,M,,M,,*00"},
         kLat,
         kLon,
         545.4,
         1,
         8,
         0,
         0,
         1,
         0},
        {"no checksum: the line is used whole",
         {"$GPGGA,1,4807.038,N,01131.000,E,1,08,0.9,545.4"},
         kLat,
         kLon,
         545.4,
         1,
         8,
         0,
         0,
         1,
         0},
        {"GN, GL and GA talkers decode like GP",
         {"$GNGGA,1,4807.038,N,01131.000,E,4,12,0.9,1.5,M,,M,,*00",
          "$GLRMC,1,A,,,,,5.5,12.5,010824,,,A", "$GAVTG,54.7,T,,M,,N,,K"},
         kLat,
         kLon,
         1.5,
         4,
         12,
         5.5 * 1.852,
         54.7,
         1,
         1},
        {"lost fix after a fix moves the position to 0, 0",
         {kGGA, "$GPGGA,123520,,,,,0,,,,M,,M,,*66"},
         0,
         0,
         545.4,
         0,
         8,
         0,
         0,
         2,
         0},
        {"lost fix right after opening raises nothing",
         {"$GPGGA,,,,,,0,,,,M,,M,,*66"},
         0,
         0,
         0,
         0,
         0,
         0,
         0,
         0,
         0},
        {"empty altitude keeps the previous one",
         {kGGA, "$GPGGA,123520,4807.038,S,01131.000,W,2,09,0.9,,M,,M,,"},
         -kLat,
         -kLon,
         545.4,
         2,
         9,
         0,
         0,
         2,
         0},
        {"GGA with nine fields is ignored",
         {"$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9"},
         0,
         0,
         0,
         0,
         0,
         0,
         0,
         0,
         0},
        {"unreadable numbers give 0",
         {"$GPGGA,1,4807.038,N,01131.000,E,x,y,0.9,z,M,,M,,"},
         kLat,
         kLon,
         0,
         0,
         0,
         0,
         0,
         1,
         0},
        {"speed 0 right after opening raises nothing",
         {"$GPRMC,1,A,,,,,0.0,", "$GPVTG,,T,,M,,N,0,K"},
         0,
         0,
         0,
         0,
         0,
         0,
         0,
         0,
         0},
        {"RMC knots to km/h, then VTG km/h",
         {"$GPRMC,123519,A,4807.038,N,01131.000,E,5.5,084.4,230394,003.1,W*6A",
          "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48"},
         0,
         0,
         0,
         0,
         0,
         10.2,
         54.7,
         0,
         2},
        {"RMC course without an event",
         {"$GPRMC,1,A,,,,,,084.4,230394"},
         0,
         0,
         0,
         0,
         0,
         0,
         84.4,
         0,
         0},
        {"RMC with eight fields leaves the course",
         {"$GPVTG,054.7,T,,M,,N,,K", "$GPRMC,1,V,,,,,2.0"},
         0,
         0,
         0,
         0,
         0,
         2 * 1.852,
         54.7,
         0,
         1},
        {"RMC with seven fields is ignored", {"$GPRMC,1,A,,,,2.0"}, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {"VTG with seven fields is ignored",
         {"$GPVTG,054.7,T,,M,,10.0"},
         0,
         0,
         0,
         0,
         0,
         0,
         0,
         0,
         0},
        {"other types and short lines change nothing",
         {"$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39", "$GPZDA,201530.00,04,07,2002,00,00",
          "$GPGG", "$GPGGA*,4807.038,N,01131.000,E,1,08,0.9,545.4,M"},
         0,
         0,
         0,
         0,
         0,
         0,
         0,
         0,
         0},
    };
    for (const TDecodeCase& c : cases) {
        SCOPED_TRACE(c.legend);
        TOrvaltSerialGPS gps;
        TSerialGPSRecorder events(gps);
        for (const std::string& line : c.lines) gps.ParseSentence(line);
        EXPECT_DOUBLE_EQ(gps.GetLatitude(), c.lat);
        EXPECT_DOUBLE_EQ(gps.GetLongitude(), c.lon);
        EXPECT_DOUBLE_EQ(gps.GetAltitude(), c.alt);
        EXPECT_EQ(gps.GetFixQuality(), c.fixQuality);
        EXPECT_EQ(gps.GetSatellites(), c.satellites);
        EXPECT_DOUBLE_EQ(gps.GetSpeed(), c.speed);
        EXPECT_DOUBLE_EQ(gps.GetCourse(), c.course);
        EXPECT_EQ(events.Positions.size(), c.positionEvents);
        EXPECT_EQ(events.Speeds.size(), c.speedEvents);
    }
}

TEST(NmeaDecoding, EventsCarryTheStoredValues) {
    TOrvaltSerialGPS gps;
    TSerialGPSRecorder events(gps);
    gps.ParseSentence(kGGA);
    gps.ParseSentence("$GPRMC,123519,A,4807.038,N,01131.000,E,5.5,084.4,230394,003.1,W*6A");
    ASSERT_EQ(events.Positions.size(), 1u);
    EXPECT_DOUBLE_EQ(events.Positions[0].Lat, kLat);
    EXPECT_DOUBLE_EQ(events.Positions[0].Lon, kLon);
    EXPECT_DOUBLE_EQ(events.Positions[0].Alt, 545.4);
    ASSERT_EQ(events.Speeds.size(), 1u);
    EXPECT_DOUBLE_EQ(events.Speeds[0], 10.186);
}

// Checksums are not checked, so noise on the line can bring any digits; a damaged value must not
// reach the position, the map or the survey log.
TEST(NmeaDecoding, ValuesNoReceiverSendsAreSkippedAndCounted) {
    const char* kRMC = "$GPRMC,123519,A,4807.038,N,01131.000,E,5.5,084.4,230394,003.1,W*6A";
    const struct {
        const char* legend;
        const char* line;
        bool skipped;
    } cases[] = {
        {"latitude 99.9998", "$GPGGA,1,9959.99,N,01131.000,E,1,08,0.9,545.4,M,,M,,", true},
        {"longitude 185", "$GPGGA,1,4807.038,N,18500.0,E,1,08,0.9,545.4,M,,M,,", true},
        {"RMC knots whose km/h are infinite", "$GPRMC,1,A,,,,,1e308,12.0", true},
        {"negative RMC knots", "$GPRMC,1,A,,,,,-5.5,12.0", true},
        {"negative VTG km/h", "$GPVTG,054.7,T,,M,,N,-10.2,K", true},
        {"the poles and the antimeridian are on the globe",
         "$GPGGA,1,9000.000,S,18000.000,W,1,08,0.9,545.4,M,,M,,", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        TOrvaltSerialGPS gps;
        gps.ParseSentence(kGGA);
        gps.ParseSentence(kRMC);
        TSerialGPSRecorder events(gps);
        gps.ParseSentence(c.line);
        EXPECT_EQ(gps.SkippedValues(), c.skipped ? 1u : 0u);
        if (!c.skipped) {
            EXPECT_EQ(gps.GetLatitude(), -90);
            EXPECT_EQ(gps.GetLongitude(), -180);
            continue;
        }
        EXPECT_TRUE(events.Positions.empty() && events.Speeds.empty());
        EXPECT_DOUBLE_EQ(gps.GetLatitude(), kLat);
        EXPECT_DOUBLE_EQ(gps.GetLongitude(), kLon);
        EXPECT_EQ(gps.GetFixQuality(), 1);
        EXPECT_DOUBLE_EQ(gps.GetSpeed(), 5.5 * 1.852);
    }
}

// Every GGA with a position stamps it, changed or not, so a vessel lying still keeps a current
// position; an empty position, a forgotten one or a closed port has none, and forgetting takes
// the fix with it.
TEST(NmeaDecoding, EachGgaWithAPositionStampsIt) {
    TTestClock clock(QDateTime(QDate(2024, 5, 6), QTime(8, 0)));
    clock.Advance(1000);
    TOrvaltSerialGPS gps;
    EXPECT_EQ(gps.GetPositionTick(), 0u);
    gps.ParseSentence(kGGA);
    EXPECT_EQ(gps.GetPositionTick(), 1000u);
    clock.Advance(1000);
    TSerialGPSRecorder events(gps);
    gps.ParseSentence(kGGA);
    EXPECT_TRUE(events.Positions.empty()) << "the same position raises no event";
    EXPECT_EQ(gps.GetPositionTick(), 2000u) << "but it is stamped again";
    gps.ParseSentence("$GPGGA,123520,,,,,0,00,,,M,,M,,");
    EXPECT_EQ(gps.GetPositionTick(), 0u) << "the receiver's empty position";
    gps.ParseSentence(kGGA);
    gps.ParseSentence("$GPGGA,1,9959.99,N,01131.000,E,1,08,0.9,545.4,M,,M,,");
    EXPECT_EQ(gps.GetPositionTick(), 2000u) << "a skipped GGA stamps nothing";
    gps.ForgetPosition();
    EXPECT_EQ(gps.GetPositionTick(), 0u);
    EXPECT_EQ(gps.GetFixQuality(), 0);
    EXPECT_EQ(gps.GetLatitude(), 0);
}

// The digit count follows the hemisphere letter, compared exactly, not the field's place.
TEST(NmeaDecoding, NmeaToDegrees) {
    struct {
        const char* value;
        const char* hemisphere;
        double expected;
    } cases[] = {
        {"4807.038", "N", kLat},
        {"4807.038", "S", -kLat},
        {"01131.000", "E", kLon},
        {"01131.000", "W", -kLon},
        {"4807.038", "", kLat},
        {"01131.000", "", 1 + 131.0 / 60},   // longitude without hemisphere: two degree digits
        {"4807.038", "s", kLat},             // lower case is not south
        {"01131.000", "w", 1 + 131.0 / 60},  // nor west, and reads two degree digits
        {"01131.000", "e", 1 + 131.0 / 60},
        {"", "N", 0},
        {"4807", "N", 0},  // no decimal point
        {".5", "N", 0},    // point in the first place
        {"4.5", "N", 0},   // point in the second place
        {"48.5", "N", 48 + 0.5 / 60},
        {"12.5", "E", 12 + 5.0 / 60},  // "12." as degrees, "5" as minutes
        {"4807.0x8", "N", 48},         // unreadable minutes give 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.value) + " " + c.hemisphere);
        EXPECT_DOUBLE_EQ(TOrvaltSerialGPS::NmeaToDegrees(c.value, c.hemisphere), c.expected);
    }
}

TEST(NmeaDecoding, SplitFieldsKeepsEmptyFields) {
    using TFields = std::vector<std::string_view>;
    EXPECT_EQ(TOrvaltSerialGPS::SplitFields("a,,b", ','), (TFields{"a", "", "b"}));
    EXPECT_EQ(TOrvaltSerialGPS::SplitFields(",,", ','), (TFields{"", "", ""}));
    EXPECT_EQ(TOrvaltSerialGPS::SplitFields("", ','), (TFields{""}));
    EXPECT_EQ(TOrvaltSerialGPS::SplitFields("$GPHDT,1.0,T", ';'), (TFields{"$GPHDT,1.0,T"}));
}

}  // namespace
