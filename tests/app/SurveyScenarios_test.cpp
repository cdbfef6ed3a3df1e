// The whole program on a surveyor's start, played in lockstep on the test clock through the two
// ports: a receiver at 1 Hz, a sounder at 10 Hz from the first second, the vessel at 10 kn.
// Every record of the survey log must hold the position of the last GGA when that is current
// (reported since the start, at most 3 s before), its grid position PROJ's projection of that
// same latitude and longitude within 6 mm, and else empty position fields and GPS 0; the simple
// XYZ file must hold exactly the rows of the records with a position.
//
// First the plain run with the map ticking once a second; then a table of scenarios a surveyor
// meets, each with its legend; then the plain run again under a Turkish locale.

#include "canvas/OrvaltCanvas.h"
#include "devices/OrvaltSerialGPS.h"
#include "navigation/ControlColor.h"
#include "navigation/EchogramMemory.h"
#include "navigation/NavigationState.h"
#include "navigation/RealtimeData.h"
#include "navigation/uCanvas.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "platform/NumberFormat.h"
#include "tests/app/SurveyPlay.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/RecordFields.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/WaitFor.h"
#include "tools/UGPS.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>

namespace {

const TLatLon kWalvisRidge{-22.0018, -17.9393};
constexpr double kCourseDeg = 215;
constexpr double kKnots = 10;

QDateTime SurveyDay() { return QDateTime(QDate(2014, 8, 1), QTime(6, 0)); }

// One run with its clock, vessel, player and the two grids PROJ gives.
struct TScenarioRun {
    explicit TScenarioRun(const TSurveyRunOptions& options) : clock(SurveyDay()), run(options) {
        player.grid = options.grid == TSurveyGrid::TransverseMercator ? &tm : &lambert;
    }
    int Count(const char* text) const {
        const std::string log = EventsLog();
        int count = 0;
        for (std::size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1))
            ++count;
        return count;
    }
    // The number of geodesy-log blocks that hold the line.
    int GeodesyBlocksWith(const char* line) const {
        const std::string log = ReadFileBytes(run.GeodesyLogPath());
        int count = 0;
        for (std::size_t at = log.find(line); at != std::string::npos; at = log.find(line, at + 1))
            ++count;
        return count;
    }

    TTestClock clock;
    TSurveyRun run;
    TSyntheticVessel vessel{kWalvisRidge, kCourseDeg, kKnots};
    TSurveyPlayer player{run, clock, vessel};
    TProjPeer tm{kSurveyRunProjection};
    TProjPeer lambert{kSurveyRunLambert};
    TProjPeer zone27{"+proj=tmerc +lon_0=-21 +k=0.9996 +x_0=500000 +y_0=10000000 +ellps=WGS84"};
};

// The echogram's history holds the last DataWidth true depths of the survey log.
void CheckEchogram(const std::vector<std::string>& records) {
    ASSERT_TRUE(fWaterfal->isVisible());
    const int shown = fWaterfal->DataWidth;
    ASSERT_EQ(shown, 50);
    for (int k = 0; k < shown; ++k) {
        const std::string& record = records[records.size() - shown + k];
        EXPECT_EQ(FloatToStrF(EchoDepths[k], 20, 2), CommaFields(record)[7]) << k;
    }
}

TEST(SurveyScenarios, EveryRecordAtItsOwnPositionWithTheMapAtOneSecond) {
    TScenarioRun s({.mapIntervalMs = 1000});
    ASSERT_TRUE(RealtimeRunning);
    s.player.afterTelegram = [] { FNav->tEchogramTimer(); };
    ASSERT_TRUE(s.player.Play(1));
    EXPECT_EQ(s.run.MapTicks(), 0) << "the first second's records come before any map tick";
    ASSERT_TRUE(s.player.Play(19));
    ASSERT_EQ(s.player.Expected().size(), 200u);
    EXPECT_FALSE(s.player.Expected()[3].position) << "before the first GGA";
    EXPECT_TRUE(s.player.Expected()[4].position);
    CheckSurveyFiles(s.run, s.player.Expected());
    const std::string log = ReadFileBytes(s.run.LogPath());
    EXPECT_EQ(log.substr(0, log.find("\r\n")),
              "Date,Lat,Lon,Easting,Northing,Elevation (Hi),Elevation (Lo),True Depth (Hi),"
              "True Depth (Lo),Raw Depth (Hi),Raw Depth (Lo),Message Format,Sound Velocity,"
              "Transducer Draft,GPS, RTK Antenna Height,Manual Tide,RTK Tide");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), std::count(log.begin(), log.end(), '\r'));
    CheckEchogram(RecordsAfterHeader(s.run.LogPath()));
    EXPECT_EQ(s.Count(kNoPositionReport), 1) << "the start before the first GGA";
    EXPECT_EQ(FNav->SoundingSign(), "");
    EXPECT_TRUE(s.run.Dialogs().messages.empty());
}

struct TScenario {
    const char* name;
    const char* legend;
    TSurveyRunOptions options;
    void (*play)(TScenarioRun& s);
};

void StopAndStartFarAway(TScenarioRun& s) {
    ASSERT_TRUE(s.player.Play(3));
    ASSERT_TRUE(s.player.Restart());
    s.vessel.MoveAhead(500);
    ASSERT_TRUE(s.player.Play(3));
    EXPECT_EQ(s.Count(kNoPositionReport), 2) << "each start before its first GGA";
}

void GnssOutage(TScenarioRun& s) {
    ASSERT_TRUE(s.player.Play(3));
    EXPECT_EQ(FNav->SoundingSign(), "");
    ASSERT_TRUE(s.player.Play(5, false));
    EXPECT_EQ(FNav->SoundingSign(), "No GNSS position");
    EXPECT_EQ(ControlColor(fRealtime->DepthFrameHi), kRed);
    ASSERT_TRUE(s.player.Play(3));
    EXPECT_EQ(FNav->SoundingSign(), "") << "cleared by the next record with a position";
    EXPECT_EQ(ControlColor(fRealtime->DepthFrameHi), kLime);
    EXPECT_EQ(s.Count(kNoPositionReport), 2) << "the start, then once for the outage";
}

void ProjectionSwitchedMidRun(TScenarioRun& s) {
    ASSERT_TRUE(s.player.Play(3));
    TSurveyRun::TypeTransverseMercator();
    ASSERT_TRUE(s.player.Play(3)) << "still the Lambert grid the run started with";
    EXPECT_EQ(s.GeodesyBlocksWith("Use LCC: Yes"), 1);
    s.player.grid = &s.tm;
    ASSERT_TRUE(s.player.Restart());
    ASSERT_TRUE(s.player.Play(3));
    EXPECT_EQ(s.GeodesyBlocksWith("Use TM: Yes"), 1);
    EXPECT_EQ(s.GeodesyBlocksWith("CM: -15, Ref Lat: 0, SF: 0.9996"), 1);
    EXPECT_EQ(s.GeodesyBlocksWith("Use LCC: Yes"), 1) << "the first run's block stays";
}

void SavedMidRun(TScenarioRun& s) {
    ASSERT_TRUE(s.player.Play(3));
    FGPS->edCM->setText("-21");
    FGPS->LockStateCheck1->setChecked(true);  // "SAVE && LOCK SETTINGS"
    EXPECT_EQ(
        TIniFile(GetSettingsFilePath()).ReadString("GEODETIC_PARAMETERS", "Central_Meridian", ""),
        "-21");
    ASSERT_TRUE(s.player.Play(3)) << "the run keeps the zone it started with";
    EXPECT_EQ(s.GeodesyBlocksWith("CM: -21,"), 0) << "the log tells what the records use";
    s.player.grid = &s.zone27;
    ASSERT_TRUE(s.player.Restart());
    ASSERT_TRUE(s.player.Play(3));
    EXPECT_EQ(s.GeodesyBlocksWith("CM: -15,"), 1);
    EXPECT_EQ(s.GeodesyBlocksWith("CM: -21,"), 1);
}

void TypedNotSaved(TScenarioRun& s) {
    TSurveyRun::TypeTransverseMercator();
    s.run.Start();
    ASSERT_TRUE(RealtimeRunning);
    const TIniFile ini(GetSettingsFilePath());
    EXPECT_EQ(ini.ReadString("GEODETIC_PARAMETERS", "Central_Meridian", ""), "-15");
    EXPECT_EQ(ini.ReadString("GEODETIC_PARAMETERS", "Scale_Factor", ""), "0.9996");
    EXPECT_EQ(s.GeodesyBlocksWith("CM: -15, Ref Lat: 0, SF: 0.9996"), 1);
    EXPECT_EQ(s.GeodesyBlocksWith("Use TM: Yes"), 1);
    ASSERT_TRUE(s.player.Play(3));
}

void FullDisk(TScenarioRun& s) {
    ASSERT_TRUE(s.player.Play(2));
    const std::size_t kept = s.player.Expected().size();
    {
        const TFileSizeLimit limit(ReadFileBytes(s.run.LogPath()).size() + 60);
        ASSERT_TRUE(limit.Applied());
        ASSERT_TRUE(s.player.Play(1));
        EXPECT_EQ(FNav->SoundingSign(), "Survey log not written: File too large");
        EXPECT_EQ(ControlColor(fRealtime->DepthFrameLo), kRed);
    }
    s.player.DropRecordsFrom(kept);
    ASSERT_TRUE(s.player.Play(1));
    EXPECT_EQ(FNav->SoundingSign(), "");
}

// The format gives the low-frequency depth alone: that depth is logged, shown and labelled.
void LowFrequencyOnly(TScenarioRun& s) {
    s.player.telegram = [](int n) {
        return "$ORVXDHI,0.00,$ORVXDLO," + std::to_string(30 + n % 20) + ".50";
    };
    s.player.rawDepth = [](int n) { return 30 + n % 20 + 0.5; };
    s.player.lowFrequency = true;
    ASSERT_TRUE(s.player.Play(3));
    const int ticks = s.run.MapTicks();
    ASSERT_TRUE(WaitFor([&] { return s.run.MapTicks() > ticks; }));
    const double logged = 0.5 + s.player.rawDepth(29) * 1530 / 1500;
    EXPECT_EQ(fRealtime->lDepthHi->text().toStdString(), FloatToStrF(logged, 20, 2));
    EXPECT_NEAR(FNav->fcad->DepthHi, logged, 1e-9) << "the big number";
    ASSERT_FALSE(FNav->fcad->GetSoundings().empty());
    for (const TSounding& label : FNav->fcad->GetSoundings()) EXPECT_GT(label.Z, 30) << "no draft";
}

void SilentSounder(TScenarioRun& s) {
    ASSERT_TRUE(s.player.Play(2));
    int ticks = s.run.MapTicks();
    ASSERT_TRUE(WaitFor([&] { return s.run.MapTicks() > ticks; }));
    const std::size_t labels = FNav->fcad->GetSoundings().size();
    ASSERT_GT(labels, 0u);
    for (int second = 0; second < 5; ++second) {
        ASSERT_TRUE(s.player.Play(1, true, false));
        ticks = s.run.MapTicks();
        ASSERT_TRUE(WaitFor([&] { return s.run.MapTicks() > ticks; }));
    }
    EXPECT_EQ(FNav->fcad->GetSoundings().size(), labels) << "no depth came, so no label";
}

void InfiniteDepth(TScenarioRun& s) {
    s.player.telegram = [](int n) {
        return n % 10 == 5 ? std::string("$SDDPT,1.2e308,0.0")
                           : "$SDDPT," + std::to_string(40 + n) + ".5,0.5";
    };
    s.player.rawDepth = [](int n) { return n % 10 == 5 ? 0 : 40 + n + 0.5; };
    ASSERT_TRUE(s.player.Play(3));
    EXPECT_EQ(s.Count("gives no finite depth"), 3) << "one report for each";
    EXPECT_EQ(ReadFileBytes(s.run.LogPath()).find("INF"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(s.run.XyzPath()).find("INF"), std::string::npos);
}

const TScenario kScenarios[] = {
    {"StopAndStart500mAway",
     "Stop, then Start 500 m away: nothing of the first run in the second, whose records "
     "before its first GGA have no position",
     {},
     StopAndStartFarAway},
    {"GnssOutage5s",
     "a 5 s GNSS outage: from 3 s after the last GGA no position, GPS 0 and no XYZ row, told "
     "once, signed until a position comes back",
     {},
     GnssOutage},
    {"ProjectionSwitchedMidRun",
     "started on Lambert with the TM fields empty, TM filled in and chosen during the run: "
     "nothing changes until Stop and Start, then the log and the records follow TM",
     {.grid = TSurveyGrid::LambertWithoutTmFields},
     ProjectionSwitchedMidRun},
    {"SavedMidRun",
     "the central meridian changed and saved during the run: the run and its log keep the "
     "zone it started with, the next start logs and uses the new one",
     {},
     SavedMidRun},
    {"ParametersTypedNotSaved",
     "geodesy typed in the settings window, never saved, then Start: stored, logged and used",
     {.geodesySaved = false, .start = false},
     TypedNotSaved},
    {"FullDisk",
     "a file-size limit as a full disk: the sign names the reason and stays until a record is "
     "written again",
     {},
     FullDisk},
    {"OrvaltXdrLo",
     "\"Orvalt XDR LO\": the panels, the big number and the map labels show the logged "
     "low-frequency depth, not the draft",
     {.format = "Orvalt XDR LO"},
     LowFrequencyOnly},
    {"SilentSounder",
     "a sounder gone silent leaves no new depth label as the vessel moves on",
     {.mapIntervalMs = 100},
     SilentSounder},
    {"InfiniteDepth",
     "each 1.2e308 m gives no record and one report; the others are written",
     {},
     InfiniteDepth},
};

void PrintTo(const TScenario& scenario, std::ostream* out) { *out << scenario.name; }

class SurveyScenario : public ::testing::TestWithParam<TScenario> {};

TEST_P(SurveyScenario, RecordsHoldTheirOwnPosition) {
    const TScenario& scenario = GetParam();
    SCOPED_TRACE(scenario.legend);
    TScenarioRun s(scenario.options);
    ASSERT_NO_FATAL_FAILURE(scenario.play(s));
    CheckSurveyFiles(s.run, s.player.Expected());
}

INSTANTIATE_TEST_SUITE_P(Table, SurveyScenario, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.name); });

// The same run gives the same bytes under a Turkish locale, whose decimal comma and dotless i
// must reach none of the files.
TEST(SurveyScenarios, TheFilesAreTheSameUnderATurkishLocale) {
    const auto files = [](const char* locale) {
        UseFreshRoots();
        if (locale && !std::setlocale(LC_ALL, locale)) return std::vector<std::string>{};
        std::vector<std::string> bytes;
        {
            TScenarioRun s({});
            EXPECT_TRUE(s.player.Play(3));
            s.run.Stop();
            bytes = {ReadFileBytes(s.run.LogPath()), ReadFileBytes(s.run.XyzPath()),
                     ReadFileBytes(s.run.GeodesyLogPath())};
        }
        std::setlocale(LC_ALL, "C");
        std::setlocale(LC_NUMERIC, "C");
        return bytes;
    };
    const std::vector<std::string> plain = files(nullptr);
    const std::vector<std::string> turkish = files("tr_TR.UTF-8");
    if (turkish.empty()) GTEST_SKIP() << "tr_TR.UTF-8 is not installed";
    ASSERT_EQ(plain.size(), 3u);
    EXPECT_FALSE(plain[0].empty());
    EXPECT_EQ(turkish, plain);
}

}  // namespace
