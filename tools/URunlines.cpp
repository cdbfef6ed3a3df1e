#include "tools/URunlines.h"

TfRunline1* fRunline1 = nullptr;

TfRunline1::TfRunline1(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("fRunline1");
    setWindowTitle("Runline Generator");
}
