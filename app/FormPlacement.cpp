#include "app/FormPlacement.h"

#include "platform/DataFolders.h"
#include "platform/IniFile.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

constexpr int kNormal = 0;
constexpr int kMinimised = 1;
constexpr int kMaximised = 2;

int StateCode(const QWidget* form) {
    if (form->isMaximized()) return kMaximised;
    if (form->isMinimized()) return kMinimised;
    return kNormal;
}

}  // namespace

TPlacement ResolvePlacement(const TStoredPlacement& stored, int currentWidth, int currentHeight,
                            int screenWidth, int screenHeight, bool restoreSize) {
    TPlacement placement{false, stored.left, stored.top, currentWidth, currentHeight};
    if (stored.windowState == kMaximised) {
        placement.maximised = true;
        return placement;
    }
    if (restoreSize) {
        placement.width = stored.width;
        placement.height = stored.height;
    }
    if (placement.left < 0 || placement.left >= screenWidth) placement.left = 0;
    if (placement.top < 0 || placement.top >= screenHeight) placement.top = 0;
    return placement;
}

void SaveFormPlacement(QWidget* form) {
    TIniFile ini(GetSettingsFilePath());
    const std::string section = form->objectName().toStdString();
    ini.WriteInteger(section, "WindowState", StateCode(form));
    ini.WriteInteger(section, "Left", form->x());
    ini.WriteInteger(section, "Top", form->y());
    ini.WriteInteger(section, "Width", form->width());
    ini.WriteInteger(section, "Height", form->height());
}

void RestoreFormPlacement(QWidget* form, bool restoreSize) {
    const TIniFile ini(GetSettingsFilePath());
    const std::string section = form->objectName().toStdString();
    const TStoredPlacement stored{
        ini.ReadInteger(section, "WindowState", kNormal), ini.ReadInteger(section, "Left", 0),
        ini.ReadInteger(section, "Top", 0), ini.ReadInteger(section, "Width", form->width()),
        ini.ReadInteger(section, "Height", form->height())};
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const TPlacement placement = ResolvePlacement(stored, form->width(), form->height(),
                                                  screen.width(), screen.height(), restoreSize);
    if (placement.maximised) {
        form->setWindowState(form->windowState() | Qt::WindowMaximized);
        return;
    }
    form->move(placement.left, placement.top);
    form->resize(placement.width, placement.height);
}

void CentreOnScreen(QWidget* form) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        form->move(screen->availableGeometry().center() - form->rect().center());
    }
}

void CentreOnWindow(QWidget* form, const QWidget* other) {
    form->move(other->frameGeometry().center() - form->rect().center());
}
