#include "navigation/LatencyLamp.h"

#include "navigation/ControlColor.h"
#include "platform/NumberFormat.h"

std::optional<TColor> LatencyLampColor(const QString& currentMs, const QString& toleranceMs) {
    int current = 0;
    int tolerance = 0;
    if (!TryStrToInt(currentMs, current) || !TryStrToInt(toleranceMs, tolerance)) {
        return std::nullopt;
    }
    return current < tolerance ? kLime : kRed;
}
