#include "navigation/Screenshots.h"

#include "navigation/ScreenshotNames.h"
#include "platform/Clock.h"
#include "platform/Paths.h"

#include <memory>

TScreenshots::TScreenshots(std::unique_ptr<TScreenCapture> capture, TPngEncoder encode,
                           TReport report)
    : capture_(std::move(capture)), report_(std::move(report)), writer_(std::move(encode)) {}

void TScreenshots::Tick() {
    if (writer_.Busy()) return ReportSkip();
    // Skipping every other tick is one stretch: an interval shorter than the writing.
    if (!lastTickSkipped_) skipReported_ = false;
    lastTickSkipped_ = false;
    const std::string folder = ScreenshotFolder();
    std::string reason;
    if (!CreateDirectories(folder, reason)) {
        return Conclude({{folder, "cannot create the folder: " + reason}});
    }
    auto failures = std::make_shared<std::vector<TScreenshotFailure>>();
    std::vector<TScreenshotJob> batch = Capture(folder, *failures);
    if (batch.empty()) return Conclude(*failures);
    // Only this thread hands batches over, so the writer that was idle above takes this one.
    writer_.Write(std::move(batch), [this, failures](std::vector<TScreenshotFailure> written) {
        --outstanding_;
        failures->insert(failures->end(), written.begin(), written.end());
        Conclude(*failures);
    });
    ++outstanding_;
}

std::vector<TScreenshotJob> TScreenshots::Capture(const std::string& folder,
                                                  std::vector<TScreenshotFailure>& failures) {
    const QDateTime now = Now();
    TMonitorNamer names;
    std::vector<TScreenshotJob> batch;
    for (int i = 0;; ++i) {
        const std::vector<QRect> screens = capture_->Screens();
        if (i >= static_cast<int>(screens.size())) break;
        std::string path = folder + ScreenshotFileName(now, names.Next(screens, i));
        QImage picture = capture_->Grab(i);
        if (picture.isNull()) {
            failures.push_back({std::move(path), "the screen gave no picture"});
        } else {
            batch.push_back({std::move(path), std::move(picture)});
        }
    }
    return batch;
}

void TScreenshots::ReportSkip() {
    lastTickSkipped_ = true;
    if (skipReported_) return;
    skipReported_ = true;
    report_("Screenshots skipped: the pictures of the last tick are still being written");
}

void TScreenshots::Conclude(const std::vector<TScreenshotFailure>& failures) {
    if (failures.empty()) {
        failing_ = false;
        return;
    }
    if (failing_) return;
    failing_ = true;
    for (const TScreenshotFailure& failure : failures) {
        report_(QString::fromStdString("Screenshot not saved: " + failure.path + " (" +
                                       failure.reason + ")"));
    }
}
