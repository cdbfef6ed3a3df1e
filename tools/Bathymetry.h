#pragma once
// The window "Offsets Essential for Post Processing / Recovery". The main window reads its
// number edits directly while the window is hidden; the window around them comes with the
// work that builds it.

#include <QLineEdit>
#include <QWidget>

class TOffsets : public QWidget {
public:
    explicit TOffsets(QWidget* parent = nullptr);

    // Texts in metres and m/s, empty at start.
    QLineEdit* OffsetA;  // transducer draft
    QLineEdit* SV;       // sound velocity
    QLineEdit* OffsetC;  // antenna height above the water
    QLineEdit* TideHt;   // manual tide
};

extern TOffsets* Offsets;
