#pragma once
// How a serial line is framed, and how that maps onto termios.

#include <termios.h>

struct TSerialSettings {
    int BaudRate = 9600;   // bit/s; any positive rate, standard or not
    int ByteSize = 8;      // data bits, 5 to 8
    int StopBitsCode = 1;  // 1 one, 2 one and a half, 3 two; any other value one
    int ParityCode = 0;    // 0 none, 1 odd, 2 even, 3 mark, 4 space; other values keep the driver's
    bool EnableDTR = false;  // DTR raised while open, else lowered
    bool EnableRTS = false;  // RTS raised while open, else lowered
};

// Turns the driver's settings into a raw line with the given framing: no echo, no line
// editing, no character translation, no flow control, reads that never wait. The baud rate is
// left to SetSerialBaudRate. Returns false when the byte size is not 5 to 8.
bool ApplySerialLineSettings(termios& tio, const TSerialSettings& settings);
