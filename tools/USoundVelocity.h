#pragma once
// The window "Sound Velocity"; its controls come with the work that builds it.

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

class TfSVP : public QWidget {
public:
    explicit TfSVP(QWidget* parent = nullptr);
};

extern TfSVP* fSVP;

// True while the window's "use profile" box (cUseSVP) is ticked; always false until the window
// has its controls.
bool SoundVelocityProfileInUse();

// The lines of the window's profile column (mSVPColumn) while the profile is in use: line k
// holds the mean sound velocity (m/s) from the surface down to k metres. Nothing while no
// profile is in use, and always nothing until the window has its controls.
std::optional<std::vector<std::string>> SoundVelocityProfileColumn();
