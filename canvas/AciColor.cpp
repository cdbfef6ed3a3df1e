#include "canvas/AciColor.h"

#include <array>

namespace {

constexpr std::array<TColor, 10> kStandardColors = {kNoAciColor, 0x0000FF, 0x00FFFF, 0x00FF00,
                                                    0xFFFF00,    0xFF0000, 0xFF00FF, 0xFFFFFF,
                                                    0x808080,    0xC0C0C0};

constexpr TColor Rgb(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }

}  // namespace

TColor AciToColor(int number) {
    if (number >= 1 && number <= 9) return kStandardColors[static_cast<std::size_t>(number)];
    if (number >= 10 && number <= 255) {
        return Rgb((17 * number) % 256, (37 * number) % 256, (53 * number) % 256);
    }
    return kNoAciColor;
}
