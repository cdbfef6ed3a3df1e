#include "navigation/KeyPanelPlacement.h"

namespace {

constexpr int kMargin = 10;

int BottomTop(QSize client, QSize panel) { return client.height() - panel.height() - kMargin; }

}  // namespace

QPoint NumericKeypadPlace(QSize client, QSize keypad) {
    return {client.width() - keypad.width() - kMargin, BottomTop(client, keypad)};
}

QPoint SimpleKeyboardPlace(QSize client, QSize keyboard) {
    return {(client.width() - keyboard.width()) / 2, BottomTop(client, keyboard)};
}
