// The client against RTKLIB's str2str, a caster written by others, on 127.0.0.1.

#include "devices/OrvaltNTRIPClient.h"
#include "devices/OrvaltSerialGPS.h"
#include "tests/devices/NtripClientRecorder.h"
#include "tests/devices/Str2StrCaster.h"
#include "tests/devices/TestCaster.h"
#include "tests/platform/PseudoTerminal.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QTest>

#include <sys/socket.h>
#include <unistd.h>

#include <thread>

namespace {

class NtripRealCasterTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(caster_.Started()) << caster_.Error(); }

    void Point(const char* password, const char* mountPoint) {
        client_.Host = "127.0.0.1";
        client_.Port = caster_.OutPort();
        client_.Username = "user";
        client_.Password = password;
        client_.MountPoint = mountPoint;
    }

    TStr2StrCaster caster_;
    TOrvaltNTRIPClient client_;
    TNtripClientRecorder events_{client_};
};

TEST_F(NtripRealCasterTest, SourceTableListsTheMountPoint) {
    Point("pass", "");
    client_.FetchSourceTable();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !events_.SourceTables.empty(); }));
    EXPECT_EQ(events_.SourceTables[0], std::vector<std::string>{"TEST"});
}

// This caster sends its 401 line and closes without the header's blank line.
TEST_F(NtripRealCasterTest, WrongPasswordIsReportedAsSuch) {
    Point("wrong", "TEST");
    client_.AutoReconnect = false;
    client_.Connect();
    ASSERT_TRUE(QTest::qWaitFor([this] { return events_.Ended(); }));
    EXPECT_EQ(events_.Statuses.at(1), (TNtripStatus{4, "401 - Invalid username or password"}));
}

// Two real correction files go through the caster and the client to the GNSS port, byte for
// byte, while the client's GGA comes back to the feeder through the caster.
TEST_F(NtripRealCasterTest, CorrectionsReachTheGnssPortWhole) {
    const std::string folder = RealDataFolder();
    if (folder.empty()) GTEST_SKIP() << "real-data folder absent";
    const std::string feed = ReadFileBytes(folder + "rtcm3/pygnssutils__ntrip_encode_none.rtcm3") +
                             ReadFileBytes(folder + "rtcm3/rtklib__GMSD7_20121014.rtcm3");
    ASSERT_EQ(feed.size(), 63380u + 262144u);

    constexpr int kPort = 4;
    TPseudoTerminal receiver;
    receiver.MapToPort(kPort);
    TOrvaltSerialGPS gps;
    gps.Port = kPort;
    gps.Open();
    ASSERT_TRUE(gps.Connected());
    client_.SetOutputHandle(gps.PortSink());

    const int feeder = caster_.ConnectFeeder();
    ASSERT_GE(feeder, 0);
    Point("pass", "TEST");
    client_.GgaInterval = 1;
    client_.Connect();
    ASSERT_TRUE(QTest::qWaitFor([this] { return client_.Connected.load(); }));

    std::string atReceiver;
    std::thread drain([&] { atReceiver = receiver.Receive(feed.size(), 30000); });
    std::string relayed;
    std::thread feed1k([&] {
        constexpr std::size_t kChunk = 1024;  // a whole file at once makes str2str drop us
        for (std::size_t i = 0; i < feed.size(); i += kChunk) {
            if (!SendAll(feeder, std::string_view(feed).substr(i, kChunk))) return;
            relayed += ReadFor(feeder, 5);
        }
        relayed += ReadFor(feeder, 200);
    });
    const bool all = QTest::qWaitFor(
        [&] { return client_.BytesReceived == static_cast<std::int64_t>(feed.size()); }, 30000);
    feed1k.join();
    drain.join();
    client_.Disconnect();
    ::close(feeder);

    EXPECT_TRUE(all) << client_.BytesReceived << " of " << feed.size() << " bytes received";
    EXPECT_TRUE(atReceiver == feed) << "the receiver got " << atReceiver.size() << " bytes";
    const auto lines = UploadedLines(relayed);
    ASSERT_FALSE(lines.empty()) << "no GGA came back through the caster";
    for (const std::string& line : lines) EXPECT_TRUE(IsValidGga(line));
}

}  // namespace
