#pragma once
// Where the on-screen keypad and keyboard go over the main window, from its client size alone:
// both 10 pixels above the bottom, the keypad 10 pixels from the right, the keyboard centred
// (halving toward zero, so a window narrower than the keyboard gives a negative left).

#include <QPoint>
#include <QSize>

QPoint NumericKeypadPlace(QSize client, QSize keypad);
QPoint SimpleKeyboardPlace(QSize client, QSize keyboard);
