#include "app/StartUp.h"

#include "app/About.h"
#include "app/GuardedApplication.h"
#include "app/StyleManager.h"
#include "app/TerminationWatcher.h"
#include "app/UMsg.h"
#include "app/WidgetDialogs.h"
#include "app/uTheme.h"
#include "canvas/DisplaySettings.h"
#include "canvas/QPainterSurface.h"
#include "devices/uNTRIPSettings.h"
#include "devices/uRTCMParsing.h"
#include "navigation/Latency.h"
#include "navigation/MainWindowSettings.h"
#include "navigation/RealtimeData.h"
#include "navigation/uCanvas.h"
#include "navigation/uJoystick.h"
#include "navigation/unavigation.h"
#include "platform/DataFolders.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"
#include "tools/Bathymetry.h"
#include "tools/UGPS.h"
#include "tools/URunlines.h"
#include "tools/USVPGraph.h"
#include "tools/UShape.h"
#include "tools/USoundVelocity.h"
#include "tools/unavset.h"

#include <QFont>
#include <clocale>
#include <csignal>
#include <exception>

namespace {

// The windows name the same fonts as the map; Qt falls back to the substitute when missing.
void SubstituteFonts() {
    for (const auto& [family, substitute] : FontSubstitutes()) {
        QFont::insertSubstitution(family, substitute);
    }
}

}  // namespace

TStartupSettings ReadStartupSettings(const TIniFile& ini) {
    TStartupSettings settings;
    settings.themeStyle =
        QString::fromStdString(ini.ReadString("APPLICATION", "ThemeStyle", "Light"));
    settings.overlayFontSize = ReadOverlayFontSize(ini);
    settings.overlayDepthColor = ini.ReadInteger("OVERLAY_SETTINGS", "DepthColor", 0x800000);
    settings.overlaySpeedColor = ini.ReadInteger("OVERLAY_SETTINGS", "SpeedColor", 0);
    return settings;
}

void ApplyTheme(const QString& themeStyle) {
    if (themeStyle == "Quellbay - Default") return;
    TStyleManager::TrySetStyle(themeStyle, true);
}

TWindowSet::~TWindowSet() {
    while (!windows_.empty()) {
        windows_.back().window.reset();
        windows_.back().clearGlobal();
        windows_.pop_back();
    }
}

void CreateWindowSet(TWindowSet& windows) {
    windows.Create(FNav);
    windows.Create(Navset);
    windows.Create(FShape);
    windows.Create(FGPS);
    windows.Create(fRealtime);
    windows.Create(FMsg);
    windows.Create(Offsets);
    windows.Create(formAbout);
    windows.Create(fSVP);
    windows.Create(fRunline1);
    windows.Create(fLatency);
    windows.Create(fWaterfal);
    windows.Create(fTheme);
    windows.Create(fJoystick);
    windows.Create(fSVPGraph);
    windows.Create(frmNTRIPSettings);
    windows.Create(fRTCMParsing);
}

void ShowStartWindows() {
    FNav->show();
    Navset->show();
}

// Everything from the first settings read on runs inside the one exception guard, so a start
// that fails shows why instead of ending the program without a word.
int RunQuellbay(int argc, char** argv) {
    // A write past a file-size limit then fails like one on a full disk, is reported and cut
    // back, instead of ending the program in the middle of a save.
    std::signal(SIGXFSZ, SIG_IGN);
    TGuardedApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // QApplication takes the locale from the environment
    application.setQuitOnLastWindowClosed(false);
    application.setApplicationName("Quellbay");
    TWidgetDialogs dialogs;
    TDialogPresenterScope presenter(&dialogs);
    try {
        InitDayFolderGlobals();
        const TStartupSettings settings = ReadStartupSettings(TIniFile(GetSettingsFilePath()));
        OverlayFontSize = settings.overlayFontSize;
        OverlayDepthColor = settings.overlayDepthColor;
        OverlaySpeedColor = settings.overlaySpeedColor;
        SubstituteFonts();
        ApplyTheme(settings.themeStyle);
        TWindowSet windows;
        CreateWindowSet(windows);
        TTerminationWatcher termination([] { FNav->close(); });
        ShowStartWindows();
        return application.exec();
    } catch (const std::exception& error) {
        ShowException(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowException(QString());
    }
    return 0;
}
