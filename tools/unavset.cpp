#include "tools/unavset.h"

TNavset* Navset = nullptr;

TNavset::TNavset(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Navset");
    setWindowTitle("Navigation Settings");
}
