#pragma once
// Colours are kept as the integers the settings and files store: 0x00BBGGRR, red in the lowest
// byte (0x800000 is navy). They become QColor only in the painter adapter.

#include <cstdint>

using TColor = std::int32_t;

constexpr TColor kBlack = 0x000000;
constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kRed = 0x0000FF;

constexpr int RedOf(TColor color) { return color & 0xFF; }
constexpr int GreenOf(TColor color) { return (color >> 8) & 0xFF; }
constexpr int BlueOf(TColor color) { return (color >> 16) & 0xFF; }
