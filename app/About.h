#pragma once
// The window "About Quellbay": the program's name and its version, shown modally; OK ends it.
// The version is the window's own text, not read from the program file. The window is white
// with black text in every style.

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

class TformAbout : public QDialog {
public:
    explicit TformAbout(QWidget* parent = nullptr);

    QFrame* Panel4;
    QLabel* SoftName;
    QLabel* Version;
    QPushButton* BitBtn2;  // OK
};

extern TformAbout* formAbout;
