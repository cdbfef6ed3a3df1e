#pragma once
// Start and stop of real time, without windows: the order in which the geodesy log is
// written, the port settings are applied, the two serial ports open and close, the
// navigation state's start and sounder values are set and cleared, and what the surveyor and
// the day's events log are told.
//
// A port that does not open is reported ("Cannot open GPS on COM3"); real time still counts
// as started, as the surveyor may plug the receiver in and start again. An error while the
// geodesy log is written or the settings are applied stops the start before any port is
// touched, and real time stays stopped.

#include <string>

// A serial port as real time uses it.
class TRealtimePort {
public:
    virtual ~TRealtimePort() = default;
    // A port that cannot be opened stays closed; Open may also throw.
    virtual void Open() = 0;
    virtual void Close() = 0;
    virtual bool Connected() const = 0;
    virtual std::string PortName() const = 0;  // "COM3"
};

// What start and stop change beyond the ports and the navigation state: the settings
// window's port actions, the timers and the windows.
class TRealtimeWindows {
public:
    virtual ~TRealtimeWindows() = default;
    // "GPS Set" and "SBES Set": false when a setting could not be applied (already shown).
    virtual bool ApplyPortSettings() = 0;
    virtual bool SensorEnabled() const = 0;
    // A line in the message window's memo, without showing the window or logging the text.
    virtual void AddMessageLine(const std::string& text) = 0;
    // The sounder watch: the echogram timer runs and the depth frames wait for the first line.
    virtual void WatchSensor() = 0;
    // Without a sounder the real-time window shows no depth frames.
    virtual void HideDepthFrames() = 0;
    // Caption and colour of the tool bar.
    virtual void ShowStarted() = 0;
    // Stops the map and echogram timers, hides the echogram, and the tool bar shows stopped.
    virtual void ShowStopped() = 0;
};

class TRealtimeSwitch {
public:
    TRealtimeSwitch(TRealtimePort& gps, TRealtimePort& sensor, TRealtimeWindows& windows)
        : gps_(gps), sensor_(sensor), windows_(windows) {}

    // Starts real time when it is stopped and stops it when it runs (RealtimeRunning).
    void Toggle();

private:
    bool Start();
    void OpenSensor();
    void Stop();

    TRealtimePort& gps_;
    TRealtimePort& sensor_;
    TRealtimeWindows& windows_;
};
