#include "navigation/RealtimeData.h"

TfRealtime* fRealtime = nullptr;

TfRealtime::TfRealtime(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("fRealtime");
    setWindowTitle("Realtime Data");
}
