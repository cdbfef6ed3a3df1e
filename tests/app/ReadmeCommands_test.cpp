// The README's commands for reading a survey's files (GDAL and Python), run as a user would
// run them on the files of a short survey made here: the block is taken from the README itself,
// so the README cannot drift from what works.

#include "devices/NtripRequest.h"
#include "platform/DataFolders.h"
#include "platform/Paths.h"
#include "tests/app/SurveyRun.h"
#include "tests/support/RecordFields.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/WaitFor.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

constexpr int kSoundings = 6;

std::string Sentence(const std::string& body) { return "$" + body + "*" + NmeaChecksum(body); }

// A vessel heading north at about 4 kn, one GGA a step, then one sounding.
void PlaySurvey(TSurveyRun& run) {
    for (int i = 0; i < kSoundings; ++i) {
        SCOPED_TRACE(i);
        const std::string second = (i < 10 ? "0" : "") + std::to_string(i);
        run.SendGnss(Sentence("INGGA,0000" + second + ".00,2200." + std::to_string(1100 - 2 * i) +
                              ",S,01756.3594,W,1,12,0.7,-2.76,M,4.67,M,,") +
                     "\r\n");
        const int ticks = run.MapTicks();
        ASSERT_TRUE(WaitFor([&] { return run.MapTicks() >= ticks + 2; }));
        run.SendTelegram(Sentence("KIDPT,44" + second + ".25,8.62,12000.0"));
        ASSERT_TRUE(WaitFor([&] { return RecordsAfterHeader(run.LogPath()).size() == i + 1u; }));
    }
}

// The shell block of the README after the marker line, its `day=` line set to `day`; empty
// when there is none.
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

TEST(ReadmeCommands, ReadTheFilesOfASurvey) {
    if (QStandardPaths::findExecutable("ogr2ogr").isEmpty()) GTEST_SKIP() << "no GDAL";
    std::string log;
    {
        TSurveyRun run;
        ASSERT_NO_FATAL_FAILURE(PlaySurvey(run));
        log = run.LogPath();
    }
    const std::string block =
        ReadmeBlock("<!-- The test suite runs the next block. -->", TodayFolderName);
    ASSERT_FALSE(block.empty());
    // The README's paths start at $HOME/SMK.
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
    ASSERT_EQ(records.size(), static_cast<std::size_t>(kSoundings));
    EXPECT_NE(output.find("Feature Count: " + std::to_string(records.size())), std::string::npos);
    EXPECT_NE(output.find("1: soundings (Point)"), std::string::npos);
    EXPECT_NE(output.find("2: xyz (3D Point)"), std::string::npos);
    const std::string lastDepth = CommaFields(records.back())[7];
    EXPECT_NE(output.find(" " + lastDepth + "\n"), std::string::npos) << "Python's last line";
}

}  // namespace
