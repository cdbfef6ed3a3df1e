#pragma once
// Where the periodic screenshots go and what they are called: one PNG file per monitor and
// tick, in the "PNG" folder of the day folder fixed at start-up, named after the tick's date
// and time and the monitor's place among the others.

#include <QDateTime>
#include <QRect>
#include <span>
#include <string>
#include <vector>

// The monitor with this index (0-based, in the platform's order) among the monitors' rectangles
// in virtual-screen coordinates: "Primary" when alone, else "Left", "Right" or "Middle" by the
// left edges of the others, else "Top" or "Bottom" by their top edges, else "Monitor" + (index
// + 1). Only left and top edges count, and an equal edge lies on neither side.
std::string MonitorName(std::span<const QRect> screens, int index);

// Names the monitors of one tick. A name already given in the tick (two "Left" monitors in a 2 x
// 2 layout, two "Middle" in four in a row) becomes "Monitor" + (index + 1), so no picture of a
// tick replaces another.
class TMonitorNamer {
public:
    std::string Next(std::span<const QRect> screens, int index);

private:
    std::vector<std::string> given_;
};

// DayDir + "PNG/".
std::string ScreenshotFolder();
// "QBY yyyy-mm-dd hhnnss <monitor>.png", 24-hour time.
std::string ScreenshotFileName(const QDateTime& tick, const std::string& monitor);
