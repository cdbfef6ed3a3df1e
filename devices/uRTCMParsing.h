#pragma once
// The window "RTCM Message Parser"; its controls come with the work that builds it.

#include <QWidget>

class TfRTCMParsing : public QWidget {
public:
    explicit TfRTCMParsing(QWidget* parent = nullptr);
};

extern TfRTCMParsing* fRTCMParsing;
