#include "devices/uRTCMParsing.h"

TfRTCMParsing* fRTCMParsing = nullptr;

TfRTCMParsing::TfRTCMParsing(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("fRTCMParsing");
    setWindowTitle("RTCM Message Parser");
}
