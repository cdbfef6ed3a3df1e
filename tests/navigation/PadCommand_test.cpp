#include "navigation/PadCommand.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(PadCommand, SignedValueOfAtLeastThreeDigits) {
    const struct {
        const char* legend;
        char letter;
        int value;
        const char* command;
    } cases[] = {
        {"one", 'A', 1, "<A+001>\n"},
        {"negative, channel B", 'B', -12, "<B-012>\n"},
        {"four digits", 'A', 1234, "<A+1234>\n"},
        {"zero is positive", 'A', 0, "<A+000>\n"},
        {"minus one", 'A', -1, "<A-001>\n"},
        {"the most negative value", 'B', std::numeric_limits<int>::min(), "<B-2147483648>\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(FormatPadCommand(c.letter, c.value), c.command);
    }
}

TEST(PadCommand, ValuesStopAtTheEndsOfTheirRange) {
    int a = std::numeric_limits<int>::max(), b = std::numeric_limits<int>::min();
    EXPECT_EQ(PressPadKey(TPadKey::Up, a, b), "<A+2147483647>\n<B-2147483647>\n");
    EXPECT_EQ(PressPadKey(TPadKey::Left, a, b), "<A+2147483647>\n");
    EXPECT_EQ(a, std::numeric_limits<int>::max());
    b = std::numeric_limits<int>::min();
    EXPECT_EQ(PressPadKey(TPadKey::Bottom, a, b), "<A+2147483646>\n<B-2147483648>\n");
    EXPECT_EQ(b, std::numeric_limits<int>::min());
}

}  // namespace
