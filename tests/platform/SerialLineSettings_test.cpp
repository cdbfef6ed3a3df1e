#include "platform/SerialLineSettings.h"

#include <gtest/gtest.h>

namespace {

constexpr tcflag_t kParityBits = PARENB | PARODD | CMSPAR;

// What a driver might report before the port is configured: cooked, echoing, 7E1.
termios CookedDriverSettings() {
    termios tio{};
    tio.c_iflag = ICRNL | IXON;
    tio.c_oflag = OPOST | ONLCR;
    tio.c_lflag = ICANON | ECHO | ISIG;
    tio.c_cflag = CS7 | PARENB | CRTSCTS;
    tio.c_cc[VMIN] = 1;
    return tio;
}

TEST(SerialLineSettings, MakesARawNonWaitingLine) {
    termios tio = CookedDriverSettings();
    ASSERT_TRUE(ApplySerialLineSettings(tio, TSerialSettings{}));
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(tio.c_iflag & (ICRNL | IXON), 0u) << "CR must reach the line framing untouched";
    EXPECT_EQ(tio.c_oflag & OPOST, 0u);
    EXPECT_EQ(tio.c_cflag & (CLOCAL | CREAD), tcflag_t(CLOCAL | CREAD));
    EXPECT_EQ(tio.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(tio.c_cc[VMIN], 0);
    EXPECT_EQ(tio.c_cc[VTIME], 0);
}

TEST(SerialLineSettings, FramingCodes) {
    struct {
        const char* legend;
        int byteSize, stopBitsCode, parityCode;
        tcflag_t size, stop, parity;
    } cases[] = {
        {"8N1", 8, 1, 0, CS8, 0, 0},
        {"odd", 8, 1, 1, CS8, 0, PARENB | PARODD},
        {"even", 7, 1, 2, CS7, 0, PARENB},
        {"mark", 8, 1, 3, CS8, 0, PARENB | CMSPAR | PARODD},
        {"space", 8, 1, 4, CS8, 0, PARENB | CMSPAR},
        {"parity code 5 keeps the driver's even parity", 8, 1, 5, CS8, 0, PARENB},
        {"two stop bits", 6, 3, 0, CS6, CSTOPB, 0},
        {"one and a half stop bits on 5-bit bytes", 5, 2, 0, CS5, CSTOPB, 0},
        {"an unknown stop-bits code means one", 8, 0, 0, CS8, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        termios tio = CookedDriverSettings();
        TSerialSettings settings;
        settings.ByteSize = c.byteSize;
        settings.StopBitsCode = c.stopBitsCode;
        settings.ParityCode = c.parityCode;
        ASSERT_TRUE(ApplySerialLineSettings(tio, settings));
        EXPECT_EQ(tio.c_cflag & CSIZE, c.size);
        EXPECT_EQ(tio.c_cflag & CSTOPB, c.stop);
        EXPECT_EQ(tio.c_cflag & kParityBits, c.parity);
    }
}

TEST(SerialLineSettings, RefusesByteSizesOutsideFiveToEight) {
    for (int byteSize : {0, 4, 9}) {
        termios tio = CookedDriverSettings();
        TSerialSettings settings;
        settings.ByteSize = byteSize;
        EXPECT_FALSE(ApplySerialLineSettings(tio, settings)) << byteSize;
    }
}

}  // namespace
