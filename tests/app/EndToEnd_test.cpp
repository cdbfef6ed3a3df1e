// The whole program on a surveyor's start in a child process (on the Nathaniel B. Palmer's
// Seapath 330 and EM122 logs, or a made-up track where they are absent), killed with SIGKILL in
// the middle of a burst of telegrams: every line of both files must be a whole record, and every
// record read before the kill must still be there. What each record holds is checked in
// SurveyScenarios_test.cpp.

#include "devices/NtripRequest.h"
#include "platform/TextFile.h"
#include "tests/app/SurveyRun.h"
#include "tests/support/RecordFields.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/WaitFor.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <csignal>
#include <random>

namespace {

constexpr const char* kChildVariable = "QBY_END_TO_END_CHILD";

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
    // A record without a current position has its four position fields empty.
    const QRegularExpression logRecord(
        R"(^\d{4}-\d\d-\d\d \d{9},(-?[\d.E-]+,-?[\d.E-]+,(-?\d+\.\d\d,){2}|,,,,))"
        R"((-?\d+\.\d\d,){4}[\d.E-]+,[\d.E-]+,)"
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

}  // namespace
