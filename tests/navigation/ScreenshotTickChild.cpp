// Takes screenshots through the main window's tick on the screens the platform offers, for the
// test that runs one child per screen layout: Qt's offscreen platform reads its layout from a
// file once, when the application starts.
//
// Usage: screenshot_tick_child <start> <tick>..., times as yyyy-MM-ddTHH:mm:ss. The day folders
// are those of the start; each tick runs at its time and is waited for. Prints the day folder,
// then the last status text (empty when nothing was reported).
#include "navigation/Screenshots.h"
#include "navigation/unavigation.h"
#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "tests/support/WaitFor.h"

#include <QApplication>
#include <clocale>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc < 3) return 2;
    TTestClock clock(QDateTime::fromString(argv[1], Qt::ISODate));
    InitDayFolderGlobals();
    {
        TFNav window;
        for (int i = 2; i < argc; ++i) {
            clock.Set(QDateTime::fromString(argv[i], Qt::ISODate));
            window.tScreenshotTimer();
            if (!WaitFor([&] { return !window.Screenshots->Writing(); }, 60000)) return 3;
        }
    }
    std::printf("%s\n%s\n", DayDir.c_str(), LastMessage.toStdString().c_str());
    return 0;
}
