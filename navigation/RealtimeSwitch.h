#pragma once
// Start and stop of real time, without windows: the order in which the settings in use are
// stored, the geodesy log is written from them, the port settings are applied, the run's
// projection is loaded, the two serial ports open and close, the navigation state's start and
// sounder values are set and cleared, and what the surveyor and the day's events log are told.
//
// A start first stores the settings window's ports, telegram format and geodesy, so that the
// log, the settings file and the records of the run agree, and a new user's settings outlive
// the program. It clears the position, so nothing of an earlier run is written in this one.
//
// A port that does not open is reported ("Cannot open GPS on COM3"); real time still counts
// as started, as the surveyor may plug the receiver in and start again. A store that fails, an
// error while the geodesy log is written, or port settings that are refused stop the start
// before any port is touched, and real time stays stopped.

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
    // Stores the settings in use in one rewrite of the settings file: false when it could not
    // be written (already told).
    virtual bool StoreSettings() = 0;
    // "GPS Set" and "SBES Set": false when a setting could not be applied (already shown).
    virtual bool ApplyPortSettings() = 0;
    // Loads the run's projection from the stored settings, telling what cannot be used.
    virtual void LoadGeodesy() = 0;
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
