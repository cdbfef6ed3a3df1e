#pragma once
// The serial NMEA port: one COM port, polled by a timer on the user-interface thread.
//
// Each poll tick reads, without waiting, what has queued up (at most 64 KiB), cuts the received
// text into lines at "\n", logs each trimmed non-empty line, reports it through OnNewCommand
// and decodes the GGA, RMC and VTG sentences among them (NmeaDecoding.cpp). A second timer
// reports silence once per silent period. Port and device problems raise nothing: the port
// simply stays closed or quiet, and the owner looks at Connected().
//
// The component has no thread of its own. The one other thread that touches the port, the
// NTRIP worker, writes through PortSink(), never through the bare descriptor.

#include "platform/SerialDevice.h"
#include "platform/SerialPortSink.h"

#include <QTimer>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Speeds arrive in knots and are kept in km/h.
inline constexpr double kKmPerNauticalMile = 1.852;
// One poll reads what has queued up, but no more than this, so that a flood cannot hold the
// user-interface thread; a poll interval must not let more arrive (PortSettings.h).
inline constexpr std::size_t kMaxPollBytes = 64 * 1024;

// A write to the GNSS port, by the user interface or by the NTRIP worker, waits at most this
// long for the port to take it.
inline constexpr int kGnssPortWriteTimeoutMs = 1000;

class TOrvaltSerialGPS {
public:
    TOrvaltSerialGPS();
    // Stops the timers and unbinds every event before closing, so no owner handler runs
    // during teardown.
    ~TOrvaltSerialGPS();
    TOrvaltSerialGPS(const TOrvaltSerialGPS&) = delete;
    TOrvaltSerialGPS& operator=(const TOrvaltSerialGPS&) = delete;

    // Port settings, written by the owner; they take effect at the next Open.
    int Port = 1;         // COM port number, looked up in the port table
    int BaudRate = 9600;  // bit/s, passed to the port unchanged
    int DataBits = 4;     // byte size minus 4: 4 is 8 bits, 1 is 5 bits
    int StopBits = 1;     // 1 one, 2 one and a half, 3 two; any other value one
    int Parity = 0;       // 0 none, 1 odd, 2 even, 3 mark, 4 space; 5 and above keep the port's
    std::uint8_t Priority = 3;   // kept for the settings window; not used here
    int PollInterval = 50;       // ms; 0 or less means 50
    bool NmeaLog = false;        // write every received line to LogFileName
    bool LogTimeStamps = false;  // prefix logged lines with the local date and time
    bool EnableDTR = false;
    bool EnableRTS = false;
    std::string LogFileName;
    int IdleInterval = 10000;               // silence period in ms; 0 or less means 10000
    std::string TimeFormat = "hhnnsszzz";   // kept for the owner; not used here
    std::string DateFormat = "YYYY-MM-DD";  // kept for the owner; not used here

    // Events, unbound until the owner assigns them; the sender comes first.
    std::function<void(TOrvaltSerialGPS* Sender, int Port)> OnConnect;
    std::function<void(TOrvaltSerialGPS* Sender, int Port)> OnDisconnect;
    std::function<void(TOrvaltSerialGPS* Sender)> OnIdle;
    std::function<void(TOrvaltSerialGPS* Sender)> OnTimeout;  // bound by the owner, never raised
    std::function<void(TOrvaltSerialGPS* Sender, const std::string& Line)> OnNewCommand;
    std::function<void(TOrvaltSerialGPS* Sender, const std::string& Text)> OnSend;
    std::function<void(TOrvaltSerialGPS* Sender, double Lat, double Lon, double Alt)>
        OnPosition3DChange;
    std::function<void(TOrvaltSerialGPS* Sender, double Speed)> OnSpeedChange;  // km/h

    // Opens and configures the port, then fires OnConnect. Does nothing when already open; on
    // any failure the port stays closed and nothing is fired.
    void Open();
    // Stops both timers; when the port is open, closes it and the log, zeroes the position and
    // speed values and fires OnDisconnect with the port that was open.
    void Close();
    // Writes the text as it is (the caller adds any line end) within one second, and fires
    // OnSend only when all of it was written. Does nothing while closed.
    void Send(const std::string& text);

    // The port's descriptor, -1 while closed.
    int Handle() const { return device_.Handle(); }
    bool Connected() const { return connected_; }
    // Where the NTRIP worker writes corrections to this port from its own thread. The sink of
    // one opening stays valid, but closed, once the port closes or opens again.
    std::shared_ptr<TSerialPortSink> PortSink() const { return device_.Sink(); }

    // Values of the last decoded sentences; 0 while closed.
    int GetFixQuality() const { return fixQuality_; }
    int GetSatellites() const { return satellites_; }
    double GetCourse() const { return course_; }  // degrees
    double GetSpeed() const { return speed_; }    // km/h
    double GetLatitude() const { return lat_; }   // degrees, north positive
    double GetLongitude() const { return lon_; }  // degrees, east positive
    double GetAltitude() const { return alt_; }   // metres
    // GetTickCount() of the last GGA that gave a position other than (0, 0), at least 1; 0 when
    // none came since the port opened or the position was forgotten, and after a GGA without one.
    std::uint64_t GetPositionTick() const { return positionTick_; }
    // Forgets the last decoded position and its fix quality (both read 0 until the next GGA), so
    // that the next GGA reports its position even when it is the one before.
    void ForgetPosition();
    // Positions off the globe and speeds negative or not finite that decoding skipped.
    std::uint64_t SkippedValues() const { return skippedValues_; }
    // Received text after the last line end.
    const std::string& RxBuffer() const { return rxBuffer_; }
    const QTimer& PollTimer() const { return pollTimer_; }
    const QTimer& IdleTimer() const { return idleTimer_; }

    // Timer handlers, public so that tests can tick them by hand.
    void PollTimerTick();
    void IdleTimerTick();
    // Takes one chunk as read from the port: its NUL bytes are dropped, the rest is framed.
    void ReceiveBytes(std::string_view chunk);
    // Reports and decodes every complete line in RxBuffer().
    void ProcessBuffer();

    // Sentence decoding (NmeaDecoding.cpp).
    void ParseSentence(std::string_view line);
    void ParseGGA(std::string_view sentence);
    void ParseRMC(std::string_view sentence);
    void ParseVTG(std::string_view sentence);
    // Stores a decoded speed in km/h and reports a change; skips one that cannot be a speed.
    void StoreSpeed(double speed);
    // Splits at every separator, empty fields included: n separators give n + 1 fields. The
    // fields point into `text`.
    static std::vector<std::string_view> SplitFields(std::string_view text, char separator);
    // An NMEA coordinate (ddmm.mmm, or dddmm.mmm when the hemisphere is "E" or "W") in signed
    // decimal degrees; 0 when the text has no "." from its third character on.
    static double NmeaToDegrees(std::string_view value, std::string_view hemisphere);

    // Text helpers of the settings window.
    // The number after an optional "COM" (any letter case): "COM25" gives 25; nothing when the
    // rest is not an integer.
    static std::optional<int> PortNumberOf(const std::string& text);
    // "COM7", "com7" and "7" give 7; the result is clamped to 1..20, unreadable text gives 1.
    static int ParsePortNumber(const std::string& text);
    // The rate when it is one of the supported ones, else 9600.
    static int ValidateBaudRate(int rate);
    // "COM" followed by the decimal number.
    static std::string PortName(int port);

private:
    TSerialSettings LineSettings() const;
    void LogLine(const std::string& line);
    void CloseLog();
    void ClearReadings();

    TSerialDevice device_;
    bool connected_ = false;
    int openPort_ = 0;              // the port number reported when it closes
    std::uint64_t closeCount_ = 0;  // tells ProcessBuffer that a handler closed the port
    double lat_ = 0;
    double lon_ = 0;
    double alt_ = 0;
    double speed_ = 0;
    double course_ = 0;
    int fixQuality_ = 0;
    int satellites_ = 0;
    std::uint64_t positionTick_ = 0;
    std::uint64_t skippedValues_ = 0;
    std::string rxBuffer_;
    QTimer pollTimer_;
    QTimer idleTimer_;
    bool dataSeen_ = false;      // bytes arrived since the last idle tick
    bool idleReported_ = false;  // OnIdle fired for the current silent period
    std::FILE* logFile_ = nullptr;
};
