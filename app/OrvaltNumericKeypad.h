#pragma once
// The on-screen numeric keypad, 170 x 200 pixels: twelve keys in four rows of three, "7 8 9",
// "4 5 6", "1 2 3", "Back 0 Enter". Key i has the tag i (0 to 11) and acts by it, never by its
// caption, so a translated "Back" or "Enter" still deletes or closes: tag 9 removes the target's
// last character, tag 11 hides the keypad (with or without a target), the others append their
// digit.

#include "app/OrvaltKeyPanel.h"

#include <array>

class TOrvaltNumericKeypad : public TOrvaltKeyPanel {
public:
    static constexpr int kWidth = 170;
    static constexpr int kHeight = 200;
    static constexpr int kBackTag = 9;
    static constexpr int kEnterTag = 11;

    explicit TOrvaltNumericKeypad(QWidget* parent = nullptr);

    std::array<QPushButton*, 12> Keys{};  // by tag

    // Ignores a sender that is not one of the keys.
    void KeyClick(QObject* Sender);
};
