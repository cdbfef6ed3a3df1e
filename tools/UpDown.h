#pragma once
// The up-down arrows beside a number edit: each click steps the edit's whole number by the
// increment within Min..Max and writes it back into the edit, which reports the change as if
// typed. A text that is not a whole number steps from the last position.

#include <QLineEdit>
#include <QWidget>

class QToolButton;

// The position one click gives: the text's whole number (or the last position when the text is
// not one), stepped by increment in the given direction (+1 up, -1 down), kept within min..max.
int UpDownStep(const QString& text, int lastPosition, int min, int max, int increment,
               int direction);

class TUpDown : public QWidget {
public:
    TUpDown(QLineEdit* associate, int min, int max, int increment, QWidget* parent = nullptr);

    void Click(int direction);

    QLineEdit* Associate;
    int Min, Max, Increment;
    int Position;
    QToolButton *Up, *Down;
};
