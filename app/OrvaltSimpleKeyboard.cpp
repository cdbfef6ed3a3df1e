#include "app/OrvaltSimpleKeyboard.h"

#include <algorithm>

namespace {

constexpr int kKeySize = 38;
constexpr int kKeyStep = 41;

struct TCharacterRow {
    const char* characters;
    int left;
    int top;
};
const TCharacterRow kRows[] = {
    {"1234567890", 3, 3}, {"QWERTYUIOP", 3, 44}, {"ASDFGHJKL", 22, 85}, {"ZXCVBNM", 54, 126}};

bool IsAsciiLetter(char c) { return c >= 'A' && c <= 'Z'; }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

TOrvaltSimpleKeyboard::TOrvaltSimpleKeyboard(QWidget* parent) : TOrvaltKeyPanel(parent) {
    resize(kWidth, kHeight);
    for (const TCharacterRow& row : kRows) AddCharacterRow(row.characters, row.left, row.top);
    ShiftKey = AddKey("Shift", QRect(3, 126, 48, kKeySize));
    BackKey = AddKey("Back", QRect(341, 126, 53, kKeySize));
    SpaceKey = AddKey("Space", QRect(44, 167, 250, kKeySize));
    EnterKey = AddKey("Enter", QRect(297, 167, 80, kKeySize), true);
    connect(ShiftKey, &QPushButton::clicked, this, &TOrvaltSimpleKeyboard::ShiftClick);
    connect(BackKey, &QPushButton::clicked, this, &TOrvaltSimpleKeyboard::BackClick);
    connect(SpaceKey, &QPushButton::clicked, this, &TOrvaltSimpleKeyboard::SpaceClick);
    connect(EnterKey, &QPushButton::clicked, this, &TOrvaltSimpleKeyboard::EnterClick);
}

void TOrvaltSimpleKeyboard::AddCharacterRow(const char* characters, int left, int top) {
    for (int i = 0; characters[i]; ++i) {
        const char character = characters[i];
        QPushButton* key =
            AddKey(KeyText(character), QRect(i * kKeyStep + left, top, kKeySize, kKeySize));
        connect(key, &QPushButton::clicked, this, [this, key] { KeyClick(key); });
        Keys.push_back(key);
        characters_.push_back(character);
    }
}

QString TOrvaltSimpleKeyboard::KeyText(char character) const {
    return QString(QChar(upperCase_ ? character : AsciiLower(character)));
}

void TOrvaltSimpleKeyboard::KeyClick(QObject* Sender) {
    const auto found = std::find(Keys.begin(), Keys.end(), Sender);
    if (!Sender || found == Keys.end() || !Target) return;
    AppendToTarget(KeyText(characters_[found - Keys.begin()]));
    if (Shift) {
        Shift = false;
        Relabel();
    }
}

void TOrvaltSimpleKeyboard::ShiftClick() {
    if (!Target) return;
    Shift = !Shift;
    Relabel();
}

void TOrvaltSimpleKeyboard::BackClick() { RemoveLastFromTarget(); }

void TOrvaltSimpleKeyboard::SpaceClick() { AppendToTarget(" "); }

void TOrvaltSimpleKeyboard::EnterClick() { hide(); }

void TOrvaltSimpleKeyboard::Relabel() {
    upperCase_ = Shift;
    for (std::size_t i = 0; i < Keys.size(); ++i) {
        if (IsAsciiLetter(characters_[i])) Keys[i]->setText(KeyText(characters_[i]));
    }
}
