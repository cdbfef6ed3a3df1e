#pragma once
// A benchmark that runs the program's windows keeps their settings file and day folders in a
// temporary folder of its own, and draws offscreen unless told otherwise. Call before the
// QApplication is created.

#include <QTemporaryDir>
#include <QtGlobal>

inline void UseBenchmarkRoots(const QTemporaryDir& roots) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("ProgramData", roots.filePath("settings").toUtf8());
    qputenv("QUELLBAY_SMK_ROOT", roots.filePath("smk").toUtf8());
}
