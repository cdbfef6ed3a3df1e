#include "app/StartUp.h"

#include "app/StyleManager.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tools/unavset.h"

#include <gtest/gtest.h>

namespace {

TEST(StartUp, SettingsAndTheirFallbacks) {
    const TStartupSettings none = ReadStartupSettings(TIniFile(GetSettingsFilePath()));
    EXPECT_EQ(none.themeStyle, "Light");
    EXPECT_EQ(none.overlayFontSize, 40);
    EXPECT_EQ(none.overlayDepthColor, 0x800000);
    EXPECT_EQ(none.overlaySpeedColor, 0);

    for (const char* text : {"abc", "", "12.5"}) {
        SCOPED_TRACE(text);
        TIniFile ini(GetSettingsFilePath());
        ini.WriteString("OVERLAY_SETTINGS", "FontSize", text);
        EXPECT_EQ(ReadStartupSettings(ini).overlayFontSize, 40);
    }
    TIniFile ini(GetSettingsFilePath());
    ini.WriteString("OVERLAY_SETTINGS", "FontSize", "64");
    ini.WriteInteger("OVERLAY_SETTINGS", "SpeedColor", 0x0000FF);
    ini.WriteString("APPLICATION", "ThemeStyle", "Carbon");
    const TStartupSettings stored = ReadStartupSettings(ini);
    EXPECT_EQ(stored.overlayFontSize, 64);
    EXPECT_EQ(stored.overlaySpeedColor, 0x0000FF);
    EXPECT_EQ(stored.themeStyle, "Carbon");
}

TEST(StartUp, DefaultThemeNameKeepsTheStyleOtherCasesGoToTheStyleManager) {
    TScriptedDialogs dialogs;
    ASSERT_TRUE(TStyleManager::TrySetStyle("Carbon", false));
    ApplyTheme("Quellbay - Default");
    EXPECT_EQ(TStyleManager::ActiveStyleName(), "Carbon");
    EXPECT_TRUE(dialogs.messages.empty());
    ApplyTheme("quellbay - default");
    EXPECT_EQ(dialogs.messages.size(), 1u) << "an unknown style is reported";
    EXPECT_EQ(TStyleManager::ActiveStyleName(), "Carbon");
    ApplyTheme("Light");
    EXPECT_EQ(TStyleManager::ActiveStyleName(), "Light");
}

TEST(StartUp, WholeWindowSetInItsOrder) {
    InitDayFolderGlobals();
    {
        TWindowSet windows;
        CreateWindowSet(windows);
        const char* names[] = {"FNav",        "Navset",    "FShape",    "FGPS",
                               "fRealtime",   "FMsg",      "Offsets",   "formAbout",
                               "fSVP",        "fRunline1", "fLatency",  "fWaterfal",
                               "fTheme",      "fJoystick", "fSVPGraph", "frmNTRIPSettings",
                               "fRTCMParsing"};
        ASSERT_EQ(windows.Count(), 17u);
        for (size_t i = 0; i < windows.Count(); ++i) {
            SCOPED_TRACE(names[i]);
            ASSERT_NE(windows.At(i), nullptr);
            EXPECT_EQ(windows.At(i)->objectName(), names[i]);
        }
        EXPECT_EQ(windows.At(0), FNav);
    }
    EXPECT_EQ(FNav, nullptr) << "the globals go with their windows";
}

TEST(StartUp, StartShowsTheMainWindowAndTheNavigationSettings) {
    InitDayFolderGlobals();
    TScriptedDialogs dialogs;
    TWindowSet windows;
    CreateWindowSet(windows);
    ShowStartWindows();
    EXPECT_TRUE(FNav->isVisible());
    EXPECT_TRUE(Navset->isVisible());
}

}  // namespace
