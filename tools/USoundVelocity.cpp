#include "tools/USoundVelocity.h"

TfSVP* fSVP = nullptr;

TfSVP::TfSVP(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("fSVP");
    setWindowTitle("Sound Velocity");
}

bool SoundVelocityProfileInUse() { return false; }

std::optional<std::vector<std::string>> SoundVelocityProfileColumn() { return std::nullopt; }
