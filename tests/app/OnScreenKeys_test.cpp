// The on-screen keypad and keyboard, offscreen: what key sequences type into which targets,
// where the keys lie, and the orange frame.

#include "app/OrvaltNumericKeypad.h"
#include "app/OrvaltSimpleKeyboard.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <memory>
#include <string>
#include <vector>

namespace {

const char* const kKeypadCaptions[] = {"7", "8", "9", "4",    "5", "6",
                                       "1", "2", "3", "Back", "0", "Enter"};
const std::string kKeyboardCharacters = "1234567890QWERTYUIOPASDFGHJKLZXCVBNM";

// The keys go by their English names, whatever the captions show.
void Press(TOrvaltNumericKeypad& keypad, const std::string& name) {
    for (int tag = 0; tag < 12; ++tag) {
        if (name == kKeypadCaptions[tag]) return keypad.Keys[tag]->click();
    }
    FAIL() << "no keypad key " << name;
}

void Press(TOrvaltSimpleKeyboard& keyboard, const std::string& name) {
    if (name == "Shift") return keyboard.ShiftKey->click();
    if (name == "Back") return keyboard.BackKey->click();
    if (name == "Space") return keyboard.SpaceKey->click();
    if (name == "Enter") return keyboard.EnterKey->click();
    const auto at = kKeyboardCharacters.find(name);
    ASSERT_TRUE(name.size() == 1 && at != std::string::npos) << "no keyboard key " << name;
    keyboard.Keys[at]->click();
}

struct TKeyCase {
    const char* legend;
    bool keyboard;  // else the keypad
    std::vector<std::string> keys;
    const char* before;
    const char* after;
    bool shownAfter;
};

const TKeyCase kKeyCases[] = {
    {"a typo taken back", false, {"1", "2", "Back", "3"}, "", "13", true},
    {"Back on an empty field", false, {"Back"}, "", "", true},
    {"Enter hides and leaves the text", false, {"Enter"}, "4.5", "4.5", false},
    {"every digit, in key order",
     false,
     {"7", "8", "9", "4", "5", "6", "1", "2", "3", "0"},
     "",
     "7894561230",
     true},
    {"a fresh keyboard types upper case", true, {"Q"}, "", "Q", true},
    {"Shift twice gives lower case", true, {"Shift", "Shift", "Q", "W"}, "", "qw", true},
    {"Shift holds for one letter", true, {"Shift", "Shift", "Shift", "A", "B"}, "", "Ab", true},
    {"digits keep their case", true, {"Shift", "Shift", "1", "0"}, "", "10", true},
    {"Space and Back", true, {"Space", "K", "Back", "Back"}, "ab", "ab", true},
    {"Space appends one blank", true, {"Space"}, "ab", "ab ", true},
    {"Back on an empty field", true, {"Back"}, "", "", true},
    {"Enter hides the keyboard", true, {"M", "Enter"}, "", "M", false},
};

TEST(OnScreenKeys, SequencesTypeIntoALineEdit) {
    for (const TKeyCase& row : kKeyCases) {
        SCOPED_TRACE(row.legend);
        QLineEdit edit(row.before);
        std::unique_ptr<TOrvaltKeyPanel> panel;
        if (row.keyboard) {
            auto keyboard = std::make_unique<TOrvaltSimpleKeyboard>();
            keyboard->Target = &edit;
            keyboard->show();
            for (const std::string& key : row.keys) Press(*keyboard, key);
            panel = std::move(keyboard);
        } else {
            auto keypad = std::make_unique<TOrvaltNumericKeypad>();
            keypad->Target = &edit;
            keypad->show();
            for (const std::string& key : row.keys) Press(*keypad, key);
            panel = std::move(keypad);
        }
        EXPECT_EQ(edit.text().toStdString(), row.after);
        EXPECT_EQ(panel->isVisible(), row.shownAfter);
    }
}

TEST(OnScreenKeys, LetterCaptionsFollowTheCaseTheyType) {
    TOrvaltSimpleKeyboard keyboard;
    QLineEdit edit;
    keyboard.Target = &edit;
    const auto caption = [&keyboard](char c) {
        return keyboard.Keys[kKeyboardCharacters.find(c)]->text();
    };
    EXPECT_EQ(caption('Q'), "Q");
    EXPECT_FALSE(keyboard.Shift);
    Press(keyboard, "Shift");
    Press(keyboard, "Shift");
    EXPECT_EQ(caption('Q'), "q");
    EXPECT_EQ(caption('I'), "i") << "ASCII, never the Turkish dotless i";
    EXPECT_EQ(caption('7'), "7");
    Press(keyboard, "Shift");
    EXPECT_EQ(caption('M'), "M");
    Press(keyboard, "I");
    EXPECT_EQ(caption('M'), "m");
    EXPECT_EQ(edit.text(), "I") << "upper case with Shift, ASCII only";
}

TEST(OnScreenKeys, WithoutATargetOnlyEnterActs) {
    TOrvaltNumericKeypad keypad;
    keypad.show();
    for (const char* key : {"1", "Back", "0"}) Press(keypad, key);
    Press(keypad, "Enter");
    EXPECT_FALSE(keypad.isVisible());

    TOrvaltSimpleKeyboard keyboard;
    keyboard.show();
    for (const char* key : {"Shift", "A", "Space", "Back"}) Press(keyboard, key);
    EXPECT_FALSE(keyboard.Shift) << "Shift does nothing either";
    EXPECT_EQ(keyboard.Keys[kKeyboardCharacters.find('A')]->text(), "A");
    Press(keyboard, "Enter");
    EXPECT_FALSE(keyboard.isVisible());

    auto edit = std::make_unique<QLineEdit>();
    keypad.Target = edit.get();
    edit.reset();
    Press(keypad, "5");  // the target is gone: the guarded pointer is null
    EXPECT_EQ(keypad.Target, nullptr);
}

TEST(OnScreenKeys, TargetsOfEveryKind) {
    TOrvaltSimpleKeyboard keyboard;
    const auto type = [&keyboard](QWidget* target, const std::vector<std::string>& keys) {
        keyboard.Target = target;
        for (const std::string& key : keys) Press(keyboard, key);
    };

    QLineEdit masked;
    masked.setInputMask(">AAAA");  // letters, shown in upper case
    type(&masked, {"Shift", "Shift", "Q", "B", "Back", "C"});
    EXPECT_EQ(masked.text(), "QC") << "through the mask";

    QComboBox editable;
    editable.setEditable(true);
    editable.addItems({"Harbour", "Bay"});
    editable.setCurrentText("");
    type(&editable, {"Shift", "B", "A", "Y"});
    EXPECT_EQ(editable.currentText(), "Bay");
    TOrvaltNumericKeypad keypad;
    keypad.Target = &editable;
    Press(keypad, "7");
    EXPECT_EQ(editable.currentText(), "Bay7");

    QPlainTextEdit memo("memo");
    type(&memo, {"X", "Back", "Space"});
    EXPECT_EQ(memo.toPlainText(), "memo") << "neither read nor written";
    QLabel label("label");
    type(&label, {"X", "Back"});
    EXPECT_EQ(label.text(), "label");
}

TEST(OnScreenKeys, KeysLieAtTheirPlacesAndTakeNoFocus) {
    TOrvaltNumericKeypad keypad;
    EXPECT_EQ(keypad.size(), QSize(170, 200));
    EXPECT_EQ(keypad.Keys[0]->geometry(), QRect(5, 5, 50, 45));
    EXPECT_EQ(keypad.Keys[4]->geometry(), QRect(60, 55, 50, 45));
    EXPECT_EQ(keypad.Keys[11]->geometry(), QRect(115, 155, 50, 45));
    EXPECT_TRUE(keypad.Keys[11]->font().bold());

    TOrvaltSimpleKeyboard keyboard;
    EXPECT_EQ(keyboard.size(), QSize(420, 200));
    const std::pair<char, QRect> characters[] = {{'0', QRect(372, 3, 38, 38)},
                                                 {'Q', QRect(3, 44, 38, 38)},
                                                 {'L', QRect(350, 85, 38, 38)},
                                                 {'Z', QRect(54, 126, 38, 38)}};
    for (const auto& [character, place] : characters) {
        EXPECT_EQ(keyboard.Keys[kKeyboardCharacters.find(character)]->geometry(), place)
            << character;
    }
    EXPECT_EQ(keyboard.ShiftKey->geometry(), QRect(3, 126, 48, 38));
    EXPECT_EQ(keyboard.BackKey->geometry(), QRect(341, 126, 53, 38));
    EXPECT_EQ(keyboard.SpaceKey->geometry(), QRect(44, 167, 250, 38));
    EXPECT_EQ(keyboard.EnterKey->geometry(), QRect(297, 167, 80, 38));
    EXPECT_TRUE(keyboard.EnterKey->font().bold());
    EXPECT_FALSE(keyboard.SpaceKey->font().bold());

    for (const QPushButton* key : keypad.findChildren<QPushButton*>()) {
        EXPECT_EQ(key->focusPolicy(), Qt::NoFocus);
    }
    for (const QPushButton* key : keyboard.findChildren<QPushButton*>()) {
        EXPECT_EQ(key->focusPolicy(), Qt::NoFocus);
    }
}

TEST(OnScreenKeys, BlackPanelInAnOrangeFrame) {
    const QColor orange(0xFF, 0xA5, 0x00);
    TOrvaltNumericKeypad keypad;
    const QImage pad = keypad.grab().toImage();
    EXPECT_EQ(pad.pixelColor(1, 100), orange);
    EXPECT_EQ(pad.pixelColor(85, 1), orange);
    EXPECT_EQ(pad.pixelColor(57, 52), QColor(Qt::black)) << "between the keys";

    TOrvaltSimpleKeyboard keyboard;
    const QImage board = keyboard.grab().toImage();
    for (const QPoint frame : {QPoint(0, 100), QPoint(2, 100), QPoint(417, 100), QPoint(419, 100),
                               QPoint(200, 0), QPoint(20, 199)}) {
        EXPECT_EQ(board.pixelColor(frame), orange) << frame.x() << "," << frame.y();
    }
    EXPECT_EQ(board.pixelColor(3, 100), QColor(Qt::black)) << "three pixels wide";
    EXPECT_EQ(board.pixelColor(42, 20), QColor(Qt::black));
}

}  // namespace
