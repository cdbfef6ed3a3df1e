#include "navigation/ScreenshotNames.h"

#include "platform/DataFolders.h"
#include "platform/DateTimeText.h"

#include <algorithm>

namespace {

// Monitors whose left edge lies left of this one's (left), right of it (right), and whose top
// edge lies above it (above) or below it (below).
struct TNeighbours {
    int left = 0, right = 0, above = 0, below = 0;
};

TNeighbours NeighboursOf(std::span<const QRect> screens, int index) {
    const QRect& own = screens[static_cast<std::size_t>(index)];
    TNeighbours n;
    for (std::size_t i = 0; i < screens.size(); ++i) {
        if (static_cast<int>(i) == index) continue;
        n.left += screens[i].left() < own.left();
        n.right += screens[i].left() > own.left();
        n.above += screens[i].top() < own.top();
        n.below += screens[i].top() > own.top();
    }
    return n;
}

std::string Numbered(int index) { return "Monitor" + std::to_string(index + 1); }

}  // namespace

std::string MonitorName(std::span<const QRect> screens, int index) {
    if (screens.size() == 1) return "Primary";
    if (index < 0 || static_cast<std::size_t>(index) >= screens.size()) return Numbered(index);
    const TNeighbours n = NeighboursOf(screens, index);
    if (n.left == 0 && n.right > 0) return "Left";
    if (n.right == 0 && n.left > 0) return "Right";
    if (n.left > 0 && n.right > 0) return "Middle";
    if (n.above == 0 && n.below > 0) return "Top";
    if (n.below == 0 && n.above > 0) return "Bottom";
    return Numbered(index);
}

std::string TMonitorNamer::Next(std::span<const QRect> screens, int index) {
    std::string name = MonitorName(screens, index);
    if (std::find(given_.begin(), given_.end(), name) != given_.end()) name = Numbered(index);
    given_.push_back(name);
    return name;
}

std::string ScreenshotFolder() { return DayDir + "PNG/"; }

std::string ScreenshotFileName(const QDateTime& tick, const std::string& monitor) {
    const std::string hhnnss = TimeToStr(tick.time()).substr(0, 6);
    return "QBY " + DateToStr(tick.date()) + " " + hhnnss + " " + monitor + ".png";
}
