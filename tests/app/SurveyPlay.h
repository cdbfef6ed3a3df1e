#pragma once
// A survey played in lockstep on the test clock, for the end-to-end scenarios: a vessel on a
// steady course whose receiver sends an epoch at 0.45 s of each second, a sounder sending a
// telegram every 100 ms, each sent once the program has taken the one before. What each
// sounding's record must hold is worked out here alone, from the sentences sent: the position
// of the last GGA when it came since the start and at most 3 s before, else none; its grid
// position through PROJ.

#include "platform/Clock.h"
#include "tests/app/SurveyRun.h"
#include "tests/geodesy/ProjPeer.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct TLatLon {
    double latitude = 0, longitude = 0;  // degrees
};

// A vessel on a steady course and speed from a start position, on a sphere: near enough for a
// track; the records are checked against the positions actually sent.
class TSyntheticVessel {
public:
    TSyntheticVessel(TLatLon start, double courseDeg, double knots);
    // Where it is `seconds` after the start.
    TLatLon At(double seconds) const;
    // Moves the whole track ahead along the course.
    void MoveAhead(double metres) { aheadM_ += metres; }
    // GGA and RMC for that moment, time of day from the seconds, minutes with six decimals.
    std::string Epoch(double seconds, int quality = 1) const;

private:
    TLatLon start_;
    double courseDeg_, speedMs_;
    double aheadM_ = 0;
};

// Degrees of an NMEA "ddmm.mmmm" field with its hemisphere letter.
double NmeaDegrees(const std::string& field, const std::string& hemisphere);

struct TExpectedRecord {
    std::optional<TLatLon> position;  // none: empty position fields and GPS 0
    const TProjPeer* grid = nullptr;  // the run's grid when the record was made
    double rawDepth = 0;
    bool lowFrequency = false;  // the depth is the low-frequency one
};

class TSurveyPlayer {
public:
    TSurveyPlayer(TSurveyRun& run, TTestClock& clock, TSyntheticVessel& vessel);

    // Plays `seconds` from the clock's present second on: the receiver only while `gnss`, the
    // sounder only while `sounder`. Returns false when the program did not take a step.
    bool Play(double seconds, bool gnss = true, bool sounder = true);
    // Real time stopped and started again; the next run knows no earlier position.
    bool Restart();

    // The telegram of the n-th sounding (from 0) and its raw depth; 0 for one that gives no
    // record. The default is "$SDDPT,<depth>,0.5".
    std::function<std::string(int n)> telegram;
    std::function<double(int n)> rawDepth;
    std::function<void()> afterTelegram;  // runs once the program has taken each telegram
    const TProjPeer* grid = nullptr;      // set by the test for the records that follow
    bool lowFrequency = false;            // the format gives the low-frequency depth alone

    const std::vector<TExpectedRecord>& Expected() const { return expected_; }
    // Soundings lost on the way (a full disk): the records expected from the n-th on are none.
    void DropRecordsFrom(std::size_t n) { expected_.resize(n); }
    // The simulated milliseconds since the first start.
    std::uint64_t Elapsed() const { return elapsedMs_; }

private:
    bool SendEpoch();
    bool SendTelegram();

    TSurveyRun& run_;
    TTestClock& clock_;
    TSyntheticVessel& vessel_;
    std::uint64_t elapsedMs_ = 0;
    int soundings_ = 0;
    std::optional<TLatLon> lastGga_;
    std::uint64_t lastGgaMs_ = 0;
    std::vector<TExpectedRecord> expected_;
};

// Checks every record of the survey log against what it must hold, and that the simple XYZ
// file holds exactly the rows of the records with a position, in order.
void CheckSurveyFiles(const TSurveyRun& run, const std::vector<TExpectedRecord>& expected);
