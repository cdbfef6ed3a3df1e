#pragma once
// Line speed of a serial descriptor, set through termios2 so that rates outside the POSIX
// table (14400, 250000, ...) work as well as the standard ones. Kept apart from
// <termios.h>, whose struct termios clashes with the kernel's.

// Sets input and output speed to `rate` bit/s. Returns false when the driver refuses it or
// settles more than 2 % away, more than a UART frame can absorb.
bool SetSerialBaudRate(int fd, int rate);

// The output speed in bit/s, or -1 when it cannot be read.
int SerialBaudRate(int fd);
