#pragma once
// Program start: the theme and overlay settings, the application, and the window set.

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class TIniFile;

// APPLICATION/ThemeStyle (default "Light") and the three overlay settings of OVERLAY_SETTINGS:
// FontSize (40 when missing or not a whole number), DepthColor (navy) and SpeedColor (black).
struct TStartupSettings {
    QString themeStyle = "Light";
    int overlayFontSize = 40;
    int overlayDepthColor = 0x800000;
    int overlaySpeedColor = 0;
};
TStartupSettings ReadStartupSettings(const TIniFile& ini);

// "Quellbay - Default", exactly so, keeps the style the application starts with; any other name
// goes to the style manager, which tells the user when it does not know it.
void ApplyTheme(const QString& themeStyle);

// The windows that live for the whole run. They go in reverse order of creation, the main
// window last, and their globals are cleared.
class TWindowSet {
public:
    TWindowSet() = default;
    ~TWindowSet();
    TWindowSet(const TWindowSet&) = delete;
    TWindowSet& operator=(const TWindowSet&) = delete;

    template <class T>
    void Create(T*& global);
    size_t Count() const { return windows_.size(); }
    QWidget* At(size_t index) const { return windows_[index].window.get(); }

private:
    struct TEntry {
        std::unique_ptr<QWidget> window;
        std::function<void()> clearGlobal;
    };
    std::vector<TEntry> windows_;
};

template <class T>
void TWindowSet::Create(T*& global) {
    auto window = std::make_unique<T>();
    global = window.get();
    windows_.push_back({std::move(window), [&global] { global = nullptr; }});
}

// Creates the seventeen windows in their fixed order into their globals; the main window
// FNav first. A window's constructor may use the windows created before it only.
void CreateWindowSet(TWindowSet& windows);

// Shows what a start shows: the main window, and the navigation settings above the map.
void ShowStartWindows();

// The whole program: settings, application, windows, event loop. Returns the exit code.
int RunQuellbay(int argc, char** argv);
