// The tool bar's Exit in a child process during real time: it saves the drawing under the
// automatic name and closes the main window as File > Exit does, so the ports close and the
// program ends with status 0. It used to end the process at once with -1, losing every shape
// drawn since the last save.

#include "canvas/MapLayerNames.h"
#include "canvas/OrvaltCanvas.h"
#include "canvas/ProjectFile.h"
#include "navigation/MainWindowSettings.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "platform/EventLog.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "tests/app/SurveyRun.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

constexpr const char* kChildVariable = "QBY_EXIT_BUTTON_CHILD";

// The child's part: a start with real time on, a point placed with the point tool, then Exit
// pressed from inside the event loop, whose result is the process's status as in main().
TEST(ExitButton, ChildPressesExit) {
    if (qEnvironmentVariableIsEmpty(kChildVariable)) GTEST_SKIP() << "run by its parent only";
    TSurveyRun run;
    FNav->ToolButton7->click();
    const QPoint pixel(120, 90);
    QTest::mouseClick(FNav->fcad, Qt::LeftButton, Qt::NoModifier, pixel);
    const TWorldPoint at = FNav->fcad->ScreenToWorld(pixel.x(), pixel.y());
    std::printf("settings %s\nevents %s\npoint %.9f %.9f\n", GetSettingsFilePath().c_str(),
                EventLogFilePath().c_str(), at.X, at.Y);
    std::fflush(stdout);
    QTimer::singleShot(0, FNav, [] { FNav->bExit->click(); });
    std::_Exit(QApplication::exec());
}

TEST(ExitButton, SavesClosesThePortsAndEndsWithStatusZero) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kChildVariable, "1");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=ExitButton.ChildPressesExit"});
    ASSERT_TRUE(child.waitForFinished(60000)) << "Exit did not end the program";
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();

    // Each line: a word, one blank and the rest (paths hold blanks).
    std::istringstream lines(child.readAllStandardOutput().toStdString());
    std::string settings, events, point;
    for (std::string line; std::getline(lines, line);) {
        const std::string word = line.substr(0, line.find(' '));
        const std::string rest = line.substr(word.size() + (word.size() < line.size() ? 1 : 0));
        if (word == "settings") settings = rest;
        if (word == "events") events = rest;
        if (word == "point") point = rest;
    }
    double x = 0, y = 0;
    std::istringstream(point) >> x >> y;
    ASSERT_FALSE(settings.empty());
    const std::string project = ReadLastProjectPath(TIniFile(settings));
    ASSERT_FALSE(project.empty()) << "no automatic save recorded";
    TCanvasModel saved;
    std::string reason;
    ASSERT_TRUE(ReadProjectFile(saved, project, 0, reason)) << reason;
    bool found = false;
    for (int id : saved.GetLayerShapeIds(saved.FindLayerByName(kUserShapeLayerName))) {
        const TPointXY p = saved.GetPointXY(id);
        found = found || (p.Found && std::abs(p.X - x) < 1e-5 && std::abs(p.Y - y) < 1e-5);
    }
    EXPECT_TRUE(found) << "the point drawn before Exit is in " << project;
    EXPECT_NE(ReadFileBytes(events).find("Disconnected from GPS on COM3"), std::string::npos)
        << "the close handling closed the GNSS port";
}

}  // namespace
