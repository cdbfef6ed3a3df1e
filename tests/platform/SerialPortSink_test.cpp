#include "platform/SerialPortSink.h"

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

TEST(SerialPortSink, ClosedSinkWritesNothing) {
    TSerialPortSink sink(-1);
    EXPECT_FALSE(sink.IsOpen());
    EXPECT_EQ(sink.Write("abc", 100), 0u);
}

// The worker keeps writing while the port closes and the system hands the same descriptor
// number to a new file: not one byte may reach that file.
TEST(SerialPortSink, NoByteReachesAReusedDescriptor) {
    int pipeEnds[2];
    ASSERT_EQ(::pipe2(pipeEnds, O_NONBLOCK | O_CLOEXEC), 0);
    auto sink = std::make_shared<TSerialPortSink>(pipeEnds[1]);
    std::atomic<bool> stop = false;
    std::atomic<long> writtenWhileOpen = 0;
    std::thread worker([&] {
        while (!stop) {
            const std::size_t n = sink->Write("RTCM", 5);
            if (sink->IsOpen()) writtenWhileOpen += static_cast<long>(n);
        }
    });
    char drain[4096];
    while (writtenWhileOpen < 4096) (void)::read(pipeEnds[0], drain, sizeof drain);

    sink->Close();
    const std::string reusedPath = TestTempFolder() + "reused-descriptor.bin";
    const int reused = ::open(reusedPath.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    ASSERT_GE(reused, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    stop = true;
    worker.join();

    EXPECT_EQ(::lseek(reused, 0, SEEK_END), 0) << "bytes leaked into the file at fd " << reused;
    ::close(reused);
    ::close(pipeEnds[0]);
}

using TClock = std::chrono::steady_clock;

long MillisecondsSince(TClock::time_point start) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(TClock::now() - start).count());
}

// A GNSS port that takes nothing (flow control held, a receiver that stopped reading): the
// user-interface thread closes it while the worker's write waits, and a second writer queues
// behind that one. Close returns at once; both writes give up; the port is closed after them.
TEST(SerialPortSink, CloseAbandonsAStalledWrite) {
    int master = -1;
    int slave = -1;
    ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    const int port = ::fcntl(slave, F_DUPFD_CLOEXEC, 0);
    ::close(slave);
    ASSERT_EQ(::fcntl(port, F_SETFL, O_NONBLOCK), 0);
    auto sink = std::make_shared<TSerialPortSink>(port);
    while (sink->Write(std::string(4096, 'f'), 20) == 4096) {
    }  // the terminal's buffer is full now
    const std::string block(4095, 'R');
    std::atomic<long> firstMs = -1;
    std::atomic<long> secondMs = -1;
    std::size_t firstWritten = 1;
    std::size_t secondWritten = 1;
    const auto start = TClock::now();
    std::thread first([&] {
        firstWritten = sink->Write(block, 10000);
        firstMs = MillisecondsSince(start);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::thread second([&] {
        secondWritten = sink->Write(block, 10000);
        secondMs = MillisecondsSince(start);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const auto closing = TClock::now();
    sink->Close();
    const long closeMs = MillisecondsSince(closing);
    first.join();
    second.join();

    EXPECT_LT(closeMs, 100);
    EXPECT_FALSE(sink->IsOpen());
    EXPECT_LT(firstMs, 1000) << "the first write waited for its own deadline";
    EXPECT_LT(secondMs, 1000) << "the second write waited for its own deadline";
    EXPECT_LT(firstWritten, block.size());
    EXPECT_EQ(secondWritten, 0u);
    EXPECT_EQ(::fcntl(port, F_GETFD), -1) << "the port's descriptor is still open";
    ::close(master);
}

}  // namespace
