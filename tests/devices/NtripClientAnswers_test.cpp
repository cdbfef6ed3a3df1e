#include "devices/OrvaltNTRIPClient.h"

#include "platform/Clock.h"
#include "tests/devices/NtripAnswerSamples.h"
#include "tests/devices/NtripClientRecorder.h"
#include "tests/devices/TestCaster.h"

#include <gtest/gtest.h>

#include <QTest>

#include <chrono>
#include <random>

namespace {

using TStatuses = std::vector<TNtripStatus>;

const TNtripStatus kConnected{2, "Connected to TEST"};
const TNtripStatus kReceiving{3, "Receiving correction data"};
const TNtripStatus kClosed{0, "Connection closed"};
const TNtripStatus kDisconnected{0, "Disconnected"};
const std::string& kIcy = kIcyAnswer;

// Splits bytes into sends of `size` bytes, each after `delayMs`.
std::vector<TCasterSend> Drip(const std::string& bytes, std::size_t size, int delayMs) {
    std::vector<TCasterSend> sends;
    for (std::size_t i = 0; i < bytes.size(); i += size) {
        sends.push_back({bytes.substr(i, size), delayMs});
    }
    return sends;
}

class NtripCasterTest : public ::testing::Test {
protected:
    void Point(const TTestCaster& caster, const std::string& mountPoint = "TEST") {
        client_.Host = "127.0.0.1";
        client_.Port = caster.Port();
        client_.Username = "user";
        client_.Password = "pass";
        client_.MountPoint = mountPoint;
    }

    // Connects and waits for the worker's final "Disconnected".
    void RunToEnd() {
        client_.Connect();
        ASSERT_TRUE(QTest::qWaitFor([this] { return events_.Ended(); }, 10000));
    }

    TOrvaltNTRIPClient client_;
    TNtripClientRecorder events_{client_};
};

TEST_F(NtripCasterTest, RequestReachesTheCasterWhole) {
    struct TCase {
        const char* legend;
        int mode;
        bool readRequest;
        std::string expected;
    };
    const TCase cases[] = {
        {"NTRIP 1.0", 0, true,
         "GET /TEST HTTP/1.0\r\nUser-Agent: NTRIP OrvaltNTRIPClient/1.0\r\n"
         "Authorization: Basic dXNlcjpwYXNz\r\n\r\n"},
        {"NTRIP 2.0", 1, true,
         "GET /TEST HTTP/1.1\r\nHost: 127.0.0.1\r\nNtrip-Version: Ntrip/2.0\r\n"
         "User-Agent: NTRIP OrvaltNTRIPClient/1.0\r\nAuthorization: Basic dXNlcjpwYXNz\r\n\r\n"},
        {"raw stream: nothing is sent", 2, false, ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.legend);
        TTestCaster caster({{{c.mode == 2 ? "RTCM" : kIcy + "RTCM"}}, true, c.readRequest});
        Point(caster);
        client_.RequestMode = c.mode;
        events_.Clear();
        RunToEnd();
        client_.Disconnect();
        ASSERT_TRUE(QTest::qWaitFor([&] { return caster.Connections() == 1; }));
        const std::string sent = caster.ClientBytes()[0];
        EXPECT_EQ(sent.substr(0, sent.find("\r\n\r\n") + 4), c.expected);
        EXPECT_EQ(events_.Delivered, "RTCM");
    }
}

struct TAnswerCase {
    const char* legend;
    TCasterScript script;
    TStatuses statuses;             // after status 1 "Connecting to ..."
    std::vector<std::string> logs;  // present among the log lines
    int ggaCount;
    std::string delivered;
    int timeoutMs = 30000;
    std::string mountPoint = "TEST";  // empty: a request for the source table
};

class NtripAnswerTest : public NtripCasterTest {
protected:
    void Play(const TAnswerCase& c) {
        SCOPED_TRACE(c.legend);
        TTestCaster caster(c.script);
        Point(caster, c.mountPoint);
        client_.AutoReconnect = false;
        client_.SocketTimeoutMs = c.timeoutMs;
        events_.Clear();
        RunToEnd();
        ASSERT_TRUE(QTest::qWaitFor([&] { return caster.Connections() == 1; }));

        TStatuses expected{{1, "Connecting to 127.0.0.1:" + std::to_string(caster.Port())}};
        expected.insert(expected.end(), c.statuses.begin(), c.statuses.end());
        EXPECT_EQ(events_.Statuses, expected);
        for (const std::string& line : c.logs) EXPECT_TRUE(events_.Logged(line)) << line;
        const std::string sent = caster.ClientBytes()[0];
        const std::string uploads = sent.substr(sent.find("\r\n\r\n") + 4);
        const auto lines = UploadedLines(uploads);
        EXPECT_EQ(static_cast<int>(lines.size()), c.ggaCount);
        for (const std::string& line : lines) EXPECT_TRUE(IsValidGga(line));
        EXPECT_EQ(client_.BytesSent, static_cast<std::int64_t>(uploads.size()));
        // The GGA goes out between the acceptance and the first data.
        for (std::size_t i = 0; i < events_.Statuses.size(); ++i) {
            const int code = events_.Statuses[i].Code;
            if (code == 2) {
                EXPECT_EQ(events_.BytesSentAtStatus[i], 0);
            } else if (code == 3) {
                EXPECT_EQ(events_.BytesSentAtStatus[i], std::ssize(lines.at(0)));
            }
        }
        EXPECT_TRUE(events_.Delivered == c.delivered) << "delivered bytes differ";
        EXPECT_EQ(client_.BytesReceived, static_cast<std::int64_t>(c.delivered.size()));
        EXPECT_LE(client_.Worker->HeaderText().size(), kMaxNtripHeaderBytes);
        EXPECT_FALSE(client_.Connected);
        client_.Disconnect();
    }
};

TEST_F(NtripAnswerTest, ScriptedCasters) {
    const std::string rtcm = RandomBytes(3000, 1);
    const std::string& table = kSourceTableAnswer;
    std::string noise = RandomBytes(1 << 20, 2);
    std::erase(noise, '\r');  // no line, so no blank line either
    const TAnswerCase cases[] = {
        {"ICY and RTCM in one send",
         {{{kIcy + rtcm}}},
         {kConnected, kReceiving, kClosed, kDisconnected},
         {},
         1,
         rtcm},
        {"a header with its blank line and no data",
         {{{kHttpStreamAnswer}}},
         {kConnected, kClosed, kDisconnected},
         {},
         1,
         ""},
        {"a source table over three sends",
         {{{table.substr(0, 30)}, {table.substr(30, 40), 20}, {table.substr(70), 20}}},
         {kDisconnected},
         {"Source table parsed: 2 mount points"},
         0,
         "",
         30000,
         ""},
        {"a source table for a stream request: that mount point is gone",
         {{{table}}},
         {{4, "Mount point not found in the caster's source table: TEST"}, kDisconnected},
         {"Source table parsed: 2 mount points"},
         0,
         ""},
        {"404",
         {{{k404Answer}}},
         {{4, "404 - Mount point not found: TEST"}, kDisconnected},
         {},
         0,
         ""},
        {"an answer the client does not know",
         {{{kUnknownAnswer}}},
         {{4, "Unknown server response"}, kDisconnected},
         {"Server response: HTTP/1.0 500 Oops"},
         0,
         ""},
        {"a refusal whose body says 200 OK, in the same send",
         {{{k401With200InTheBody}}},
         {{4, "401 - Invalid username or password"}, kDisconnected},
         {},
         0,
         ""},
        {"a refusal whose body holds a source table",
         {{{k404WithATableInTheBody}}},
         {{4, "404 - Mount point not found: TEST"}, kDisconnected},
         {},
         0,
         ""},
        {"a 401 line, then the caster closes",
         {{{"HTTP/1.0 401 Unauthorized\r\n"}}},
         {{4, "401 - Invalid username or password"}, kDisconnected},
         {},
         0,
         ""},
        {"a close in mid-stream",
         {{{kIcy}, {"abc", 20}, {"def", 20}}},
         {kConnected, kReceiving, kClosed, kDisconnected},
         {},
         1,
         "abcdef"},
        {"a slow drip: classified once, every byte in order",
         {[&] {
             auto sends = Drip(kIcy, 1, 5);
             const auto stream = Drip(rtcm.substr(0, 300), 1, 1);
             sends.insert(sends.end(), stream.begin(), stream.end());
             return sends;
         }()},
         {kConnected, kReceiving, kClosed, kDisconnected},
         {},
         1,
         rtcm.substr(0, 300)},
        {"silence past the receive time-out",
         {{{kIcy}}, false},
         {kConnected, kClosed, kDisconnected},
         {},
         1,
         "",
         300},
        {"1 MiB without a blank line",
         {{{noise}}},
         {{4, "Unknown server response"}, kDisconnected},
         {},
         0,
         ""},
        {"random bytes after the ICY line",
         {{{kIcy}, {noise.substr(0, 200000), 10}}},
         {kConnected, kReceiving, kClosed, kDisconnected},
         {},
         1,
         noise.substr(0, 200000)},
    };
    for (const TAnswerCase& c : cases) Play(c);
}

TEST_F(NtripAnswerTest, ACapOnTheHeaderKeepsItsFirstLine) {
    Play({"a first line, then 1 MiB of header",
          {{{"HTTP/1.0 500 Oops\r\n"}, {std::string(1 << 20, 'x')}}},
          {{4, "Unknown server response"}, kDisconnected},
          {"Server response: HTTP/1.0 500 Oops"},
          0,
          ""});
}

TEST_F(NtripAnswerTest, ASourceTablePast8MiBIsDiscarded) {
    std::string table = "SOURCETABLE 200 OK\r\n\r\n";
    while (table.size() <= kMaxSourceTableBytes) table += "STR;MOUNT;site;RTCM 3.2;\r\n";
    Play({"a table without its end, past the cap",
          {{{table}}},
          {kClosed, kDisconnected},
          {},
          0,
          "",
          30000,
          ""});
    EXPECT_TRUE(events_.SourceTables.empty());
}

TEST_F(NtripAnswerTest, CapturedCasterAnswers) {
    TCapturedAnswers captured;
    if (!ReadCapturedAnswers(captured)) GTEST_SKIP() << "real-data folder absent";
    Play({"source table",
          {{{captured.SourceTable}}},
          {kDisconnected},
          {"Source table parsed: 4 mount points"},
          0,
          "",
          30000,
          ""});
    ASSERT_EQ(events_.SourceTables.size(), 1u);
    EXPECT_EQ(events_.SourceTables[0],
              (std::vector<std::string>{"VRS_3_2G", "MAC_3_2G", "FKP_3_2G", "EPS"}));
    const TAnswerCase cases[] = {
        {"401",
         {{{captured.Unauthorized}}},
         {{4, "401 - Invalid username or password"}, kDisconnected},
         {},
         0,
         ""},
        {"403",
         {{{captured.Forbidden}}},
         {{4, "403 - Access forbidden"}, kDisconnected},
         {},
         0,
         ""},
        {"ICY transcript: the stream starts right after the ICY line",
         {{{captured.IcyStream}}},
         {kConnected, kReceiving, kClosed, kDisconnected},
         {},
         1,
         captured.IcyStream.substr(kIcy.size())},
    };
    for (const TAnswerCase& c : cases) Play(c);
}

}  // namespace
