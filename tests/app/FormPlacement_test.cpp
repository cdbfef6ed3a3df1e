#include "app/FormPlacement.h"

#include "platform/DataFolders.h"
#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace {

TEST(FormPlacement, ResolveKeepsTheCornerOnTheScreen) {
    struct {
        const char* legend;
        TStoredPlacement stored;
        bool restoreSize;
        TPlacement expected;
    } cases[] = {
        {"nothing stored: corner, current size",
         {0, 0, 0, 300, 200},
         true,
         {false, 0, 0, 300, 200}},
        {"normal window", {0, 100, 50, 640, 480}, true, {false, 100, 50, 640, 480}},
        {"position only keeps the size", {0, 100, 50, 640, 480}, false, {false, 100, 50, 300, 200}},
        {"dragged off the left edge", {0, -8, 40, 640, 480}, true, {false, 0, 40, 640, 480}},
        {"beyond the right edge", {0, 3000, 40, 640, 480}, true, {false, 0, 40, 640, 480}},
        {"at the screen width", {0, 1920, 40, 640, 480}, true, {false, 0, 40, 640, 480}},
        {"top tested on its own", {0, 100, 1080, 640, 480}, true, {false, 100, 0, 640, 480}},
        {"minimised restores normal", {1, 100, 50, 640, 480}, true, {false, 100, 50, 640, 480}},
        {"maximised ignores the bounds",
         {2, -5000, 9000, 1, 1},
         true,
         {true, -5000, 9000, 300, 200}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        const TPlacement p = ResolvePlacement(c.stored, 300, 200, 1920, 1080, c.restoreSize);
        EXPECT_EQ(p.maximised, c.expected.maximised);
        if (c.expected.maximised) continue;
        EXPECT_EQ(p.left, c.expected.left);
        EXPECT_EQ(p.top, c.expected.top);
        EXPECT_EQ(p.width, c.expected.width);
        EXPECT_EQ(p.height, c.expected.height);
    }
}

TEST(FormPlacement, SaveAndRestoreThroughTheSettingsFile) {
    QWidget form;
    form.setObjectName("Offsets");
    form.move(40, 30);
    form.resize(320, 240);
    SaveFormPlacement(&form);
    const TIniFile ini(GetSettingsFilePath());
    EXPECT_EQ(ini.ReadInteger("Offsets", "WindowState", -1), 0);
    EXPECT_EQ(ini.ReadInteger("Offsets", "Width", -1), 320);

    QWidget other;
    other.setObjectName("Offsets");
    other.resize(100, 100);
    RestoreFormPlacement(&other, true);
    EXPECT_EQ(other.pos(), QPoint(40, 30));
    EXPECT_EQ(other.size(), QSize(320, 240));
}

TEST(FormPlacement, StateTwoMaximises) {
    TIniFile(GetSettingsFilePath()).WriteInteger("FNav", "WindowState", 2);
    QWidget form;
    form.setObjectName("FNav");
    RestoreFormPlacement(&form, true);
    EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
}

}  // namespace
