#pragma once
// Colours are kept as the integers the settings and files store: 0x00BBGGRR, red in the lowest
// byte (0x800000 is navy). They become QColor only in the painter adapter.

#include <cstdint>

using TColor = std::int32_t;

// The named colours of the colour boxes that the code itself uses.
constexpr TColor kBlack = 0x000000;
constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kRed = 0x0000FF;
constexpr TColor kMaroon = 0x000080;
constexpr TColor kGreen = 0x008000;
constexpr TColor kNavy = 0x800000;
constexpr TColor kTeal = 0x808000;
constexpr TColor kGray = 0x808080;
constexpr TColor kSilver = 0xC0C0C0;
constexpr TColor kLime = 0x00FF00;
constexpr TColor kYellow = 0x00FFFF;
constexpr TColor kBlue = 0xFF0000;
constexpr TColor kAqua = 0xFFFF00;

constexpr int RedOf(TColor color) { return color & 0xFF; }
constexpr int GreenOf(TColor color) { return (color >> 8) & 0xFF; }
constexpr int BlueOf(TColor color) { return (color >> 16) & 0xFF; }
