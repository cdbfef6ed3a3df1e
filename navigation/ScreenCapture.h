#pragma once
// Where the screenshots come from: the monitors and a picture of each. The program grabs the
// real screens; tests and the benchmark hand over pictures of their own.

#include <QImage>
#include <QRect>
#include <vector>

class TScreenCapture {
public:
    virtual ~TScreenCapture() = default;
    // The monitors' rectangles in virtual-screen coordinates, as they are now.
    virtual std::vector<QRect> Screens() = 0;
    // The picture of the monitor with this index, at its size; null when the platform gives
    // none (Wayland does not let a program read the screen) or the monitor has gone.
    virtual QImage Grab(int index) = 0;
};

// QGuiApplication's screens, each grabbed whole with QScreen::grabWindow(0).
class TPlatformScreenCapture final : public TScreenCapture {
public:
    std::vector<QRect> Screens() override;
    QImage Grab(int index) override;
};
