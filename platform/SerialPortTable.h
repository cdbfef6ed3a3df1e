#pragma once
// The machine's serial ports under the names "COM1" to "COM20".
//
// Section SERIAL_PORTS of the settings file maps "COMn" to a device path. A serial device
// present on the machine that the table does not hold yet gets the lowest free number and is
// stored, so a device keeps its number from run to run. A USB adapter is stored under its
// /dev/serial/by-id name, which stays the same when adapters are plugged in another order. A
// number whose device is absent keeps its entry for when the device comes back.

#include "platform/IniFile.h"

#include <string>
#include <vector>

inline constexpr int kFirstSerialPort = 1;
inline constexpr int kLastSerialPort = 20;

// "COM" followed by the decimal number.
std::string SerialPortName(int port);

// Serial devices present on this machine, by the paths the table stores, in name order:
// ports with a driver behind them (USB adapters, on-board UARTs that exist), not consoles or
// the unused placeholders of the on-board driver.
std::vector<std::string> PresentSerialDevices();

// Gives each of `devices` that the table of `settings` does not hold the lowest free number
// and stores it. Devices beyond the twentieth number stay without one.
void AssignSerialPortNumbers(TIniFile& settings, const std::vector<std::string>& devices);

// The device path of port `port` in the settings file, after numbering the present devices;
// empty when the number is outside 1 to 20 or has no device.
std::string SerialDevicePath(int port);

// The names "COMn" of the ports whose device exists, in number order, after numbering the
// present devices.
std::vector<std::string> SerialPortNames();
