#include "tools/UGPS.h"

TFGPS* FGPS = nullptr;

TFGPS::TFGPS(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("FGPS");
    setWindowTitle("Settings");
}
