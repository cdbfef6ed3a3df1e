#include "app/KeyTarget.h"

#include <QComboBox>
#include <QLineEdit>

QString KeyTargetText(const QWidget* target) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(target)) return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(target)) return combo->currentText();
    return {};
}

void SetKeyTargetText(QWidget* target, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(target)) {
        edit->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(target)) {
        combo->setCurrentText(text);
    }
}

QString WithoutLastCharacter(const QString& text) {
    if (text.isEmpty()) return text;
    const bool pair = text.size() >= 2 && text.back().isLowSurrogate() &&
                      text.at(text.size() - 2).isHighSurrogate();
    return text.left(text.size() - (pair ? 2 : 1));
}
