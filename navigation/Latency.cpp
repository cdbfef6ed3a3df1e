#include "navigation/Latency.h"

TfLatency* fLatency = nullptr;

TfLatency::TfLatency(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("fLatency");
    setWindowTitle("Latency");
}
