#pragma once
// The window "Battery"; its controls come with the work that builds it.

#include <QWidget>

class TfJoystick : public QWidget {
public:
    explicit TfJoystick(QWidget* parent = nullptr);
};

extern TfJoystick* fJoystick;

// Shows the sounder's battery value in the window's field pBattery; nothing until the window
// has its controls.
void ShowBatteryLevel(const QString& text);
