#pragma once
// The latency window's lamp: lime while the map timer's tick stays under the tolerance the
// surveyor set, red from the tolerance on.

#include "canvas/Color.h"

#include <QString>
#include <optional>

// Both texts are read as whole numbers of milliseconds. When either is not one (the surveyor
// is typing, or typed something else) the lamp keeps its colour: nothing is returned.
std::optional<TColor> LatencyLampColor(const QString& currentMs, const QString& toleranceMs);
