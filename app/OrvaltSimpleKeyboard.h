#pragma once
// The on-screen keyboard, 420 x 200 pixels: the digits, the letters in three rows, and Shift,
// Back, Space and Enter. Each character key types its own character, in the case its caption
// shows, and is relabelled from that character; the four special keys act by which key they
// are. Their captions may be translated for display without changing what they do.
//
// The letters start in upper case with Shift off, so they type upper case until Shift is first
// used; Shift then holds for one letter, and its release shows the letters in lower case. Case
// changes are ASCII only.

#include "app/OrvaltKeyPanel.h"

#include <vector>

class TOrvaltSimpleKeyboard : public TOrvaltKeyPanel {
public:
    static constexpr int kWidth = 420;
    static constexpr int kHeight = 200;

    explicit TOrvaltSimpleKeyboard(QWidget* parent = nullptr);

    std::vector<QPushButton*> Keys;  // the character keys: ten digits, then the letters
    QPushButton* ShiftKey;
    QPushButton* BackKey;
    QPushButton* SpaceKey;
    QPushButton* EnterKey;
    bool Shift = false;

    // Ignores a sender that is not a character key.
    void KeyClick(QObject* Sender);
    void ShiftClick();
    void BackClick();
    void SpaceClick();
    // Hides the keyboard, with or without a target.
    void EnterClick();

private:
    void AddCharacterRow(const char* characters, int left, int top);
    QString KeyText(char character) const;
    void Relabel();

    std::vector<char> characters_;  // of Keys, in upper case
    bool upperCase_ = true;         // the case the letters show and type
};
