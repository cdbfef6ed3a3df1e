#include "platform/SerialDevice.h"

#include "platform/SerialBaudRate.h"
#include "tests/platform/PseudoTerminal.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <termios.h>

#include <chrono>
#include <fstream>

namespace {

TEST(SerialDevice, OpensRawAndHoldsThePortExclusively) {
    TPseudoTerminal terminal;
    TSerialDevice device;
    ASSERT_EQ(device.Open(terminal.SlavePath(), {}), TSerialOpenResult::Opened);
    EXPECT_GE(device.Handle(), 0);
    termios tio{};
    ASSERT_EQ(tcgetattr(device.Handle(), &tio), 0);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO), 0u);

    TSerialDevice second;
    EXPECT_EQ(second.Open(terminal.SlavePath(), {}), TSerialOpenResult::NotOpened);
    EXPECT_NE(second.LastError().find(terminal.SlavePath()), std::string::npos);
    EXPECT_EQ(second.Handle(), -1);

    device.Close();
    EXPECT_EQ(device.Handle(), -1);
    EXPECT_EQ(second.Open(terminal.SlavePath(), {}), TSerialOpenResult::Opened);
}

TEST(SerialDevice, SetsStandardAndCustomRates) {
    TPseudoTerminal terminal;
    for (int rate : {110, 9600, 14400, 115200, 230400, 250000}) {
        SCOPED_TRACE(rate);
        TSerialDevice device;
        TSerialSettings settings;
        settings.BaudRate = rate;
        ASSERT_EQ(device.Open(terminal.SlavePath(), settings), TSerialOpenResult::Opened);
        EXPECT_EQ(SerialBaudRate(device.Handle()), rate);
    }
}

TEST(SerialDevice, RefusesWhatIsNotASerialLine) {
    const std::string plainFile = TestTempFolder() + "not-a-port.txt";
    std::ofstream(plainFile) << "x";
    TPseudoTerminal terminal;
    TSerialSettings nineBits;
    nineBits.ByteSize = 9;
    TSerialSettings noRate;
    noRate.BaudRate = 0;
    struct {
        const char* legend;
        std::string path;
        TSerialSettings settings;
        TSerialOpenResult expected;
    } cases[] = {
        {"missing device", "/dev/no-such-port", {}, TSerialOpenResult::NotOpened},
        {"plain file", plainFile, {}, TSerialOpenResult::NotConfigured},
        {"nine data bits", terminal.SlavePath(), nineBits, TSerialOpenResult::NotConfigured},
        {"rate 0", terminal.SlavePath(), noRate, TSerialOpenResult::NotConfigured},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        TSerialDevice device;
        EXPECT_EQ(device.Open(c.path, c.settings), c.expected);
        EXPECT_FALSE(device.IsOpen());
        EXPECT_FALSE(device.LastError().empty());
    }
}

TEST(SerialDevice, ReadsWithoutWaitingAndCountsTheQueue) {
    TPseudoTerminal terminal;
    TSerialDevice device;
    ASSERT_EQ(device.Open(terminal.SlavePath(), {}), TSerialOpenResult::Opened);
    char buffer[16];
    EXPECT_EQ(device.QueuedBytes(), 0);
    EXPECT_LE(device.Read(buffer, sizeof buffer), 0) << "an empty port must not block";
    terminal.Send("abc\r\n");
    ASSERT_TRUE(TPseudoTerminal::WaitQueued(device.Handle(), 5));
    EXPECT_EQ(device.QueuedBytes(), 5);
    ASSERT_EQ(device.Read(buffer, sizeof buffer), 5);
    EXPECT_EQ(std::string(buffer, 5), "abc\r\n") << "raw mode keeps CR and LF as sent";
}

TEST(SerialDevice, WritesAreBoundedInTime) {
    TPseudoTerminal terminal;
    TSerialDevice device;
    ASSERT_EQ(device.Open(terminal.SlavePath(), {}), TSerialOpenResult::Opened);
    EXPECT_EQ(device.Write("$PCMD\r\n", 1000), 7u);
    EXPECT_EQ(terminal.Receive(7), "$PCMD\r\n");

    // Nobody reads the other end: the terminal's buffer fills and the write gives up.
    const std::string flood(1 << 20, 'x');
    const auto start = std::chrono::steady_clock::now();
    EXPECT_LT(device.Write(flood, 200), flood.size());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST(SerialDevice, HungUpPortFailsQuietly) {
    TPseudoTerminal terminal;
    TSerialDevice device;
    ASSERT_EQ(device.Open(terminal.SlavePath(), {}), TSerialOpenResult::Opened);
    terminal.HangUp();
    char buffer[16];
    EXPECT_EQ(device.QueuedBytes(), -1);
    EXPECT_LE(device.Read(buffer, sizeof buffer), 0);
    EXPECT_EQ(device.Write("x", 100), 0u);
    device.Close();
}

TEST(SerialDevice, SinkOfAClosedPortStaysClosed) {
    TPseudoTerminal terminal;
    TSerialDevice device;
    EXPECT_FALSE(device.Sink()->IsOpen());
    ASSERT_EQ(device.Open(terminal.SlavePath(), {}), TSerialOpenResult::Opened);
    const auto first = device.Sink();
    EXPECT_EQ(first->Write("ab", 100), 2u);
    EXPECT_EQ(terminal.Receive(2), "ab");
    device.Close();
    EXPECT_EQ(first->Write("cd", 100), 0u);
    ASSERT_EQ(device.Open(terminal.SlavePath(), {}), TSerialOpenResult::Opened);
    EXPECT_EQ(first->Write("ef", 100), 0u) << "an old sink must not reach the reopened port";
    EXPECT_EQ(device.Sink()->Write("gh", 100), 2u);
    EXPECT_EQ(terminal.Receive(2), "gh");
}

}  // namespace
