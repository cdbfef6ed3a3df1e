#include "platform/SerialPortSink.h"

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
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

}  // namespace
