#pragma once
// The window "Sound Velocity"; its controls come with the work that builds it.

#include <QWidget>

class TfSVP : public QWidget {
public:
    explicit TfSVP(QWidget* parent = nullptr);
};

extern TfSVP* fSVP;

// True while the window's "use profile" box (cUseSVP) is ticked; always false until the window
// has its controls.
bool SoundVelocityProfileInUse();
