#pragma once
// The main window's periodic screenshots: at every tick of tScreenshot, a picture of every
// monitor as a PNG file in the day's "PNG" folder, named after the tick and the monitor
// (ScreenshotNames.h).
//
// The tick captures on the user-interface thread and hands the pictures to the writer's worker
// (ScreenshotWriter.h), so it returns at once. Each monitor stands alone: a picture that cannot
// be taken or written leaves the others be. Failures are reported once per failure period (from
// the first failing tick until a tick writes every picture) with the path and the reason,
// never in a modal box, and every tick tries again. A tick that finds the previous pictures
// still being written takes none and says so once for the stretch of ticks that skip, which
// ends with two ticks in a row that hand pictures over.

#include "navigation/ScreenCapture.h"
#include "navigation/ScreenshotWriter.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class TScreenshots {
public:
    // Tells the surveyor; the main window passes the standard status report.
    using TReport = std::function<void(const QString& text)>;

    TScreenshots(std::unique_ptr<TScreenCapture> capture, TPngEncoder encode, TReport report);

    // Folder, date and time once, then every monitor; the monitors are counted again before
    // each one, as one may come or go meanwhile.
    void Tick();
    // Pictures were handed over whose outcome has not come back yet.
    bool Writing() const { return outstanding_ > 0; }

private:
    // A picture of every monitor, named for the tick's date and time, taken once; the monitors
    // that gave none go to failures.
    std::vector<TScreenshotJob> Capture(const std::string& folder,
                                        std::vector<TScreenshotFailure>& failures);
    // One tick's outcome, once all its pictures are written or failed.
    void Conclude(const std::vector<TScreenshotFailure>& failures);
    void ReportSkip();

    std::unique_ptr<TScreenCapture> capture_;
    TReport report_;
    TScreenshotWriter writer_;  // after what its outcomes use, so it goes first
    int outstanding_ = 0;
    bool failing_ = false;
    bool skipReported_ = false;
    bool lastTickSkipped_ = false;
};
