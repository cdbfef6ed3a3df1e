#pragma once
// A tool-window benchmark runs as the program does, with settings and day folders of its own:
// the roots go into `folder` before the application starts, the platform is offscreen unless
// one is named, and numbers are read and written in the C format.

#include "platform/DataFolders.h"

#include <QApplication>
#include <QString>
#include <clocale>

// Before the QApplication is made.
inline void UseBenchmarkRoots(const QString& folder) {
    qputenv("ProgramData", (folder + "/ProgramData").toUtf8());
    qputenv("QUELLBAY_SMK_ROOT", (folder + "/SMK/").toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

// After the QApplication is made.
inline void StartBenchmarkDay() {
    std::setlocale(LC_NUMERIC, "C");  // QApplication takes the locale from the environment
    InitDayFolderGlobals();
}
