#include "app/OrvaltNumericKeypad.h"

#include <algorithm>

namespace {

constexpr int kKeyWidth = 50;
constexpr int kKeyHeight = 45;
constexpr int kColumnStep = 55;
constexpr int kRowStep = 50;
constexpr int kMargin = 5;

const char* const kCaptions[] = {"7", "8", "9", "4", "5", "6", "1", "2", "3", "Back", "0", "Enter"};
// The digit each tag types; Back and Enter type nothing.
constexpr char kDigits[] = "789456123?0?";

}  // namespace

TOrvaltNumericKeypad::TOrvaltNumericKeypad(QWidget* parent) : TOrvaltKeyPanel(parent) {
    resize(kWidth, kHeight);
    for (int tag = 0; tag < static_cast<int>(Keys.size()); ++tag) {
        const QRect place((tag % 3) * kColumnStep + kMargin, (tag / 3) * kRowStep + kMargin,
                          kKeyWidth, kKeyHeight);
        QPushButton* key = AddKey(kCaptions[tag], place, true);
        connect(key, &QPushButton::clicked, this, [this, key] { KeyClick(key); });
        Keys[tag] = key;
    }
}

void TOrvaltNumericKeypad::KeyClick(QObject* Sender) {
    const auto found = std::find(Keys.begin(), Keys.end(), Sender);
    if (!Sender || found == Keys.end()) return;
    const auto tag = found - Keys.begin();
    if (tag == kEnterTag) {
        hide();
    } else if (tag == kBackTag) {
        RemoveLastFromTarget();
    } else {
        AppendToTarget(QString(QChar(kDigits[tag])));
    }
}
