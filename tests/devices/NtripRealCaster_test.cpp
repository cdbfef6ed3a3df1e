// The client against RTKLIB's str2str, a caster written by others, on 127.0.0.1.

#include "devices/OrvaltNTRIPClient.h"
#include "devices/OrvaltSerialGPS.h"
#include "devices/uNTRIPSettings.h"
#include "tests/devices/ByteThread.h"
#include "tests/devices/NtripAnswerSamples.h"
#include "tests/devices/NtripClientRecorder.h"
#include "tests/devices/NtripWindowSupport.h"
#include "tests/devices/Str2StrCaster.h"
#include "tests/devices/TestCaster.h"
#include "tests/platform/PseudoTerminal.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QTest>

#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>

namespace {

class NtripRealCasterTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(caster_.Started()) << caster_.Error(); }

    // The GNSS receiver's port on a pseudo-terminal, open as the main window holds it.
    void OpenGnssPort() {
        constexpr int kPort = 4;
        receiver_.MapToPort(kPort);
        gps_.Port = kPort;
        gps_.Open();
        ASSERT_TRUE(gps_.Connected());
    }

    void Point(const char* password, const char* mountPoint) {
        client_.Host = "127.0.0.1";
        client_.Port = caster_.OutPort();
        client_.Username = "user";
        client_.Password = password;
        client_.MountPoint = mountPoint;
    }

    TStr2StrCaster caster_;
    TPseudoTerminal receiver_;
    TOrvaltSerialGPS gps_;
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

    ASSERT_NO_FATAL_FAILURE(OpenGnssPort());
    client_.SetOutputHandle(gps_.PortSink());

    const int feeder = caster_.ConnectFeeder();
    ASSERT_GE(feeder, 0);
    Point("pass", "TEST");
    client_.GgaInterval = 1;
    client_.Connect();
    ASSERT_TRUE(QTest::qWaitFor([this] { return client_.Connected.load(); }));

    std::string atReceiver;
    std::thread drain([&] { atReceiver = receiver_.Receive(feed.size(), 30000); });
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

using TClock = std::chrono::steady_clock;

long MillisecondsBetween(TClock::time_point from, TClock::time_point to) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count());
}

// Feeds str2str 1 KiB every 100 ms, connecting again whenever the caster went away.
std::optional<std::string> FeedABlock(const TStr2StrCaster& caster, int& fd, unsigned& block) {
    if (fd < 0) fd = caster.ConnectFeeder();
    if (fd >= 0 && !SendAll(fd, RandomBytes(1024, block++))) {
        ::close(fd);
        fd = -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return std::string();
}

// The mobile link drops mid-survey: the caster is gone for 12 s and comes back. The window's
// connection keeps trying through the outage, logs each attempt, and the receiver gets its
// corrections again within 6 s of the caster's return, each byte the client received.
TEST_F(NtripRealCasterTest, CorrectionsResumeAfterA12SecondOutage) {
    ASSERT_NO_FATAL_FAILURE(OpenGnssPort());
    std::string delivered;  // outlives the window, whose last hand-offs may still add to it
    TfrmNTRIPSettings window;
    window.Client->OnDataReceived = [&delivered, handler = window.Client->OnDataReceived](
                                        TOrvaltNTRIPClient* sender, const char* data, int length) {
        handler(sender, data, length);
        delivered.append(data, static_cast<std::size_t>(length));
    };
    window.AttachGpsPort(gps_.PortSink(), "COM4");
    window.edtServer->setText("127.0.0.1");
    window.edtPort->setText(QString::number(caster_.OutPort()));
    window.edtUsername->setText("user");
    window.edtPassword->setText("pass");
    window.boxMountpoint->addItem("TEST");
    TByteThread tap([this] { return receiver_.Receive(1 << 20, 50); });
    int feederFd = -1;
    TByteThread feeder([&, block = 0u]() mutable { return FeedABlock(caster_, feederFd, block); });
    window.btnConnectClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return tap.Bytes().size() >= 5000; }, 10000));

    caster_.Stop();
    QTest::qWait(12000);
    ASSERT_TRUE(caster_.Start()) << caster_.Error();
    const auto back = TClock::now();
    const std::size_t beforeReturn = tap.Bytes().size();
    const bool resumed =
        QTest::qWaitFor([&] { return tap.Bytes().size() > beforeReturn + 2000; }, 10000);
    const long resumedAfterMs = MillisecondsBetween(back, TClock::now());
    window.Client->Disconnect();
    QTest::qWait(300);
    tap.Stop();
    feeder.Stop();
    if (feederFd >= 0) ::close(feederFd);

    ASSERT_TRUE(resumed) << "no corrections after the caster came back";
    std::printf("corrections again %ld ms after the caster's return\n", resumedAfterMs);
    EXPECT_LT(resumedAfterMs, 6000);
    for (const char* line : {"Connection closed", "Reconnect attempt 1/10",
                             "Failed to connect to 127.0.0.1", "Reconnect attempt 2/10"}) {
        EXPECT_TRUE(NtripLogged(window, line)) << line;
    }
    EXPECT_FALSE(NtripLogged(window, "Max reconnect attempts reached"));
    EXPECT_TRUE(tap.Bytes() == delivered)
        << "the receiver got " << tap.Bytes().size() << " of " << delivered.size() << " bytes";
}

}  // namespace
