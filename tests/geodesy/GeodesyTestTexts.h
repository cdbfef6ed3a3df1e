#pragma once
// Parameter texts and reading helpers shared by the geodesy tests.

#include "geodesy/GeodesyText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline const std::string kWgs84 = "6378137.0 0.0033528106647474";
inline const std::string kInternational = "6378388 0.0033670033670034";  // f = 1/297
inline const std::string kZeroSet = "0 0 0 0 0 0 0";

// The numbers of a result text; empty when it holds anything else.
inline std::vector<double> Numbers(const std::string& text, size_t count) {
    std::vector<double> values(count);
    if (!GeodesyText::ReadNumbers(text, values)) return {};
    return values;
}
