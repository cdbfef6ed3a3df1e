#include "platform/SerialBaudRate.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

#include <cstdlib>

bool SetSerialBaudRate(int fd, int rate) {
    if (rate <= 0) return false;
    termios2 tio{};
    if (::ioctl(fd, TCGETS2, &tio) != 0) return false;
    tio.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT));
    tio.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    tio.c_ispeed = static_cast<speed_t>(rate);
    tio.c_ospeed = static_cast<speed_t>(rate);
    if (::ioctl(fd, TCSETS2, &tio) != 0) return false;
    const int actual = SerialBaudRate(fd);
    return actual > 0 && std::abs(actual - rate) <= rate / 50;
}

int SerialBaudRate(int fd) {
    termios2 tio{};
    if (::ioctl(fd, TCGETS2, &tio) != 0) return -1;
    return static_cast<int>(tio.c_ospeed);
}
