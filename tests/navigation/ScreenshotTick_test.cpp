// The screenshot tick on real platform screens: one child process per layout, since Qt's
// offscreen platform takes its screens from a file (QT_QPA_PLATFORM=offscreen:configfile=...)
// only when the application starts, and grabWindow then gives a picture per screen.

#include "platform/TextFile.h"
#include "tests/navigation/PngFiles.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <string>
#include <vector>

namespace {

struct TScreen {
    int x, y, width, height;
};

// The offscreen platform's screen file: a "screens" array of name, x, y, width and height.
std::string ScreenFile(const std::vector<TScreen>& screens) {
    std::string json = "{\"screens\": [";
    for (std::size_t i = 0; i < screens.size(); ++i) {
        const TScreen& s = screens[i];
        json += (i ? ", " : "") + std::string("{\"name\": \"S") + std::to_string(i) +
                "\", \"x\": " + std::to_string(s.x) + ", \"y\": " + std::to_string(s.y) +
                ", \"width\": " + std::to_string(s.width) +
                ", \"height\": " + std::to_string(s.height) + "}";
    }
    return json + "]}";
}

struct TChildRun {
    bool finished = false;
    int exitCode = -1;
    std::string dayFolder;
    std::string lastMessage;
    std::string output;
};

TChildRun RunChild(const std::vector<TScreen>& screens, const QStringList& times) {
    const std::string layout = FreshTestPath("screens.json");
    EXPECT_TRUE(WriteFileAtomically(layout, ScreenFile(screens)));
    const std::string roots = FreshTestPath("roots");
    QDir().mkpath(QString::fromStdString(roots + "/ProgramData"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", QString::fromStdString("offscreen:configfile=" + layout));
    environment.insert("ProgramData", QString::fromStdString(roots + "/ProgramData"));
    environment.insert("QUELLBAY_SMK_ROOT", QString::fromStdString(roots + "/SMK/"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QBY_SCREENSHOT_TICK_CHILD, times);
    TChildRun run;
    run.finished = child.waitForFinished(120000);
    run.exitCode = child.exitCode();
    const QStringList lines = QString::fromLocal8Bit(child.readAllStandardOutput()).split('\n');
    run.dayFolder = lines.value(0).toStdString();
    run.lastMessage = lines.value(1).toStdString();
    run.output = child.readAllStandardError().toStdString();
    return run;
}

struct TExpectedFile {
    const char* name;
    std::uint32_t width, height;
};

TEST(ScreenshotTick, EveryScreenOfTheLayoutInTheStartDaysFolder) {
    const struct {
        const char* legend;
        std::vector<TScreen> screens;
        QStringList times;  // the start, then the ticks
        const char* dayFolder;
        std::vector<TExpectedFile> files;
    } cases[] = {
        {"one screen",
         {{0, 0, 320, 200}},
         {"2024-05-17T12:34:56", "2024-05-17T12:34:56"},
         "2024-05-17",
         {{"QBY 2024-05-17 123456 Primary.png", 320, 200}}},
        {"two side by side",
         {{0, 0, 320, 200}, {320, 0, 240, 180}},
         {"2024-05-17T12:34:56", "2024-05-17T12:34:56"},
         "2024-05-17",
         {{"QBY 2024-05-17 123456 Left.png", 320, 200},
          {"QBY 2024-05-17 123456 Right.png", 240, 180}}},
        {"2 x 2: four files, none replacing another",
         {{0, 0, 160, 120}, {160, 0, 160, 120}, {0, 120, 160, 120}, {160, 120, 96, 64}},
         {"2024-05-17T12:34:56", "2024-05-17T12:34:56"},
         "2024-05-17",
         {{"QBY 2024-05-17 123456 Left.png", 160, 120},
          {"QBY 2024-05-17 123456 Monitor3.png", 160, 120},
          {"QBY 2024-05-17 123456 Monitor4.png", 96, 64},
          {"QBY 2024-05-17 123456 Right.png", 160, 120}}},
        {"after midnight: the start day's folder, the new date",
         {{0, 0, 320, 200}},
         {"2024-05-17T23:59:58", "2024-05-18T00:00:03"},
         "2024-05-17",
         {{"QBY 2024-05-18 000003 Primary.png", 320, 200}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        const TChildRun run = RunChild(c.screens, c.times);
        ASSERT_TRUE(run.finished);
        ASSERT_EQ(run.exitCode, 0) << run.output;
        EXPECT_EQ(run.lastMessage, "") << "nothing went wrong";
        ASSERT_EQ(QDir(QString::fromStdString(run.dayFolder)).dirName().toStdString(), c.dayFolder);
        const std::string folder = run.dayFolder + "PNG/";
        std::vector<std::string> names;
        for (const TExpectedFile& file : c.files) names.push_back(file.name);
        EXPECT_EQ(PngFiles(folder), names);
        for (const TExpectedFile& file : c.files) {
            SCOPED_TRACE(file.name);
            EXPECT_EQ(ReadPngHeader(folder + file.name), (TPngHeader{file.width, file.height, 2}));
        }
    }
}

}  // namespace
