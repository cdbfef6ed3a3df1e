#pragma once
// The control an on-screen keyboard types into. Keys change the control's text directly, so no
// key event is made up and the focus stays where it is: a line edit (masked or not) through its
// text, a combo box through its current text. Any other control reads as empty and takes
// nothing.

#include <QString>

class QWidget;

QString KeyTargetText(const QWidget* target);
void SetKeyTargetText(QWidget* target, const QString& text);

// The text with its last character gone; a character outside the basic plane goes whole.
QString WithoutLastCharacter(const QString& text);
