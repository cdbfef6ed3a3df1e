#include "navigation/RealtimeSwitch.h"

#include "app/StatusReport.h"
#include "navigation/GeodeticParametersLog.h"
#include "navigation/NavigationState.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/EventLog.h"

#include <algorithm>
#include <exception>

namespace {

void Report(const std::string& text) { ReportStatus(QString::fromStdString(text)); }

// 0 stands for "stopped", so a start at tick 0 (a test clock) still counts as a start.
std::uint64_t StartTick() { return std::max<std::uint64_t>(GetTickCount(), 1); }

// The position and the grid position of the last run are no position of this one.
void ClearPosition() {
    CurrentLatitude = CurrentLongitude = CurrentHeight = 0;
    CurrentEasting = CurrentNorthing = 0;
    PendingDepthLabel.reset();
}

}  // namespace

void TRealtimeSwitch::Toggle() {
    if (RealtimeRunning) {
        Stop();
        RealtimeRunning = false;
    } else if (Start()) {
        RealtimeRunning = true;
    }
}

bool TRealtimeSwitch::Start() {
    if (!windows_.StoreSettings()) return false;
    std::string error;
    if (!AppendGeodeticParametersLog(error)) {
        ShowMessage(QString::fromStdString(error));
        return false;
    }
    if (!windows_.ApplyPortSettings()) return false;
    windows_.LoadGeodesy();
    ClearPosition();
    // From here the start cannot be refused; logged first, the session's records read in the
    // order they happen between "STARTED" and "STOPPED".
    AppendEventLog("Realtime STARTED", EventLogFilePath());
    gps_.Open();
    if (!gps_.Connected()) Report("Cannot open GPS on " + gps_.PortName());
    RealtimeStartTick = StartTick();
    if (windows_.SensorEnabled()) {
        OpenSensor();
        windows_.WatchSensor();
        SensorOpenTick = StartTick();
        SensorTimeoutReported = false;
    } else {
        windows_.HideDepthFrames();
    }
    windows_.ShowStarted();
    return true;
}

void TRealtimeSwitch::OpenSensor() {
    try {
        sensor_.Open();
    } catch (const std::exception& e) {
        Report(std::string("ZSENSOR Open failed: ") + e.what());
        return;
    } catch (...) {
        Report("ZSENSOR Open failed with unknown error");
        return;
    }
    if (sensor_.Connected()) {
        windows_.AddMessageLine("ZSENSOR Open called on port: " + sensor_.PortName());
    } else {
        Report("Cannot open sensor on " + sensor_.PortName());
    }
}

void TRealtimeSwitch::Stop() {
    gps_.Close();
    sensor_.Close();
    SensorWindowsShown = false;
    LastSensorTick = 0;
    SensorOpenTick = 0;
    SensorTimeoutReported = false;
    RealtimeStartTick = 0;
    windows_.ShowStopped();
    AppendEventLog("Realtime STOPPED", EventLogFilePath());
}
