#include "navigation/PadCommand.h"

#include <cstdio>
#include <cstdlib>
#include <limits>

int PadValueA = 1;
int PadValueB = 1;

namespace {

// One step, held at the ends of the 32-bit range instead of overflowing.
int Stepped(int value, int step) {
    if (step > 0 && value == std::numeric_limits<int>::max()) return value;
    if (step < 0 && value == std::numeric_limits<int>::min()) return value;
    return value + step;
}

}  // namespace

std::string FormatPadCommand(char letter, int value) {
    // In 64 bits, so that the absolute value of the most negative int fits.
    const long long magnitude = std::llabs(static_cast<long long>(value));
    char text[32];
    std::snprintf(text, sizeof text, "<%c%c%03lld>\n", letter, value < 0 ? '-' : '+', magnitude);
    return text;
}

std::string PressPadKey(TPadKey key, int& a, int& b) {
    std::string text;
    switch (key) {
        case TPadKey::Up:
        case TPadKey::Bottom: {
            const int step = key == TPadKey::Up ? 1 : -1;
            a = Stepped(a, step);
            b = Stepped(b, step);
            return FormatPadCommand('A', a) + FormatPadCommand('B', b);
        }
        case TPadKey::Left:
            text = FormatPadCommand('A', a);
            a = Stepped(a, 1);
            return text;
        case TPadKey::Right:
            text = FormatPadCommand('B', b);
            b = Stepped(b, 1);
            return text;
        case TPadKey::LowerLeft:
            text = FormatPadCommand('A', a);
            a = Stepped(a, -1);
            return text;
        case TPadKey::Centre:
            a = b = 1;
            return FormatPadCommand('A', 0) + FormatPadCommand('B', 0);
    }
    return text;
}
