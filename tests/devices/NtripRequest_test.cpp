#include "devices/NtripRequest.h"

#include "tests/devices/NtripClientRecorder.h"

#include <gtest/gtest.h>

namespace {

constexpr char kAgent[] = "User-Agent: NTRIP OrvaltNTRIPClient/1.0\r\n";

TEST(NtripRequest, Base64FollowsRfc4648) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
        {"user:pass", "dXNlcjpwYXNz"},
        {std::string("\xFF\xFE\x00", 3), "//4A"},  // high bytes and a zero byte
    };
    for (const auto& [bytes, text] : cases) EXPECT_EQ(Base64Encode(bytes), text) << bytes;
}

TEST(NtripRequest, ModesAndCredentials) {
    struct TCase {
        const char* legend;
        int mode;
        const char* mountPoint;
        const char* user;
        const char* password;
        std::string expected;
    };
    const std::string v1 = std::string(" HTTP/1.0\r\n") + kAgent;
    const TCase cases[] = {
        {"NTRIP 1.0 with credentials", 0, "TEST", "user", "pass",
         "GET /TEST" + v1 + "Authorization: Basic dXNlcjpwYXNz\r\n\r\n"},
        {"a password without a user sends no authorization", 0, "TEST", "", "pass",
         "GET /TEST" + v1 + "\r\n"},
        {"a user with an empty password keeps the colon", 0, "TEST", "user", "",
         "GET /TEST" + v1 + "Authorization: Basic dXNlcjo=\r\n\r\n"},
        {"no mount point asks for the source table", 0, "", "", "", "GET /" + v1 + "\r\n"},
        {"NTRIP 2.0 names the host without its port", 1, "TEST", "user", "pass",
         std::string("GET /TEST HTTP/1.1\r\nHost: caster.example\r\nNtrip-Version: Ntrip/2.0\r\n") +
             kAgent + "Authorization: Basic dXNlcjpwYXNz\r\n\r\n"},
        {"raw stream", 2, "TEST", "user", "pass", ""},
        {"any other mode is raw too", -1, "TEST", "", "", ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(BuildNtripRequest(c.mode, "caster.example", c.mountPoint, c.user, c.password),
                  c.expected);
    }
}

TEST(NtripRequest, GgaLayoutHemispheresAndRounding) {
    const QDateTime utc(QDate(2024, 5, 1), QTime(7, 8, 9, 900), Qt::UTC);
    struct TCase {
        const char* legend;
        double lat, lon, alt;
        const char* fields;  // from the latitude to the altitude
    };
    const TCase cases[] = {
        {"south and west", -33.5, -70.6814, -3.46, "3330.0000,S,07040.8840,W,1,10,1.0,-3.5"},
        {"north and east", 53.3448, 2.6405, 104.25, "5320.6880,N,00238.4300,E,1,10,1.0,104.2"},
        {"the origin is north and east", 0, 0, 0, "0000.0000,N,00000.0000,E,1,10,1.0,0.0"},
        {"minutes that round to 60 carry into the degree", 10.999999999, 179.9999999999, 0,
         "1100.0000,N,18000.0000,E,1,10,1.0,0.0"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.legend);
        const std::string gga = BuildGgaSentence(c.lat, c.lon, c.alt, utc);
        EXPECT_EQ(gga.substr(0, 14), "$GPGGA,070809,");
        EXPECT_EQ(gga.substr(14, gga.find(",M,") - 14), c.fields);
        EXPECT_TRUE(IsValidGga(gga + "\r\n"));
    }
    EXPECT_EQ(NmeaChecksum("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"), "47");
}

}  // namespace
