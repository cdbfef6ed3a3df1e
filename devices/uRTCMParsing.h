#pragma once
// The window "RTCM Message Parser": shows one RTCM report (RtcmReport.h) in a fixed-pitch memo
// and saves it to the day's LOG folder on "Save && Close".

#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include <string>
#include <vector>

class TfRTCMParsing : public QWidget {
public:
    explicit TfRTCMParsing(QWidget* parent = nullptr);
    // Clears fRTCMParsing when it names this window.
    ~TfRTCMParsing() override;

    QPlainTextEdit* MemoRTCM;
    QPushButton* btnClear;
    QPushButton* btnClose;

    // Appends one line of the report (UTF-8).
    void AddLine(const std::string& line);
    void ClearReport();
    // The memo's lines; none when it is empty.
    std::vector<std::string> ReportLines() const;

    void btnClearClick();
    // Saves a memo of at least one line to today's LOG folder, then closes; a failure is shown
    // and the window stays open.
    void btnCloseClick();
};

extern TfRTCMParsing* fRTCMParsing;
