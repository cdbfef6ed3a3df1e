#include "tools/UShape.h"

TFShape* FShape = nullptr;

TFShape::TFShape(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("FShape");
    setWindowTitle("Vessel Geometry");
}
