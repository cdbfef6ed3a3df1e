// Decoders of 1005/1006 and the descriptors, on encoded and hostile messages and on the stations
// and descriptor texts of the real streams, whose positions PROJ confirms.

#include "devices/RtcmMessages.h"

#include "devices/RtcmArpPosition.h"
#include "devices/RtcmStreamSummary.h"
#include "tests/devices/RtcmTestFrames.h"
#include "tests/geodesy/ProjPeer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using namespace std::string_literals;

constexpr double kDegreeM = 111320;  // metres per degree of latitude, near enough for 1 mm
constexpr double kMillimetre = 0.001;

TEST(RtcmMessages, StationArpFieldsRoundTrip) {
    const TArpMessage arp{1006, 4095, -1234567.8901, 2345678.9012, -3456789.0123, 6.5535,
                          63,   true, false,         true,         true};
    const std::string message = EncodeArp(arp);
    ASSERT_EQ(message.size(), 21u);
    const std::optional<TRtcmStationArp> decoded = DecodeStationArp(message);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(RtcmMessageNumber(message), 1006);
    EXPECT_EQ(decoded->stationId, 4095);
    EXPECT_EQ(decoded->itrfYear, 63);
    EXPECT_TRUE(decoded->gps);
    EXPECT_FALSE(decoded->glonass);
    EXPECT_TRUE(decoded->galileo);
    EXPECT_TRUE(decoded->nonPhysical);
    EXPECT_NEAR(decoded->xM, arp.xM, 1e-9);
    EXPECT_NEAR(decoded->yM, arp.yM, 1e-9);
    EXPECT_NEAR(decoded->zM, arp.zM, 1e-9);
    EXPECT_NEAR(DecodeAntennaHeight(message).value_or(-1), 6.5535, 1e-9);
    EXPECT_FALSE(DecodeStationArp(message.substr(0, 18)));
    EXPECT_FALSE(DecodeAntennaHeight(message.substr(0, 20)));
    EXPECT_FALSE(RtcmMessageNumber(message.substr(0, 1)));
    EXPECT_FALSE(RtcmStationId(message.substr(0, 2)));
}

struct TDescriptorCase {
    const char* legend;
    std::string message;
    std::optional<std::string> antennaType, antennaSerial;
    std::optional<int> setupId;
    std::optional<std::string> receiverType, receiverFirmware, receiverSerial;
};

TRtcmDescriptors Decode(const std::string& message) {
    switch (RtcmMessageNumber(message).value_or(0)) {
        case 1007:
            return DecodeAntennaDescriptor(message);
        case 1008:
            return DecodeAntennaDescriptorSerial(message);
        default:
            return DecodeReceiverDescriptors(message);
    }
}

TEST(RtcmMessages, DescriptorsReadOnlyInsideTheMessage) {
    const std::string header1007 = Encode1007(7, "", 0).substr(0, 3);
    const std::string header1033 = Encode1033(7, "", 0, "", "", "", "").substr(0, 3);
    const std::string full = Encode1033(7, "ANT", 9, "S1", "RX", "1.0", "R2");
    const auto none = std::nullopt;
    const TDescriptorCase cases[] = {
        {"1007 ending before its counter", header1007, none, none, none, none, none, none},
        {"1007 with counter 0", header1007 + "\x00"s, none, none, none, none, none, none},
        {"1007 with counter 32", header1007 + "\x20"s + std::string(32, 'A') + "\x00"s, none, none,
         none, none, none, none},
        {"1007 whose text runs past the end",
         header1007 + "\x05"
                      "ABCD",
         none, none, none, none, none, none},
        {"1007 whose text ends the message",
         header1007 + "\x03"
                      "ABC",
         "ABC", none, none, none, none, none},
        {"1008 ABC, setup 0, 12345", Encode1008(0, "ABC", 0, "12345"), "ABC", "12345", none, none,
         none, none},
        {"1008 without antenna type", Encode1008(0, "", 0, "Unknown"), none, "Unknown", none, none,
         none, none},
        {"1008 whose serial runs past the end", Encode1008(0, "ABC", 0, "12345").substr(0, 12),
         "ABC", none, none, none, none, none},
        {"1033 with every text", full, "ANT", "S1", 9, "RX", "1.0", "R2"},
        {"1033 with empty texts", Encode1033(7, "", 0, "", "RX", "", ""), "", "", 0, "RX", "", ""},
        {"1033 cut after the receiver type", full.substr(0, 16), "ANT", "S1", 9, "RX", none, none},
        {"1033 counter 40 not taken: the next byte is the setup id",
         header1033 + "\x28\x07\x03"
                      "abc",
         none, "abc", 7, none, none, none},
        {"1033 text in Windows-1254",
         Encode1033(7, "", 0, "",
                    "\xDE"
                    "AFAK",
                    "", ""),
         "", "", 0,
         "\xC5\x9E"
         "AFAK",
         "", ""},
    };
    for (const TDescriptorCase& c : cases) {
        SCOPED_TRACE(c.legend);
        const TRtcmDescriptors d = Decode(c.message);
        EXPECT_EQ(d.antennaType, c.antennaType);
        EXPECT_EQ(d.antennaSerial, c.antennaSerial);
        EXPECT_EQ(d.setupId, c.setupId);
        EXPECT_EQ(d.receiverType, c.receiverType);
        EXPECT_EQ(d.receiverFirmware, c.receiverFirmware);
        EXPECT_EQ(d.receiverSerial, c.receiverSerial);
    }
}

// Metres between two geodetic positions given in degrees and metres, locally flat.
double Gap(double latDeg, double lonDeg, double h, const PJ_COORD& peer) {
    const double dNorth = (latDeg - proj_todeg(peer.lpz.phi)) * kDegreeM;
    const double dEast =
        (lonDeg - proj_todeg(peer.lpz.lam)) * kDegreeM * std::cos(proj_torad(latDeg));
    return std::max({std::fabs(dNorth), std::fabs(dEast), std::fabs(h - peer.lpz.z)});
}

struct TStationFacts {
    const char* stream;
    int stationId;  // -1 where the README does not say
    double xM, yM, zM;
    double latDeg, lonDeg;  // as the README rounds them, 4 decimals
    double antennaHeightM;
};

TEST(RtcmMessages, RealStationsMatchTheirSourcesAndPROJ) {
    if (RealRtcmStreams().empty()) GTEST_SKIP() << "no real data folder";
    const TStationFacts stations[] = {
        {"pyrtcm__pygpsdata-NTRIP-USCL00CHL0.rtcm3", 0, 1762489.6191, -5027633.8438, -3496008.8438,
         -33.4498, -70.6814, 0.0343},
        {"pygnssutils__ntrip_encode_none.rtcm3", 25, 3811965.6701, -175800.0708, 5093615.5606,
         53.3448, -2.6405, 0.1},
        {"gpsd__rtcm3.bndm.log", 278, -2384764.7077, -3921089.1738, 4415976.0690, 44.0894,
         -121.3075, 0},
        {"gpsd__ublox-zed-f9r.log", 41, 4472544.6659, 601634.1000, 4492545.0279, 45.0634, 7.6613,
         0.079},
        {"pyrtcm__pygpsdata-MIXED-RTCM3.bin", 0, 4444030.8028, 3085671.2349, 3366658.2560, 32.0658,
         34.7738, 0},
        {"go-gnss-single-frames/1005_frame.bin", -1, -4472357.5368, 2670485.1794, -3669374.4263,
         -35.3435, 149.1582, 0},
        {"go-gnss-single-frames/1006_frame.bin", -1, -4472357.5368, 2670485.1794, -3669374.4263,
         -35.3435, 149.1582, 0},
    };
    const TProjPeer cart("+proj=cart +ellps=WGS84");
    for (const TStationFacts& facts : stations) {
        SCOPED_TRACE(facts.stream);
        const TRtcmStreamSummary s = SummariseRtcmStream(RealRtcmStream(facts.stream));
        ASSERT_TRUE(s.arpValid);
        if (facts.stationId >= 0) {
            EXPECT_EQ(s.stationId, facts.stationId);
        }
        EXPECT_NEAR(s.xM, facts.xM, 5e-5);
        EXPECT_NEAR(s.yM, facts.yM, 5e-5);
        EXPECT_NEAR(s.zM, facts.zM, 5e-5);
        EXPECT_NEAR(s.arp.latitudeDeg, facts.latDeg, 5e-5);
        EXPECT_NEAR(s.arp.longitudeDeg, facts.lonDeg, 5e-5);
        EXPECT_NEAR(s.antennaHeightM, facts.antennaHeightM, 5e-5);
        EXPECT_LT(Gap(s.arp.latitudeDeg, s.arp.longitudeDeg, s.arp.heightM,
                      cart.Inverse(s.xM, s.yM, s.zM)),
                  kMillimetre);
    }
    EXPECT_NEAR(SummariseRtcmStream(RealRtcmStream(stations[0].stream)).arp.heightM, 570.8, 0.05);
}

TEST(RtcmMessages, EcefToGeodeticAgreesWithPROJInTheBand) {
    const TProjPeer cart("+proj=cart +ellps=WGS84");
    TRandomPoints random(15);
    for (int i = 0; i < 5000; ++i) {
        const PJ_COORD ecef =
            cart.Forward(proj_torad(random.Uniform(-180, 180)), proj_torad(random.Uniform(-85, 85)),
                         random.Uniform(-500, 9000));
        const double x = ecef.xyz.x, y = ecef.xyz.y, z = ecef.xyz.z;
        ASSERT_TRUE(IsPlausibleArp(x, y, z));
        const TArpGeodetic ours = EcefToGeodetic(x, y, z);
        ASSERT_LT(Gap(ours.latitudeDeg, ours.longitudeDeg, ours.heightM, cart.Inverse(x, y, z)),
                  kMillimetre)
            << x << " " << y << " " << z;
    }
}

struct TDescriptorFacts {
    const char* stream;
    const char* antennaType;
    const char* antennaSerial;
    const char* receiverType;
    const char* receiverFirmware;
    const char* receiverSerial;  // nullptr where the README does not say
};

TEST(RtcmMessages, RealDescriptorTextsKeepTheirBlanks) {
    if (RealRtcmStreams().empty()) GTEST_SKIP() << "no real data folder";
    const TDescriptorFacts streams[] = {
        {"pyrtcm__pygpsdata-NTRIP-USCL00CHL0.rtcm3", "SEPCHOKE_B3E6   SPKE", "5856", "SEPT POLARX5",
         "5.5.0", "3075024"},
        {"pygnssutils__ntrip_encode_none.rtcm3", "LEIAR10         NONE", "21204005",
         "TRIMBLE ALLOY", "Nav 6.23 / Boot 5.63", "5803R40146"},
        {"rtklib__GMSD7_20121014.rtcm3", nullptr, nullptr, "TRIMBLE NETR9", "", ""},
        {"gpsd__rtcm3.2.log", nullptr, nullptr, "JAVAD TRE_G3TH DELTA", nullptr, nullptr},
        {"gpsd__rtcm3.bndm.log", "GPPNULLANTENNA", nullptr, nullptr, nullptr, nullptr},
        {"gpsd__ublox-zed-f9r.log", nullptr, nullptr, "LEICA GR30", "4.80", "1706862"},
        {"go-gnss-single-frames/1033_frame.bin", nullptr, nullptr, "SEPT POLARX5", "5.2.0",
         "3025123"},
        {"go-gnss-single-frames/1008_frame.bin", nullptr, "Unknown", nullptr, nullptr, nullptr},
    };
    for (const TDescriptorFacts& facts : streams) {
        SCOPED_TRACE(facts.stream);
        const TRtcmStreamSummary s = SummariseRtcmStream(RealRtcmStream(facts.stream));
        const std::pair<const char*, const std::string&> texts[] = {
            {facts.antennaType, s.antennaType},
            {facts.antennaSerial, s.antennaSerial},
            {facts.receiverType, s.receiverType},
            {facts.receiverFirmware, s.receiverFirmware},
            {facts.receiverSerial, s.receiverSerial}};
        for (const auto& [expected, actual] : texts) {
            if (expected) {
                EXPECT_EQ(actual, expected);
            }
        }
    }
}

}  // namespace
