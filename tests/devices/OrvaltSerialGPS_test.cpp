#include "devices/OrvaltSerialGPS.h"

#include "platform/Clock.h"
#include "tests/devices/PortFeed.h"
#include "tests/devices/SerialGPSRecorder.h"
#include "tests/platform/PseudoTerminal.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/WaitFor.h"

#include <gtest/gtest.h>

#include <QTest>

#include <atomic>
#include <cstring>
#include <fstream>
#include <thread>

namespace {

constexpr const char* kGGA = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";

class OrvaltSerialGPSTest : public ::testing::Test {
protected:
    static constexpr int kPort = 3;

    void SetUp() override {
        terminal_.MapToPort(kPort);
        gps_.Port = kPort;
    }

    void OpenPort() {
        gps_.Open();
        ASSERT_TRUE(gps_.Connected());
    }

    // The device sends the bytes; one poll tick follows once they have all arrived.
    void Deliver(std::string_view bytes) { ASSERT_TRUE(::Deliver(terminal_, gps_, bytes)); }

    TPseudoTerminal terminal_;
    TOrvaltSerialGPS gps_;
    TSerialGPSRecorder events_{gps_};
};

TEST_F(OrvaltSerialGPSTest, OpenAndCloseFireOncePerChange) {
    gps_.Close();
    EXPECT_TRUE(events_.Disconnects.empty()) << "Close on a closed port fires nothing";
    OpenPort();
    gps_.Open();
    EXPECT_EQ(events_.Connects, std::vector<int>{kPort});
    EXPECT_GE(gps_.Handle(), 0);
    EXPECT_TRUE(gps_.PollTimer().isActive());
    EXPECT_TRUE(gps_.IdleTimer().isActive());

    gps_.Port = 9;  // the settings window may change it while the port is open
    gps_.Close();
    gps_.Close();
    EXPECT_EQ(events_.Disconnects, std::vector<int>{kPort}) << "reports the port it closed";
    EXPECT_EQ(gps_.Handle(), -1);
    EXPECT_FALSE(gps_.PollTimer().isActive());
    EXPECT_FALSE(gps_.IdleTimer().isActive());
}

TEST_F(OrvaltSerialGPSTest, PortThatCannotOpenStaysClosedAndSilent) {
    TOrvaltSerialGPS other;
    TSerialGPSRecorder otherEvents(other);
    other.Port = 7;  // not in the port table
    other.Open();
    EXPECT_FALSE(other.Connected());

    OpenPort();
    other.Port = kPort;  // held by gps_
    other.Open();
    EXPECT_FALSE(other.Connected());
    EXPECT_EQ(other.Handle(), -1);
    EXPECT_TRUE(otherEvents.Connects.empty());
}

TEST_F(OrvaltSerialGPSTest, TimerIntervalsFallBackToTheDefaults) {
    gps_.PollInterval = 0;
    gps_.IdleInterval = -5;
    OpenPort();
    EXPECT_EQ(gps_.PollTimer().interval(), 50);
    EXPECT_EQ(gps_.IdleTimer().interval(), 10000);
    gps_.Close();
    gps_.PollInterval = 20;
    gps_.IdleInterval = 300;
    OpenPort();
    EXPECT_EQ(gps_.PollTimer().interval(), 20);
    EXPECT_EQ(gps_.IdleTimer().interval(), 300);
}

TEST_F(OrvaltSerialGPSTest, SentenceSplitOverTwoReadsIsDeliveredOnceWhole) {
    OpenPort();
    const std::string gga = kGGA;
    Deliver(gga.substr(0, 4));
    EXPECT_TRUE(events_.Lines.empty());
    Deliver(gga.substr(4) + "\r\n");
    EXPECT_EQ(events_.Lines, std::vector<std::string>{gga});
    EXPECT_EQ(events_.Positions.size(), 1u);
    EXPECT_EQ(gps_.GetSatellites(), 8);
}

TEST_F(OrvaltSerialGPSTest, BlankLinesAndControlCharactersAreTrimmedAway) {
    OpenPort();
    Deliver("$GPHDT,1.0,T\r\n\r\n\r\n\t $GPHDT,2.0,T \r\r\n\x01\n");
    EXPECT_EQ(events_.Lines, (std::vector<std::string>{"$GPHDT,1.0,T", "$GPHDT,2.0,T"}));
}

TEST_F(OrvaltSerialGPSTest, NulBytesAreDroppedAndTheRestOfTheChunkKept) {
    OpenPort();
    const char bytes[] =
        "$GPGGA,123519,4807.038,N,\0\0"
        "01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n"
        "\0$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48\r\n";
    Deliver(std::string(bytes, sizeof bytes - 1));
    EXPECT_EQ(events_.Lines,
              (std::vector<std::string>{kGGA, "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48"}));
    EXPECT_DOUBLE_EQ(gps_.GetLongitude(), 11 + 31.0 / 60);
    EXPECT_DOUBLE_EQ(gps_.GetSpeed(), 10.2);
}

TEST_F(OrvaltSerialGPSTest, OneTickReadsAllThatQueuedUp) {
    OpenPort();
    std::string lines;
    while (lines.size() < 9000) lines += std::string(kGGA) + "\r\n";
    terminal_.Send(lines);  // more than the 4095 bytes the terminal shows queued at once
    ASSERT_TRUE(TPseudoTerminal::WaitQueued(gps_.Handle(), 4095));
    gps_.PollTimerTick();
    EXPECT_EQ(events_.Lines.size(), lines.size() / (std::strlen(kGGA) + 2));
    EXPECT_EQ(TPseudoTerminal::Queued(gps_.Handle()), 0);
}

// A device that never pauses must not hold the user-interface thread in one tick.
TEST_F(OrvaltSerialGPSTest, OneTickStopsAfter64KiBOfAFlood) {
    OpenPort();
    const std::string line = std::string(kGGA) + "\r\n";
    std::atomic<bool> flooding = true;
    std::atomic<bool> done = false;
    std::thread device([&] {
        std::string burst;
        while (burst.size() < 16384) burst += line;
        while (flooding) terminal_.Send(burst);
        done = true;
    });
    const bool queued = TPseudoTerminal::WaitQueued(gps_.Handle(), 4095);
    gps_.PollTimerTick();
    const std::size_t firstTick = events_.Lines.size();
    flooding = false;
    while (!done) gps_.PollTimerTick();  // the device's last burst must get through
    device.join();
    gps_.PollTimerTick();  // the device may stop before another tick ran: read what it left
    ASSERT_TRUE(queued);
    EXPECT_GT(firstTick, 0u);
    EXPECT_LE(firstTick * line.size(), 64u * 1024 + line.size());
    EXPECT_GT(events_.Lines.size(), firstTick) << "the next tick goes on where it stopped";
}

TEST_F(OrvaltSerialGPSTest, RunWithoutLineFeedKeepsItsLast2048Characters) {
    OpenPort();
    std::string stream;
    for (int read = 0; read < 16; ++read) {
        const std::string chunk(256, static_cast<char>('A' + read));
        stream += chunk;
        Deliver(chunk);
    }
    EXPECT_EQ(gps_.RxBuffer(), stream) << "4096 characters are not cut";
    const std::string last(256, 'Q');
    stream += last;
    Deliver(last);
    EXPECT_EQ(gps_.RxBuffer(), stream.substr(stream.size() - 2048));
    Deliver("\n");
    ASSERT_EQ(events_.Lines.size(), 1u);
    EXPECT_EQ(events_.Lines[0].size(), 2048u);
}

TEST_F(OrvaltSerialGPSTest, SendReportsOnlyWhatReachedTheDevice) {
    gps_.Send("$PCMD,1*00\r\n");
    EXPECT_TRUE(events_.Sent.empty()) << "closed: nothing written, nothing reported";
    EXPECT_EQ(terminal_.Receive(1, 100), "");

    OpenPort();
    gps_.Send("$PCMD,2*00\r\n");
    EXPECT_EQ(terminal_.Receive(12), "$PCMD,2*00\r\n");
    EXPECT_EQ(events_.Sent, std::vector<std::string>{"$PCMD,2*00\r\n"});

    terminal_.HangUp();
    gps_.Send("$PCMD,3*00\r\n");
    EXPECT_EQ(events_.Sent.size(), 1u) << "a failed write is not reported as sent";
}

TEST_F(OrvaltSerialGPSTest, DeviceHangingUpLeavesThePortQuiet) {
    gps_.PollInterval = 1;
    OpenPort();
    Deliver("$GPHDT,1.0,T\r\n$GPHD");
    terminal_.HangUp();
    for (int tick = 0; tick < 100; ++tick) gps_.PollTimerTick();
    QTest::qWait(50);
    EXPECT_EQ(events_.Lines.size(), 1u);
    EXPECT_TRUE(gps_.Connected()) << "the owner decides when to close";
    gps_.Close();
    EXPECT_EQ(events_.Disconnects.size(), 1u);
}

TEST_F(OrvaltSerialGPSTest, IdleIsReportedOncePerSilentPeriod) {
    gps_.PollInterval = 5;
    gps_.IdleInterval = 40;
    OpenPort();
    terminal_.Send("$GPHDT,1.0,T\r\n");
    ASSERT_TRUE(WaitFor([&] { return events_.Lines.size() == 1; }));
    ASSERT_TRUE(WaitFor([&] { return events_.Idles == 1; }));
    QTest::qWait(200);
    EXPECT_EQ(events_.Idles, 1) << "one report for one silence";
    terminal_.Send("$GPHDT,2.0,T\r\n");
    EXPECT_TRUE(WaitFor([&] { return events_.Idles == 2; })) << "new bytes re-arm the report";
}

TEST_F(OrvaltSerialGPSTest, DataInEveryIdlePeriodNeverReportsIdle) {
    OpenPort();
    for (int period = 0; period < 5; ++period) {
        Deliver("$GPHDT,1.0,T\r\n");
        gps_.IdleTimerTick();
    }
    EXPECT_EQ(events_.Idles, 0);
    gps_.IdleTimerTick();  // a whole period without bytes
    gps_.IdleTimerTick();
    EXPECT_EQ(events_.Idles, 1);
}

TEST_F(OrvaltSerialGPSTest, CloseZeroesTheReadings) {
    OpenPort();
    Deliver(std::string(kGGA) +
            "\r\n$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n");
    EXPECT_NE(gps_.GetSpeed(), 0);
    gps_.Close();
    for (double value : {gps_.GetLatitude(), gps_.GetLongitude(), gps_.GetAltitude(),
                         gps_.GetSpeed(), gps_.GetCourse()}) {
        EXPECT_EQ(value, 0);
    }
    EXPECT_EQ(gps_.GetFixQuality(), 0);
    EXPECT_EQ(gps_.GetSatellites(), 0);
    EXPECT_EQ(gps_.GetPositionTick(), 0u) << "no position of this opening is current in the next";
}

TEST_F(OrvaltSerialGPSTest, HandlerThatClosesThePortEndsTheDelivery) {
    gps_.OnNewCommand = [this](TOrvaltSerialGPS* sender, const std::string& line) {
        events_.Lines.push_back(line);
        if (line == "$STOP") sender->Close();
    };
    OpenPort();
    Deliver("$STOP\r\n" + std::string(kGGA) + "\r\n");
    EXPECT_EQ(events_.Lines, std::vector<std::string>{"$STOP"});
    EXPECT_TRUE(events_.Positions.empty());
    EXPECT_EQ(gps_.GetLatitude(), 0);
}

TEST_F(OrvaltSerialGPSTest, LogsEveryLineWithCrLfAndOptionalTimeStamp) {
    const std::string logPath = TestTempFolder() + "QBY_GNSS_V3.log";
    std::ofstream(logPath, std::ios::binary) << "earlier\r\n";
    TTestClock clock(QDateTime(QDate(2024, 3, 7), QTime(9, 5, 3, 250)));
    gps_.NmeaLog = true;
    gps_.LogFileName = logPath;
    OpenPort();
    Deliver("$GPHDT,1.0,T\n");
    gps_.LogTimeStamps = true;
    Deliver("$GPHDT,2.0,T\r\n");
    EXPECT_EQ(ReadFileBytes(logPath),
              "earlier\r\n$GPHDT,1.0,T\r\n2024-03-07 09:05:03.250 $GPHDT,2.0,T\r\n")
        << "written and flushed line by line, appended to what was there";
    gps_.Close();

    gps_.NmeaLog = false;
    OpenPort();
    Deliver("$GPHDT,3.0,T\r\n");
    EXPECT_EQ(ReadFileBytes(logPath).find("3.0"), std::string::npos);
}

TEST_F(OrvaltSerialGPSTest, PortSinkFollowsOneOpening) {
    OpenPort();
    const auto sink = gps_.PortSink();
    EXPECT_EQ(sink->Write("\xD3\x01\x13", 100), 3u);
    EXPECT_EQ(terminal_.Receive(3), "\xD3\x01\x13");
    gps_.Close();
    OpenPort();
    EXPECT_EQ(sink->Write("\xD3", 100), 0u) << "the worker must learn of the new opening";
    EXPECT_TRUE(gps_.PortSink()->IsOpen());
}

TEST(OrvaltSerialGPSText, PortNumbersRatesAndNames) {
    struct {
        const char* text;
        int port;
    } ports[] = {{"com7", 7}, {"7", 7},      {"COM7", 7},  {"COM0", 1},   {"COMX", 1},
                 {"", 1},     {"COM25", 20}, {"COM-3", 1}, {"COM20", 20}, {"COM2", 2}};
    for (const auto& c : ports) {
        EXPECT_EQ(TOrvaltSerialGPS::ParsePortNumber(c.text), c.port) << c.text;
    }
    struct {
        int rate, expected;
    } rates[] = {{115200, 115200}, {230400, 230400}, {14400, 14400}, {110, 110},
                 {56000, 9600},    {128000, 9600},   {9600, 9600},   {0, 9600}};
    for (const auto& c : rates) {
        EXPECT_EQ(TOrvaltSerialGPS::ValidateBaudRate(c.rate), c.expected) << c.rate;
    }
    EXPECT_EQ(TOrvaltSerialGPS::PortName(12), "COM12");
}

}  // namespace
