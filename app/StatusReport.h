#pragma once
// The status report of the real-time handlers: what a port or the real-time loop has to tell
// the surveyor goes to the message window, to LastMessage and to the day's events log at once.

#include <QString>

enum class TReportWindow {
    Show,  // shows the message window
    Keep,  // leaves the message window as it is (its memo still gets the line)
};

// Shows the message window (unless asked to keep it as it is), sets LastMessage to the text,
// adds the text as a line to the window's memo and appends it to the day's events log. Without
// a message window only LastMessage and the log are written.
void ReportStatus(const QString& text, TReportWindow window = TReportWindow::Show);
