#include "tools/Bathymetry.h"

TOffsets* Offsets = nullptr;

TOffsets::TOffsets(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Offsets");
    setWindowTitle("Offsets Essential for Post Processing / Recovery");
}
