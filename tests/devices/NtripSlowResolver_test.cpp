// The NTRIP client while the caster's name takes 8 s to look up, as with a name server out of
// reach: Disconnect, a new Connect and the client's end return at once, leaving the look-up
// behind; its late result reaches nobody. Run with the slow-resolver library preloaded (the
// test's CTest entry does that); AddressSanitizer then sees whether a left look-up touches
// memory the client has freed.

#include "devices/OrvaltNTRIPClient.h"
#include "tests/devices/NtripClientRecorder.h"
#include "tests/devices/TestCaster.h"
#include "tests/support/SlowResolver.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

#include <memory>

namespace {

constexpr qint64 kBoundMs = 100;

template <class TCall>
qint64 Timed(TCall call) {
    QElapsedTimer timer;
    timer.start();
    call();
    return timer.elapsed();
}

struct TSlowClient {
    explicit TSlowClient(int port) {
        client->Host = kSlowResolverHost;
        client->Port = port;
        client->MountPoint = "TEST";
    }
    // Connects and returns once the look-up has begun.
    void Connect() {
        const int before = SlowLookUpsStarted();
        client->Connect();
        EXPECT_TRUE(QTest::qWaitFor([&] { return SlowLookUpsStarted() > before; }));
    }
    std::unique_ptr<TOrvaltNTRIPClient> client = std::make_unique<TOrvaltNTRIPClient>();
    TNtripClientRecorder events{*client};
};

TEST(NtripSlowResolver, DisconnectConnectAndTheEndLeaveTheLookUpBehind) {
    ASSERT_GE(SlowLookUpsStarted(), 0) << "the slow-resolver library is not preloaded";
    TTestCaster caster;  // a look-up that came through late must not lead here
    TSlowClient disconnected(caster.Port());
    TSlowClient connectedAgain(caster.Port());
    TSlowClient ended(caster.Port());

    disconnected.Connect();
    EXPECT_LT(Timed([&] { disconnected.client->Disconnect(); }), kBoundMs);
    connectedAgain.Connect();
    EXPECT_LT(Timed([&] { connectedAgain.client->Connect(); }), kBoundMs)
        << "a Connect while a look-up runs";
    EXPECT_LT(Timed([&] { connectedAgain.client->Disconnect(); }), kBoundMs);
    ended.Connect();
    EXPECT_LT(Timed([&] { ended.client.reset(); }), kBoundMs) << "the client's end";

    const std::size_t statuses = disconnected.events.Statuses.size();
    const std::size_t logs = disconnected.events.Logs.size();
    const std::size_t statusesAgain = connectedAgain.events.Statuses.size();
    ASSERT_TRUE(
        QTest::qWaitFor([] { return SlowLookUpsFinished() == SlowLookUpsStarted(); }, 20000));
    QTest::qWait(100);
    EXPECT_GE(SlowLookUpsStarted(), 3);
    EXPECT_EQ(disconnected.events.Statuses.size(), statuses) << "a report after Disconnect";
    EXPECT_EQ(disconnected.events.Logs.size(), logs) << "a log line after Disconnect";
    EXPECT_EQ(connectedAgain.events.Statuses.size(), statusesAgain);
    EXPECT_EQ(caster.Accept(0), -1) << "a late look-up led to a connection";
}

}  // namespace
