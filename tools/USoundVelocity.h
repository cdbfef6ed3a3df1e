#pragma once
// The window "Sound Velocity"; its controls come with the work that builds it.

#include <QWidget>

class TfSVP : public QWidget {
public:
    explicit TfSVP(QWidget* parent = nullptr);
};

extern TfSVP* fSVP;
