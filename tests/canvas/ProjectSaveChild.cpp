// Saves a survey-sized drawing over a project file, for the test that kills a save part-way.
// Usage: project_save_child <path> <shape count>. Prints "saving" when the save begins and
// "saved" when it is done.
#include "canvas/CanvasModel.h"
#include "canvas/ProjectFile.h"
#include "platform/Clock.h"
#include "tests/canvas/SurveyDrawing.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    // A fixed time, so every run writes the same bytes.
    TTestClock clock(QDateTime(QDate(2024, 5, 17), QTime(12, 0)));
    TCanvasModel model;
    BuildSurveyDrawing(model, std::atoi(argv[2]), 1);
    std::puts("saving");
    std::fflush(stdout);
    std::string reason;
    const bool saved = WriteProjectFile(model, argv[1], reason);
    std::puts(saved ? "saved" : reason.c_str());
    std::fflush(stdout);
    // Tearing down a million shapes would only lengthen the test.
    std::_Exit(saved ? 0 : 1);
}
