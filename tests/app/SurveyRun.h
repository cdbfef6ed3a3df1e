#pragma once
// A surveyor's start in one process, for the end-to-end tests and the latency benchmark: the
// settings saved beforehand (two ports mapped to pseudo-terminals, a sounder format, a grid on
// WGS 84, the vessel offsets), the whole window set created and shown, the map timer's rate
// set, and real time started with the offsets window's "Realtime". The test plays the receiver
// and the sounder on the pseudo-terminals' device side.

#include "app/StartUp.h"
#include "tests/platform/PseudoTerminal.h"
#include "tests/support/ScriptedDialogs.h"

#include <string>
#include <string_view>
#include <vector>

// The grid of the run: zone of central meridian -15, southern false northing.
inline constexpr const char* kSurveyRunProjection =
    "+proj=tmerc +lon_0=-15 +k=0.9996 +x_0=500000 +y_0=10000000 +ellps=WGS84";
// The Lambert grid a run may start with instead: two standard parallels about the survey.
inline constexpr const char* kSurveyRunLambert =
    "+proj=lcc +lat_1=-20 +lat_2=-24 +lat_0=-22 +lon_0=-18 +x_0=400000 +y_0=2000000 "
    "+ellps=WGS84";

enum class TSurveyGrid {
    TransverseMercator,     // kSurveyRunProjection, saved
    LambertWithoutTmFields  // kSurveyRunLambert saved, the TM fields empty
};

struct TSurveyRunOptions {
    int mapIntervalMs = 50;
    std::string format = "NMEA DPT";  // the sounder's telegram format, with its default pattern
    TSurveyGrid grid = TSurveyGrid::TransverseMercator;
    bool geodesySaved = true;  // false: none stored; the test types it before it starts
    bool start = true;         // false: the test starts real time itself
};

class TSurveyRun {
public:
    // Starts the run with the map timer ticking every `mapIntervalMs`.
    explicit TSurveyRun(int mapIntervalMs = 50);
    explicit TSurveyRun(const TSurveyRunOptions& options);
    ~TSurveyRun();
    TSurveyRun(const TSurveyRun&) = delete;
    TSurveyRun& operator=(const TSurveyRun&) = delete;

    // The offsets window's "Realtime", which starts real time; and the tool bar's Stop.
    void Start();
    void Stop();
    // Types the run's Transverse Mercator grid into the settings window and ticks it, without
    // saving it.
    static void TypeTransverseMercator();

    // Sends bytes as the receiver would.
    void SendGnss(std::string_view bytes);
    // Sends one telegram as the sounder would, with its CR LF.
    void SendTelegram(std::string_view telegram);

    int MapTicks() const { return mapTicks_; }
    std::string LogPath() const;
    std::string XyzPath() const;
    std::string GeodesyLogPath() const;
    // The dialogs shown during the run.
    const TScriptedDialogs& Dialogs() const { return dialogs_; }

private:
    TScriptedDialogs dialogs_;
    TPseudoTerminal gnss_;
    TPseudoTerminal sounder_;
    TWindowSet windows_;
    int mapTicks_ = 0;
};

// The lines of a stored log without its "#" lines and the logger's time stamps.
std::vector<std::string> DeviceLines(const std::string& file);

// The receiver's epochs of a stored log: each from one "ZDA" line up to the next.
std::vector<std::string> GnssEpochs(const std::string& file);
