// The RTCM report with a fixed clock, zone and vessel position.

#include "devices/RtcmReport.h"

#include "devices/RtcmMessageNames.h"
#include "tests/devices/RtcmTestFrames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kEarthRadiusM = 6371000;
// Station 25 of the pygnssutils capture, near Warrington.
constexpr double kX = 3811965.6701, kY = -175800.0708, kZ = 5093615.5606;

const QDateTime kNow(QDate(2024, 5, 1), QTime(14, 30, 5));

TRtcmReport Report(const std::string& data, double lat = 0, double lon = 0,
                   TRtcmBaseRecord stored = {}) {
    TRtcmReportInput input;
    input.receivedData = data;
    input.lat = lat;
    input.lon = lon;
    input.alt = 12.34;
    input.now = kNow;
    input.zoneBiasMinutes = -180;
    input.baseRecord = stored;
    return BuildRtcmReport(input);
}

bool Has(const TRtcmReport& report, const std::string& line) {
    return std::find(report.lines.begin(), report.lines.end(), line) != report.lines.end();
}

bool HasPrefix(const TRtcmReport& report, const std::string& prefix) {
    return std::any_of(report.lines.begin(), report.lines.end(),
                       [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
}

std::string Arp(const TArpMessage& arp) { return RtcmFrame(EncodeArp(arp)); }

std::string Station25(bool nonPhysical = false) {
    TArpMessage arp;
    arp.stationId = 25;
    arp.xM = kX;
    arp.yM = kY;
    arp.zM = kZ;
    arp.nonPhysical = nonPhysical;
    return Arp(arp);
}

// The point at distanceM from (latDeg, lonDeg) on the initial bearing bearingDeg, on the
// haversine's sphere.
std::pair<double, double> Destination(double latDeg, double lonDeg, double distanceM,
                                      double bearingDeg) {
    const double phi1 = latDeg * kPi / 180, lambda1 = lonDeg * kPi / 180;
    const double delta = distanceM / kEarthRadiusM, theta = bearingDeg * kPi / 180;
    const double phi2 = std::asin(std::sin(phi1) * std::cos(delta) +
                                  std::cos(phi1) * std::sin(delta) * std::cos(theta));
    const double lambda2 = lambda1 + std::atan2(std::sin(theta) * std::sin(delta) * std::cos(phi1),
                                                std::cos(delta) - std::sin(phi1) * std::sin(phi2));
    return {phi2 * 180 / kPi, lambda2 * 180 / kPi};
}

TEST(RtcmReport, RealStationStream) {
    const std::string stream = RealRtcmStream("pyrtcm__pygpsdata-NTRIP-USCL00CHL0.rtcm3");
    if (stream.empty()) GTEST_SKIP() << "no real data folder";
    const TRtcmReport report = Report(stream, -33.5, -70.25);
    const std::vector<std::string> head(report.lines.begin(), report.lines.begin() + 7);
    EXPECT_EQ(head, (std::vector<std::string>{
                        "Quellbay - RTCM Message Parser v1.0", "2024-05-01 14:30:05 GMT+03:00",
                        "Buffer size: 4606 bytes", std::string(48, '='), "",
                        "ANTENNA REFERENCE POINT (ARP)", std::string(29, '-')}));
    EXPECT_FALSE(HasPrefix(report, "Station ID: "));
    EXPECT_TRUE(HasPrefix(report, "  Latitude:  -33.4498"));
    EXPECT_TRUE(HasPrefix(report, "  Longitude: -70.6813"));
    EXPECT_TRUE(HasPrefix(report, "  Altitude:  570.7"));
    for (const char* line : {"  X: 1762489.6191 m",
                             "  Y: -5027633.8438 m",
                             "  Z: -3496008.8438 m",
                             "Reference Station: Physical (not virtual)",
                             "Antenna Height (ARP to marker): 0.0343 m",
                             "Antenna Type: SEPCHOKE_B3E6   SPKE",
                             "Antenna Serial: 5856",
                             "Receiver Type: SEPT POLARX5",
                             "Receiver Firmware: 5.5.0",
                             "Receiver Serial: 3075024",
                             "GPS: L1 L2 L5",
                             "GLONASS: G1 G2",
                             "Galileo: E1 E5",
                             "BeiDou: B1 B2",
                             "QZSS",
                             "SBAS",
                             "NavIC/IRNSS",
                             "  GGA Lat: 3330.0000 S",
                             "  GGA Lon: 07015.0000 W",
                             "  Manual Position: No",
                             "  Altitude:  12.3 m",
                             "Total: 35 RTCM messages parsed"}) {
        EXPECT_TRUE(Has(report, line)) << line;
    }
    const auto first =
        std::find(report.lines.begin(), report.lines.end(), "RTCM MESSAGES RECEIVED");
    ASSERT_NE(first, report.lines.end());
    int previous = 0;
    for (auto line = first + 2; line != first + 37; ++line) {
        const int number = std::stoi(line->substr(2));
        EXPECT_GT(number, previous);
        EXPECT_EQ(*line, "  " + std::to_string(number) + " - " + RtcmMessageName(number) + " (x1)");
        previous = number;
    }
    EXPECT_EQ(*(first + 37), "");
    EXPECT_EQ(report.baseLogLine.rfind("Base #0: -33.4498", 0), 0u)
        << "a station is reported while the stored position is (0, 0)";
}

TEST(RtcmReport, ZoneTexts) {
    const std::pair<int, const char*> cases[] = {{-180, "GMT+03:00"}, {300, "GMT-05:00"},
                                                 {0, "GMT+00:00"},    {-330, "GMT+05:30"},
                                                 {210, "GMT-03:30"},  {-840, "GMT+14:00"}};
    for (const auto& [bias, text] : cases) EXPECT_EQ(ZoneText(bias), text) << bias;
}

struct TDistanceCase {
    const char* legend;
    double distanceM, bearingDeg;
    std::vector<std::string> lines;  // from the distance line on, to the section's end
};

TEST(RtcmReport, DistanceBearingAndRangeAdvice) {
    const TRtcmBaseRecord base = Report(Station25()).baseRecord;  // the position as decoded
    const TDistanceCase cases[] = {
        {"500 m", 500, 70, {"Distance to Base: 500.0 m"}},
        {"25 km",
         25000,
         70,
         {"Distance to Base: 25.00 km", "",
          "NOTE: Distance > 20 km - Consider using closer base station"}},
        {"40 km",
         40000,
         70,
         {"Distance to Base: 40.00 km", "",
          "WARNING: Distance > 35 km - RTK accuracy may be degraded!"}},
    };
    for (const TDistanceCase& c : cases) {
        SCOPED_TRACE(c.legend);
        const auto [lat, lon] =
            Destination(base.latitudeDeg, base.longitudeDeg, c.distanceM, c.bearingDeg);
        const TRtcmReport report = Report(Station25(), lat, lon);
        auto at = std::find(report.lines.begin(), report.lines.end(), c.lines[0]);
        ASSERT_NE(at, report.lines.end());
        EXPECT_EQ(at[-3], "DISTANCE TO BASE STATION");
        EXPECT_EQ(at[1].rfind("Bearing to Base: ", 0), 0u);
        EXPECT_EQ(std::vector<std::string>(at + 2, at + 1 + c.lines.size()),
                  std::vector<std::string>(c.lines.begin() + 1, c.lines.end()));
        EXPECT_EQ(at[1 + c.lines.size()], "") << "then the messages section";
    }
    EXPECT_TRUE(Has(Report(Station25(), base.latitudeDeg - 0.03, base.longitudeDeg),
                    "Bearing to Base: 0.0 deg"))
        << "a vessel due south of the base";
    const TRtcmReport noVessel = Report(Station25());
    EXPECT_TRUE(Has(noVessel, "(Vessel position not available - cannot calculate distance)"));
    EXPECT_FALSE(Has(noVessel, "DISTANCE TO BASE STATION"));
}

// The report shows the position fields as the uploaded GGA sentence carries them.
TEST(RtcmReport, GgaFieldsCarryRoundedMinutesIntoTheDegree) {
    const TRtcmReport report = Report(Station25(), 10.999999999, -179.9999999999);
    EXPECT_TRUE(Has(report, "  GGA Lat: 1100.0000 N"));
    EXPECT_TRUE(Has(report, "  GGA Lon: 18000.0000 W"));
}

TEST(RtcmReport, StationAndDescriptorRows) {
    const TRtcmReport descriptor = Report(RtcmFrame(Encode1008(0, "ABC", 0, "12345")));
    EXPECT_TRUE(Has(descriptor, "ANTENNA DESCRIPTOR"));
    EXPECT_TRUE(Has(descriptor, "Antenna Type: ABC"));
    EXPECT_TRUE(Has(descriptor, "Antenna Serial: 12345"));
    EXPECT_FALSE(HasPrefix(descriptor, "Setup ID: "));
    EXPECT_FALSE(Has(descriptor, "VESSEL POSITION (sent to VRS)"));

    const TRtcmReport physical = Report(Station25());
    EXPECT_TRUE(Has(physical, "Station ID: 25"));
    EXPECT_TRUE(Has(physical, "Reference Station: Physical (not virtual)"));
    EXPECT_FALSE(Has(Report(Station25(true)), "Reference Station: Physical (not virtual)"));

    TArpMessage indicators;
    indicators.xM = kX;
    indicators.yM = kY;
    indicators.zM = kZ;
    indicators.itrfYear = 14;
    indicators.gps = indicators.galileo = true;
    const TRtcmReport flags = Report(Arp(indicators));
    EXPECT_TRUE(Has(flags, "ITRF Realization: 2014"));
    EXPECT_TRUE(Has(flags, "Station Systems: GPS Galileo"));
}

TEST(RtcmReport, DamagedAndImplausibleFrames) {
    const std::string badCrc = RealRtcmStream("pyrtcm__pygpsdata-MIXED-RTCM3BADCRC.bin");
    if (!badCrc.empty()) {
        const TRtcmReport report = Report(badCrc, 32, 34.7);
        EXPECT_TRUE(Has(report, "Total: 6 RTCM messages parsed"));
        EXPECT_FALSE(Has(report, "ECEF Coordinates:"));
        EXPECT_FALSE(HasPrefix(report, "Station ID: "));
        EXPECT_TRUE(report.baseLogLine.empty());
    }
    TArpMessage far;
    far.xM = 9000000;
    const TRtcmReport implausible =
        Report(Arp(far) + RtcmFrame("\x01") + RtcmFrame(EncodeBare(63, 9)));
    EXPECT_EQ(implausible.lines[5],
              "  WARNING: ECEF magnitude invalid - parsing may be incorrect!");
    EXPECT_EQ(implausible.lines[6], "ANTENNA REFERENCE POINT (ARP)");
    EXPECT_FALSE(Has(implausible, "ECEF Coordinates:"));
    EXPECT_TRUE(Has(implausible, "  63 - Unknown (x1)"));
    EXPECT_TRUE(Has(implausible, "Total: 3 RTCM messages parsed"))
        << "a message under 2 bytes counts in the total only";
}

TEST(RtcmReport, BaseRecordUpdate) {
    const TRtcmReport first = Report(Station25());
    EXPECT_EQ(first.baseLogLine.rfind("Base #25: 53.3448", 0), 0u);
    EXPECT_EQ(first.baseRecord.stationId, 25);
    const TRtcmReport again = Report(Station25(), 0, 0, first.baseRecord);
    EXPECT_TRUE(again.baseLogLine.empty());
    EXPECT_EQ(again.baseRecord.latitudeDeg, first.baseRecord.latitudeDeg);
    TRtcmBaseRecord otherId = first.baseRecord;
    otherId.stationId = 26;
    EXPECT_FALSE(Report(Station25(), 0, 0, otherId).baseLogLine.empty());
    TArpMessage equator;
    equator.xM = 6378137 + 100;
    EXPECT_EQ(Report(Arp(equator)).baseLogLine, "Base #0: 0.00000000, 0.00000000, 100.00m")
        << "unlike the block scan, the report counts a stored (0, 0) as no station";
}

}  // namespace
