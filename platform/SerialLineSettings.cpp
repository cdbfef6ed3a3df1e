#include "platform/SerialLineSettings.h"

namespace {

constexpr tcflag_t kParityBits = PARENB | PARODD | CMSPAR;

tcflag_t ByteSizeFlag(int byteSize) {
    switch (byteSize) {
        case 5:
            return CS5;
        case 6:
            return CS6;
        case 7:
            return CS7;
        default:
            return CS8;
    }
}

// termios knows one or two stop bits; a UART asked for two sends one and a half with 5-bit
// bytes, which is the only size where one and a half exists on the wire.
tcflag_t StopBitsFlag(int code) { return (code == 2 || code == 3) ? CSTOPB : 0; }

tcflag_t ParityFlags(int code, tcflag_t driverParity) {
    switch (code) {
        case 0:
            return 0;
        case 1:
            return PARENB | PARODD;
        case 2:
            return PARENB;
        case 3:
            return PARENB | CMSPAR | PARODD;
        case 4:
            return PARENB | CMSPAR;
        default:
            return driverParity;
    }
}

}  // namespace

bool ApplySerialLineSettings(termios& tio, const TSerialSettings& settings) {
    if (settings.ByteSize < 5 || settings.ByteSize > 8) return false;
    const tcflag_t driverParity = tio.c_cflag & kParityBits;
    cfmakeraw(&tio);
    tio.c_cflag &= ~(CSIZE | CSTOPB | kParityBits | CRTSCTS);
    tio.c_cflag |= CLOCAL | CREAD | ByteSizeFlag(settings.ByteSize) |
                   StopBitsFlag(settings.StopBitsCode) |
                   ParityFlags(settings.ParityCode, driverParity);
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    return true;
}
