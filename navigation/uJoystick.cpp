#include "navigation/uJoystick.h"

TfJoystick* fJoystick = nullptr;

TfJoystick::TfJoystick(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("fJoystick");
    setWindowTitle("Battery");
}

void ShowBatteryLevel(const QString&) {}
