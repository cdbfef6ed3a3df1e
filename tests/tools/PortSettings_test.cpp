// "GPS Set" and "SBES Set": the port combos' texts become the serial component's fields, field
// by field, and a text that cannot be applied stops there with a message naming it.

#include "tools/PortSettings.h"

#include "devices/OrvaltSerialGPS.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const TPortSetTexts kGood = {"COM7", "115200", "8",     "1",    "None", "Normal",
                             "100",  "True",   "False", "True", "True"};

TEST(PortSettings, TextsBecomeTheComponentsCodes) {
    const struct {
        const char* legend;
        std::string TPortSetTexts::*field;
        const char* text;
        std::function<int(const TOrvaltSerialGPS&)> value;
        int expected;
    } cases[] = {
        {"COM7", &TPortSetTexts::port, "COM7", [](auto& p) { return p.Port; }, 7},
        {"a bare number", &TPortSetTexts::port, "7", [](auto& p) { return p.Port; }, 7},
        {"lower case", &TPortSetTexts::port, "com20", [](auto& p) { return p.Port; }, 20},
        {"57600 as chosen", &TPortSetTexts::baudRate, "57600", [](auto& p) { return p.BaudRate; },
         57600},
        {"data width 5 is code 1", &TPortSetTexts::dataWidth, "5",
         [](auto& p) { return p.DataBits; }, 1},
        {"data width 8 is code 4", &TPortSetTexts::dataWidth, "8",
         [](auto& p) { return p.DataBits; }, 4},
        {"one and a half stop bits", &TPortSetTexts::stopBits, "1.5",
         [](auto& p) { return p.StopBits; }, 2},
        {"two stop bits", &TPortSetTexts::stopBits, "2", [](auto& p) { return p.StopBits; }, 3},
        {"parity is never applied", &TPortSetTexts::parity, "Odd", [](auto& p) { return p.Parity; },
         0},
        {"priority by its place", &TPortSetTexts::priority, "Idle",
         [](auto& p) { return int{p.Priority}; }, 3},
        {"no priority", &TPortSetTexts::priority, "", [](auto& p) { return int{p.Priority}; }, 0},
        {"delay", &TPortSetTexts::delay, "1000", [](auto& p) { return p.PollInterval; }, 1000},
        {"DTR False", &TPortSetTexts::enableDTR, "False", [](auto& p) { return int{p.EnableDTR}; },
         0},
        {"booleans in any case", &TPortSetTexts::nmeaLog, "tRUE",
         [](auto& p) { return int{p.NmeaLog}; }, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        TPortSetTexts texts = kGood;
        texts.*c.field = c.text;
        TOrvaltSerialGPS port;
        EXPECT_EQ(ApplyPortSettings(texts, "/logs/2024-03-07 QBY_GNSS_V3.log", port), "");
        EXPECT_EQ(c.value(port), c.expected);
        EXPECT_EQ(port.LogFileName, "/logs/2024-03-07 QBY_GNSS_V3.log");
    }
}

// Each refusal leaves the fields after it as they were and keeps the ones before it applied.
TEST(PortSettings, RefusalsStopWithTheirMessage) {
    const struct {
        const char* legend;
        std::string TPortSetTexts::*field;
        const char* text;
        const char* message;
        bool portApplied, delayApplied;
    } cases[] = {
        {"COM25 would open COM20", &TPortSetTexts::port, "COM25",
         "'COM25' is not a valid port: the ports are COM1 to COM20", false, false},
        {"COM0", &TPortSetTexts::port, "COM0",
         "'COM0' is not a valid port: the ports are COM1 to COM20", false, false},
        {"no port number would open COM1", &TPortSetTexts::port, "COMX",
         "'COMX' is not a valid port: the ports are COM1 to COM20", false, false},
        {"listed 56000 would run at 9600", &TPortSetTexts::baudRate, "56000",
         "'56000' is not a baud rate the port can run", true, false},
        {"listed 128000", &TPortSetTexts::baudRate, "128000",
         "'128000' is not a baud rate the port can run", true, false},
        {"listed 256000", &TPortSetTexts::baudRate, "256000",
         "'256000' is not a baud rate the port can run", true, false},
        {"empty baud rate", &TPortSetTexts::baudRate, "", "'' is not a valid integer value", true,
         false},
        {"data width 4 would be code 0", &TPortSetTexts::dataWidth, "4",
         "'4' is not a valid data width", true, false},
        {"stop bits not in the list", &TPortSetTexts::stopBits, "1,5",
         "'1,5' is not a valid number of stop bits", true, false},
        {"delay not a number", &TPortSetTexts::delay, "fast", "'fast' is not a valid integer value",
         true, false},
        {"NMEA log not a word", &TPortSetTexts::nmeaLog, "Yes",
         "'Yes' is not a valid boolean value", true, true},
        {"empty DTR", &TPortSetTexts::enableDTR, "", "'' is not a valid boolean value", true, true},
        {"a delay whose bytes one poll cannot take", &TPortSetTexts::delay, "10000",
         "A delay of 10000 ms loses bytes at 115200 baud: at most 5688 ms", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        TPortSetTexts texts = kGood;
        texts.*c.field = c.text;
        TOrvaltSerialGPS port;
        port.Port = 3;
        port.PollInterval = 50;
        port.EnableRTS = false;
        EXPECT_EQ(ApplyPortSettings(texts, "/logs/x.log", port), c.message);
        EXPECT_EQ(port.Port, c.portApplied ? 7 : 3);
        EXPECT_EQ(port.PollInterval, c.delayApplied ? 100 : 50);
        EXPECT_FALSE(port.EnableRTS) << "the last field is not reached";
        EXPECT_EQ(port.LogFileName, "");
    }
}

// One poll takes at most 64 KiB: the bytes a port's frame and rate bring in one delay must fit.
TEST(PortSettings, LongestPollIntervalFollowsTheRateAndTheFrame) {
    EXPECT_EQ(LongestPollIntervalMs(115200, 4, 1), 5688) << "8N1: ten bits a byte";
    EXPECT_EQ(LongestPollIntervalMs(9600, 4, 1), 68266);
    EXPECT_EQ(LongestPollIntervalMs(9600, 1, 1), 47786) << "5 data bits: seven bits a byte";
    EXPECT_EQ(LongestPollIntervalMs(9600, 4, 3), 75093) << "two stop bits";
    EXPECT_EQ(LongestPollIntervalMs(110, 4, 1), 5957818);
}

TEST(PortSettings, TwoDevicesOnOnePortAreRefused) {
    EXPECT_EQ(SharedPortError({{"GPS", "COM3"}, {"sensor", "COM4"}}), "");
    EXPECT_EQ(SharedPortError({{"GPS", "COM3"}, {"sensor", "3"}}),
              "The GPS and the sensor are both set to COM3; each device needs a port of its own");
    EXPECT_EQ(
        SharedPortError({{"GPS", "COM3"}, {"sensor", "COM4"}, {"NTRIP correction output", "com4"}}),
        "The sensor and the NTRIP correction output are both set to COM4; each device needs "
        "a port of its own");
    EXPECT_EQ(SharedPortError({{"GPS", ""}, {"sensor", ""}}), "") << "no port is left to the set";
}

}  // namespace
