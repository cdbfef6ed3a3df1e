#include "navigation/ScreenCapture.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

std::vector<QRect> TPlatformScreenCapture::Screens() {
    std::vector<QRect> rectangles;
    for (const QScreen* screen : QGuiApplication::screens()) {
        rectangles.push_back(screen->geometry());
    }
    return rectangles;
}

QImage TPlatformScreenCapture::Grab(int index) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (index < 0 || index >= screens.size()) return {};
    QScreen* screen = screens[index];
    const QRect area = screen->geometry();
    return screen->grabWindow(0, 0, 0, area.width(), area.height()).toImage();
}
