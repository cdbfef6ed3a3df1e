// The whole program on a surveyor's start: real time started from the offsets window, the
// Nathaniel B. Palmer's Seapath 330 and EM122 logs of one day played in lockstep through the
// two ports, and every sounding checked in the survey log and the simple XYZ file against
// values worked out here alone (positions from the NMEA text, grid coordinates through PROJ).
//
// Then the same start in a child process (on the real logs, or a made-up track where they are
// absent), killed with SIGKILL in the middle of a burst of telegrams: every line of both files
// must be a whole record, and every record read before the kill must still be there.

#include "devices/NtripRequest.h"
#include "navigation/EchogramMemory.h"
#include "navigation/NavigationState.h"
#include "navigation/uCanvas.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "platform/NumberFormat.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "tests/app/SurveyRun.h"
#include "tests/geodesy/ProjPeer.h"
#include "tests/support/RecordFields.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/WaitFor.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <cmath>
#include <csignal>
#include <random>

namespace {

constexpr int kEpochs = 100;
constexpr double kDraft = 0.5;
constexpr double kVelocity = 1530;
constexpr double kTide = 1.25;
constexpr const char* kChildVariable = "QBY_END_TO_END_CHILD";

// Degrees of an NMEA "ddmm.mmmm" field with its hemisphere letter.
double Degrees(const std::string& field, const std::string& hemisphere) {
    const double value = std::stod(field);
    const double degrees = std::floor(value / 100) + std::fmod(value, 100) / 60;
    return hemisphere == "S" || hemisphere == "W" ? -degrees : degrees;
}

struct TExpected {
    double latitude = 0, longitude = 0;
    bool positioned = false;
    double rawDepth = 0;
};

// The position of the epoch's GGA sentence.
void TakePosition(const std::string& epoch, TExpected& expected) {
    for (const std::string& line : SplitLines(epoch)) {
        if (line.find("GGA") == std::string::npos) continue;
        const std::vector<std::string> f = CommaFields(line);
        expected.latitude = Degrees(f[2], f[3]);
        expected.longitude = Degrees(f[4], f[5]);
        expected.positioned = true;
    }
}

void CheckRecord(const std::string& record, const TExpected& expected, const TProjPeer& grid) {
    SCOPED_TRACE(record);
    const std::vector<std::string> f = CommaFields(record);
    ASSERT_EQ(f.size(), 18u);
    EXPECT_NEAR(std::stod(f[1]), expected.latitude, 1e-9);
    EXPECT_NEAR(std::stod(f[2]), expected.longitude, 1e-9);
    double easting = 0, northing = 0;
    if (expected.positioned) {
        const PJ_COORD xy =
            grid.Forward(proj_torad(expected.longitude), proj_torad(expected.latitude));
        easting = xy.xy.x;
        northing = xy.xy.y;
    }
    EXPECT_NEAR(std::stod(f[3]), easting, 0.01);
    EXPECT_NEAR(std::stod(f[4]), northing, 0.01);
    const double trueDepth = kDraft + expected.rawDepth * kVelocity / 1500;
    EXPECT_EQ(f[7], FloatToStrF(trueDepth, 20, 2));
    EXPECT_EQ(f[5], FloatToStrF(kTide - trueDepth, 20, 2));
    EXPECT_EQ(std::stod(f[9]), expected.rawDepth);
    EXPECT_EQ(f[11], "NMEA DPT");
    EXPECT_EQ(f[12], "1530.00");
    EXPECT_EQ(f[13], "0.50");
    EXPECT_EQ(f[14], expected.positioned ? "1" : "0");
    EXPECT_EQ(f[16], "1.25");
}

// Plays the first telegram, then for each of `count` epochs the epoch, two map ticks and one
// telegram, each once the program has taken the step before, and after each telegram an
// echogram tick; `expected` gets what each record must hold.
void PlayInLockstep(TSurveyRun& run, const std::vector<std::string>& epochs,
                    const std::vector<std::string>& telegrams, std::vector<TExpected>& expected,
                    int count = kEpochs) {
    for (int i = 0; i <= count; ++i) {
        SCOPED_TRACE(i);
        TExpected now = expected.empty() ? TExpected{} : expected.back();
        if (i > 0) {
            TakePosition(epochs[i - 1], now);
            run.SendGnss(epochs[i - 1]);
            ASSERT_TRUE(WaitFor([&] {
                return std::abs(CurrentLatitude - now.latitude) < 1e-9 &&
                       std::abs(CurrentLongitude - now.longitude) < 1e-9;
            }));
            const int ticks = run.MapTicks();
            ASSERT_TRUE(WaitFor([&] { return run.MapTicks() >= ticks + 2; }));
        }
        now.rawDepth = std::stod(CommaFields(telegrams[i])[1]);
        expected.push_back(now);
        run.SendTelegram(telegrams[i]);
        ASSERT_TRUE(
            WaitFor([&] { return RecordsAfterHeader(run.LogPath()).size() == expected.size(); }));
        FNav->tEchogramTimer();
    }
}

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

TEST(EndToEnd, SurveyorsStartWithRealLogsInLockstep) {
    const std::string folder = RealDataFolder();
    if (folder.empty()) GTEST_SKIP() << "no real data folder";
    const TProjPeer grid(kSurveyRunProjection);
    ASSERT_TRUE(grid.IsValid());
    TSurveyRun run;
    ASSERT_TRUE(RealtimeRunning);
    std::vector<TExpected> expected;
    ASSERT_NO_FATAL_FAILURE(PlayInLockstep(
        run, GnssEpochs(folder + "nmea/openrvdas__NBP1406_s330-2014-08-01.log"),
        DeviceLines(folder + "echosounder/openrvdas__NBP1406_mbdp-2014-08-01.log"), expected));

    const std::string log = ReadFileBytes(run.LogPath());
    ASSERT_EQ(log.substr(0, log.find("\r\n")),
              "Date,Lat,Lon,Easting,Northing,Elevation (Hi),Elevation (Lo),True Depth (Hi),"
              "True Depth (Lo),Raw Depth (Hi),Raw Depth (Lo),Message Format,Sound Velocity,"
              "Transducer Draft,GPS, RTK Antenna Height,Manual Tide,RTK Tide");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), std::count(log.begin(), log.end(), '\r'));
    const std::vector<std::string> records = RecordsAfterHeader(run.LogPath());
    const std::vector<std::string> rows = RecordsAfterHeader(run.XyzPath());
    ASSERT_EQ(records.size(), expected.size());
    ASSERT_EQ(rows.size(), expected.size() - 1) << "none for the telegram before the first fix";
    for (std::size_t i = 0; i < records.size(); ++i) {
        CheckRecord(records[i], expected[i], grid);
        if (i == 0) continue;
        const std::vector<std::string> f = CommaFields(records[i]);
        EXPECT_EQ(rows[i - 1], f[3] + "," + f[4] + "," + f[5]);
    }
    CheckEchogram(records);
    EXPECT_TRUE(run.Dialogs().messages.empty());
}

struct TChildLines {
    std::vector<std::string> epochs, telegrams;
};

std::string Sentence(const std::string& body) { return "$" + body + "*" + NmeaChecksum(body); }

// What the child plays: the day's real logs when the folder is there, else a short track made
// up here, so that the kill is tried on every machine.
TChildLines ChildLines() {
    const std::string folder = RealDataFolder();
    if (!folder.empty()) {
        return {GnssEpochs(folder + "nmea/openrvdas__NBP1406_s330-2014-08-01.log"),
                DeviceLines(folder + "echosounder/openrvdas__NBP1406_mbdp-2014-08-01.log")};
    }
    TChildLines lines;
    for (int i = 0; i < 20; ++i) {
        const std::string second = (i < 10 ? "0" : "") + std::to_string(i);
        lines.epochs.push_back(Sentence("INGGA,0000" + second + ".00,2200." +
                                        std::to_string(1100 + i) +
                                        ",S,01756.3594,W,1,12,0.7,-2.76,M,4.67,M,,") +
                               "\r\n");
        lines.telegrams.push_back(Sentence("KIDPT,44" + second + ".25,8.62,12000.0"));
    }
    return lines;
}

// The child's part: the same start, then telegrams as fast as the port takes them, with an
// epoch now and then, until the parent kills it.
TEST(EndToEnd, ChildRunUntilKilled) {
    if (qEnvironmentVariableIsEmpty(kChildVariable)) GTEST_SKIP() << "run by KilledRun only";
    const TChildLines lines = ChildLines();
    TSurveyRun run;
    std::printf("files\n%s\n%s\n", run.LogPath().c_str(), run.XyzPath().c_str());
    std::fflush(stdout);
    for (std::size_t i = 0;; ++i) {
        if (i % 10 == 0) run.SendGnss(lines.epochs[(i / 10) % lines.epochs.size()]);
        run.SendTelegram(lines.telegrams[i % lines.telegrams.size()]);
        WaitFor([] { return false; }, 2);
    }
}

bool WholeRecords(const std::string& bytes, const QRegularExpression& record) {
    if (!bytes.empty() && bytes.substr(bytes.size() - 2) != "\r\n") return false;
    const std::vector<std::string> lines = SplitLines(bytes);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (!record.match(QString::fromStdString(lines[i])).hasMatch()) {
            ADD_FAILURE() << "not a whole record: " << lines[i];
            return false;
        }
    }
    return true;
}

// Starts the child run and reads the paths of its two files.
void StartChild(QProcess& child, std::string& log, std::string& xyz) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kChildVariable, "1");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=EndToEnd.ChildRunUntilKilled"});
    ASSERT_TRUE(child.waitForStarted());
    while (log.empty() || xyz.empty()) {
        ASSERT_TRUE(child.waitForReadyRead(30000)) << child.readAllStandardError().toStdString();
        while (child.canReadLine()) {
            const std::string line = child.readLine().trimmed().toStdString();
            if (line.find("Coordinates") != std::string::npos) log = line;
            if (line.find("Simple XYZ") != std::string::npos) xyz = line;
        }
    }
}

TEST(EndToEnd, KilledRunLeavesWholeRecords) {
    const QRegularExpression logRecord(
        R"(^\d{4}-\d\d-\d\d \d{9},-?[\d.E-]+,-?[\d.E-]+,(-?\d+\.\d\d,){6}[\d.E-]+,[\d.E-]+,)"
        R"(NMEA DPT,\d+\.\d\d,-?\d+\.\d\d,\d+,(-?\d+\.\d\d,){2}-?\d+\.\d\d$)");
    const QRegularExpression xyzRecord(R"(^-?\d+\.\d\d,-?\d+\.\d\d,-?\d+\.\d\d$)");
    std::mt19937 random(20140801);
    for (int run = 0; run < 3; ++run) {
        SCOPED_TRACE(run);
        QProcess child;
        std::string log, xyz;
        ASSERT_NO_FATAL_FAILURE(StartChild(child, log, xyz));
        const std::size_t wanted = std::uniform_int_distribution<std::size_t>(50, 300)(random);
        ASSERT_TRUE(WaitFor([&] { return RecordsAfterHeader(log).size() >= wanted; }, 30000));
        QThread::usleep(std::uniform_int_distribution<int>(0, 20000)(random));
        const std::string logBefore = ReadFileBytes(log);
        const std::string xyzBefore = ReadFileBytes(xyz);
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished());
        const std::string logAfter = ReadFileBytes(log);
        const std::string xyzAfter = ReadFileBytes(xyz);
        EXPECT_EQ(logAfter.substr(0, logBefore.size()), logBefore);
        EXPECT_EQ(xyzAfter.substr(0, xyzBefore.size()), xyzBefore);
        EXPECT_TRUE(WholeRecords(logBefore, logRecord));
        EXPECT_TRUE(WholeRecords(logAfter, logRecord));
        EXPECT_TRUE(WholeRecords(xyzAfter, xyzRecord));
        EXPECT_FALSE(xyzAfter.empty());
    }
}

// The shell block of the README that follows the marker line, with the day it names set to
// `day`; empty when the README has no such block.
std::string ReadmeBlock(const std::string& marker, const std::string& day) {
    const std::string readme = ReadFileBytes(std::string(QBY_SOURCE_DIR) + "/README.md");
    const std::size_t at = readme.find(marker);
    if (at == std::string::npos) return {};
    const std::size_t begin = readme.find("```sh\n", at);
    const std::size_t end = readme.find("\n```", begin);
    if (begin == std::string::npos || end == std::string::npos) return {};
    QString block = QString::fromStdString(readme.substr(begin + 6, end + 1 - (begin + 6)));
    block.replace(QRegularExpression("^day=\\S+", QRegularExpression::MultilineOption),
                  QString::fromStdString("day=" + day));
    return block.toStdString();
}

// Runs the README's commands for GDAL and Python on the files of a short survey, as a user
// would in a shell whose home holds the SMK folder.
TEST(EndToEnd, ReadmeCommandsReadTheSurveyFiles) {
    if (QStandardPaths::findExecutable("ogr2ogr").isEmpty()) GTEST_SKIP() << "no GDAL";
    const TChildLines lines = ChildLines();
    std::vector<TExpected> expected;
    std::string log;
    {
        TSurveyRun run;
        ASSERT_NO_FATAL_FAILURE(PlayInLockstep(run, lines.epochs, lines.telegrams, expected, 5));
        log = run.LogPath();
    }
    const std::string block =
        ReadmeBlock("<!-- The test suite runs the next block. -->", TodayFolderName);
    ASSERT_FALSE(block.empty());
    const QString home = QString::fromStdString(FreshTestPath("home"));
    ASSERT_TRUE(QDir().mkpath(home));
    ASSERT_TRUE(QFile::link(QString::fromStdString(SmkRoot()), home + "/SMK"));
    QProcess shell;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home);
    shell.setProcessEnvironment(environment);
    shell.setWorkingDirectory(home);
    shell.start("/bin/sh", {"-euc", QString::fromStdString(block)});
    ASSERT_TRUE(shell.waitForFinished(60000));
    const std::string output = shell.readAllStandardOutput().toStdString();
    SCOPED_TRACE(output + shell.readAllStandardError().toStdString());
    ASSERT_EQ(shell.exitCode(), 0);
    const std::vector<std::string> records = RecordsAfterHeader(log);
    EXPECT_NE(output.find("Feature Count: " + std::to_string(records.size())), std::string::npos);
    EXPECT_NE(output.find("1: soundings (Point)"), std::string::npos);
    EXPECT_NE(output.find("2: xyz (3D Point)"), std::string::npos);
    const std::string lastDepth = CommaFields(records.back())[7];
    EXPECT_NE(output.find(" " + lastDepth + "\n"), std::string::npos) << "Python's last line";
}

}  // namespace
