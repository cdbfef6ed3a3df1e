#pragma once
// The settings window's port settings: the choices its combos offer, and how their texts become
// the fields of a serial component when "GPS Set" or "SBES Set" is clicked.

#include <array>
#include <string>
#include <vector>

class TOrvaltSerialGPS;

// The combos' lists, in list order. A choice's position in the data-width, stop-bits and
// priority lists gives the component's code.
inline constexpr std::array<const char*, 15> kBaudRateList = {
    "110",   "300",   "600",   "1200",  "2400",   "4800",   "9600",  "14400",
    "19200", "38400", "56000", "57600", "115200", "128000", "256000"};
inline constexpr std::array<const char*, 4> kDataWidthList = {"5", "6", "7", "8"};
inline constexpr std::array<const char*, 3> kStopBitsList = {"1", "1.5", "2"};
inline constexpr std::array<const char*, 5> kParityList = {"Even", "Mark", "None", "Odd", "Space"};
inline constexpr std::array<const char*, 7> kPriorityList = {
    "Higher", "Highest", "Idle", "Lower", "Lowest", "Normal", "TimeCritical"};
inline constexpr std::array<const char*, 20> kDelayList = {
    "1",   "5",   "10",   "100",  "200",  "300",  "400",   "500",   "600",   "700",
    "800", "900", "1000", "2000", "3000", "5000", "10000", "20000", "50000", "100000"};
inline constexpr std::array<const char*, 2> kBooleanList = {"True", "False"};

// The texts of one port's combos.
struct TPortSetTexts {
    std::string port, baudRate, dataWidth, stopBits, parity, priority, delay, nmeaLog, logTime,
        enableDTR, enableRTS;
};

// Copies the texts into the component field by field: port, baud rate, data bits, stop bits,
// parity (always none), priority, poll interval, NMEA log and its time stamps, DTR, RTS, and
// last the log file name. The first text that cannot be applied stops it, the fields before it
// applied, and its message is returned: a number or a True/False word that does not convert
// (the platform's conversion message), a port outside COM1 to COM20, a baud rate the port
// cannot run, a data width or stop-bits text that is not in the list, a delay longer than
// LongestPollIntervalMs. Empty when all applied.
std::string ApplyPortSettings(const TPortSetTexts& texts, const std::string& logFileName,
                              TOrvaltSerialGPS& port);

// The longest poll interval in ms at which one poll can take all that a port running at the
// baud rate with the component's data-bit and stop-bit codes receives meanwhile: a longer one
// loses bytes on a real port (at 115200 baud, 8 data bits and one stop bit, 5688 ms).
int LongestPollIntervalMs(int baudRate, int dataBitsCode, int stopBitsCode);

// One serial port a device of the run is set to.
struct TPortUse {
    const char* device;  // "GPS", "sensor", "NTRIP correction output"
    std::string port;    // the combo's text, "COM3" or "3"
};

// Refuses two devices on one port: "The GPS and the sensor are both set to COM3; each device
// needs a port of its own". Empty when all differ; texts that name no port are left to
// ApplyPortSettings.
std::string SharedPortError(const std::vector<TPortUse>& uses);
