#include "devices/OrvaltNTRIPClient.h"

#include "platform/Clock.h"
#include "tests/devices/NtripAnswerSamples.h"
#include "tests/devices/NtripClientRecorder.h"
#include "tests/devices/TestCaster.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <random>

namespace {

const std::string& kIcy = kIcyAnswer;

std::vector<std::string> ReconnectAttemptLines(const std::vector<std::string>& logs) {
    std::vector<std::string> attempts;
    for (const std::string& line : logs) {
        if (line.starts_with("Reconnect attempt ")) attempts.push_back(line);
    }
    return attempts;
}

std::vector<std::string> AttemptLines(int count) {
    std::vector<std::string> lines;
    for (int n = 1; n <= count; ++n)
        lines.push_back("Reconnect attempt " + std::to_string(n) + "/10");
    return lines;
}

class OrvaltNTRIPClientTest : public ::testing::Test {
protected:
    void Point(int port) {
        client_.Host = "127.0.0.1";
        client_.Port = port;
        client_.MountPoint = "TEST";
    }

    // Accepts the client's connection and answers its request with the ICY line.
    int AcceptStream(TTestCaster& caster) {
        int fd = -1;
        EXPECT_TRUE(QTest::qWaitFor([&] { return (fd = caster.Accept(0)) >= 0; }));
        EXPECT_NE(ReadUntil(fd, "\r\n\r\n"), "");
        EXPECT_TRUE(SendAll(fd, kIcy));
        EXPECT_TRUE(QTest::qWaitFor([this] { return events_.Statuses.size() == 2; }));
        return fd;
    }

    qint64 TimedDisconnect() {
        QElapsedTimer timer;
        timer.start();
        client_.Disconnect();
        return timer.elapsed();
    }

    TOrvaltNTRIPClient client_;
    TNtripClientRecorder events_{client_};
};

TEST_F(OrvaltNTRIPClientTest, NoCasterAddressIsALogLineOnly) {
    client_.Connect();
    EXPECT_EQ(events_.Logs, std::vector<std::string>{"Error: Caster address is empty"});
    EXPECT_TRUE(events_.Statuses.empty());
    EXPECT_EQ(client_.Worker, nullptr);
}

TEST_F(OrvaltNTRIPClientTest, ManualPositionIgnoresUpdates) {
    client_.UpdatePosition(1, 2, 3);
    client_.ManualPosition = true;
    client_.UpdatePosition(4, 5, 6);
    client_.SetLatLon(7, 8);
    const TNtripPosition position = client_.Position();
    EXPECT_EQ(position.Lat, 7);
    EXPECT_EQ(position.Lon, 8);
    EXPECT_EQ(position.Alt, 3);
}

// A link still down at the first retry must not end reconnection: every failed attempt, even
// one that never reached the caster, schedules the next, up to the limit; then the client says
// so once and stays in error.
TEST_F(OrvaltNTRIPClientTest, UnreachableCastersAreRetriedUpToTheLimit) {
    const std::pair<std::string, std::string> cases[] = {
        {"127.0.0.1", "Failed to connect to 127.0.0.1"},
        {"bad..name", "Failed to resolve host: bad..name"},
    };
    client_.ReconnectTimer.setInterval(10);
    for (const auto& [host, failure] : cases) {
        SCOPED_TRACE(host);
        events_.Clear();
        client_.Host = host;
        client_.Port = TTestCaster::ClosedPort();
        client_.AutoReconnect = true;
        client_.ReconnectAttempts = 0;
        client_.Connect();
        ASSERT_TRUE(QTest::qWaitFor(
            [this] { return events_.Logged("Max reconnect attempts reached"); }, 20000));
        QTest::qWait(100);
        std::vector<TNtripStatus> expected;
        for (int attempt = 0; attempt <= 10; ++attempt) {
            expected.push_back({1, "Connecting to " + host + ":" + std::to_string(client_.Port)});
            expected.push_back({4, failure});
        }
        EXPECT_EQ(events_.Statuses, expected);
        EXPECT_EQ(ReconnectAttemptLines(events_.Logs), AttemptLines(10));
        EXPECT_EQ(events_.Logs.back(), "Max reconnect attempts reached");
        EXPECT_EQ(client_.Status, nsError);
        EXPECT_FALSE(client_.ReconnectTimer.isActive());
        client_.Disconnect();
    }
}

TEST_F(OrvaltNTRIPClientTest, RefusalsReconnectUpToTheLimit) {
    TTestCaster caster({{{k401Answer}}});
    Point(caster.Port());
    client_.ReconnectTimer.setInterval(10);
    client_.Connect();
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return events_.Logged("Max reconnect attempts reached"); }));
    QTest::qWait(100);
    EXPECT_EQ(ReconnectAttemptLines(events_.Logs), AttemptLines(10));
    EXPECT_EQ(
        std::count(events_.Logs.begin(), events_.Logs.end(), "Max reconnect attempts reached"), 1);
    client_.Disconnect();
    EXPECT_EQ(caster.Connections(), 11);
}

// The caster refuses twice while it comes up, then streams and drops: the accepted stream
// resets the count, so the drop starts a fresh series.
TEST_F(OrvaltNTRIPClientTest, AcceptedStreamAfterRefusalsStartsAFreshSeries) {
    TTestCaster caster({{{{k401Answer}}}, {{{k401Answer}}}, {{{kIcy + "RTCM"}}}}, 0);
    Point(caster.Port());
    client_.ReconnectTimer.setInterval(10);
    client_.Connect();
    ASSERT_TRUE(QTest::qWaitFor([this] { return events_.Delivered == "RTCMRTCM"; }));
    client_.Disconnect();
    const std::vector<std::string> attempts = ReconnectAttemptLines(events_.Logs);
    ASSERT_GE(attempts.size(), 3u);
    EXPECT_EQ(std::vector(attempts.begin(), attempts.begin() + 3),
              (std::vector<std::string>{"Reconnect attempt 1/10", "Reconnect attempt 2/10",
                                        "Reconnect attempt 1/10"}));
    EXPECT_FALSE(events_.Logged("Max reconnect attempts reached"));
}

// A retired mount point: the caster answers with its table, which will not change by asking
// again. The table still arrives, for the surveyor to choose from.
TEST_F(OrvaltNTRIPClientTest, ASourceTableForAStreamRequestIsAnErrorNotRetried) {
    TTestCaster caster({{{kSourceTableAnswer}}});
    Point(caster.Port());
    client_.ReconnectTimer.setInterval(10);
    client_.Connect();
    ASSERT_TRUE(QTest::qWaitFor([this] { return events_.Statuses.size() == 3; }));
    QTest::qWait(200);
    const std::vector<TNtripStatus> expected{
        {1, "Connecting to 127.0.0.1:" + std::to_string(caster.Port())},
        {4, "Mount point not found in the caster's source table: TEST"},
        {0, "Disconnected"}};
    EXPECT_EQ(events_.Statuses, expected);
    EXPECT_EQ(client_.MountPoints, (std::vector<std::string>{"ONE", "TWO"}));
    EXPECT_EQ(client_.MountPoint, "TEST");
    EXPECT_FALSE(client_.AutoReconnect);
    EXPECT_TRUE(ReconnectAttemptLines(events_.Logs).empty());
    EXPECT_EQ(caster.Connections(), 1);
}

// With data every simulated second, a GGA follows the first block at least GgaInterval after
// the last upload; while the data stop, none goes out.
TEST_F(OrvaltNTRIPClientTest, GgaUploadsFollowTheDataAndTheInterval) {
    TTestClock clock(QDateTime(QDate(2024, 5, 1), QTime(12, 0, 0), Qt::UTC));
    TTestCaster caster;
    Point(caster.Port());
    client_.UpdatePosition(-33.5, -70.6814, -3.46);
    constexpr std::size_t kBlock = 1000;
    std::vector<std::int64_t> sentBefore;  // BytesSent as block k reaches the handler
    events_.OnData = [&] {
        if (events_.Delivered.size() % kBlock != 0) return;
        sentBefore.push_back(client_.BytesSent);
        clock.Advance(1000);
    };
    client_.Connect();
    const int fd = AcceptStream(caster);
    std::mt19937 generator(7);
    std::string stream;
    const auto sendBlock = [&] {
        std::string block(kBlock, '\0');
        for (char& byte : block) byte = static_cast<char>(generator() % 4);  // zeros among them
        stream += block;
        ASSERT_TRUE(SendAll(fd, block));
        ASSERT_TRUE(QTest::qWaitFor([&] { return events_.Delivered.size() == stream.size(); }));
    };
    for (int k = 1; k <= 25; ++k) sendBlock();
    std::string uploads = ReadFor(fd, 100);
    const std::int64_t sentBeforeStop = client_.BytesSent;
    clock.Advance(60000);
    QTest::qWait(300);
    EXPECT_EQ(client_.BytesSent, sentBeforeStop) << "an upload while no data came";
    for (int k = 26; k <= 28; ++k) sendBlock();
    uploads += ReadFor(fd, 100);
    client_.Disconnect();

    std::vector<int> uploadAfterBlock;
    for (std::size_t k = 1; k < sentBefore.size(); ++k) {
        if (sentBefore[k] != sentBefore[k - 1]) uploadAfterBlock.push_back(static_cast<int>(k));
    }
    EXPECT_EQ(uploadAfterBlock, (std::vector<int>{10, 20, 26}));
    const auto lines = UploadedLines(uploads);
    ASSERT_EQ(lines.size(), 4u);
    const char* const times[] = {"120000", "120010", "120020", "120126"};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_TRUE(IsValidGga(lines[i]));
        const std::string fields =
            std::string(times[i]) + ",3330.0000,S,07040.8840,W,1,10,1.0,-3.5,M,";
        EXPECT_EQ(lines[i].substr(7, fields.size()), fields);
    }
    EXPECT_EQ(client_.BytesSent, static_cast<std::int64_t>(uploads.size()));
    EXPECT_EQ(events_.Delivered, stream);
    EXPECT_EQ(client_.ReceivedData(), stream.substr(stream.size() - kReceivedDataBytes));
    EXPECT_EQ(client_.BytesReceived, static_cast<std::int64_t>(stream.size()));
}

TEST_F(OrvaltNTRIPClientTest, DisconnectWakesABlockedReceive) {
    TTestCaster caster;
    Point(caster.Port());
    client_.Connect();
    const int fd = AcceptStream(caster);
    ASSERT_TRUE(SendAll(fd, "RTCM"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return events_.Statuses.size() == 3; }));
    const std::size_t statuses = events_.Statuses.size();
    EXPECT_LT(TimedDisconnect(), 1000);
    QTest::qWait(100);
    EXPECT_EQ(events_.Statuses.size(), statuses) << "a status after Disconnect";
    EXPECT_EQ(events_.Logs.back(), "Disconnected");
    EXPECT_EQ(client_.Status, nsDisconnected);
    EXPECT_FALSE(client_.Connected);
    EXPECT_FALSE(client_.AutoReconnect);
}

// The user-interface thread is busy while a block arrives: the worker waits in its hand-off
// until Disconnect runs it.
TEST_F(OrvaltNTRIPClientTest, DisconnectRunsTheWaitingHandOff) {
    TTestCaster caster;
    Point(caster.Port());
    client_.Connect();
    const int fd = AcceptStream(caster);
    ASSERT_TRUE(SendAll(fd, "RTCM"));
    QThread::msleep(200);
    EXPECT_EQ(events_.DataEvents, 0);
    EXPECT_LT(TimedDisconnect(), 1000);
    EXPECT_EQ(events_.Delivered, "RTCM");
    EXPECT_EQ(events_.Statuses.size(), 2u) << "no status 3 once the stop was asked";
    EXPECT_EQ(events_.Logs.back(), "Disconnected");
}

}  // namespace
