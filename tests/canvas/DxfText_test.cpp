#include "canvas/DxfText.h"

#include <gtest/gtest.h>

namespace {

TEST(DxfText, StripMTextCodesKeepsTheText) {
    struct Case {
        const char* legend;
        const char* text;
        const char* stripped;
    };
    const Case cases[] = {
        {"line breaks become blanks", "LINE1\\PLINE2\\PLINE3", "LINE1 LINE2 LINE3"},
        {"switches go alone", "\\Lunder\\l \\Oover\\o \\Kstruck\\k", "under over struck"},
        {"codes with an argument go up to their ;", "\\H2.5x;tall \\fArial|b1;bold", "tall bold"},
        {"or up to a blank", "\\C1 red", "red"},
        {"a code whose argument never ends takes the rest", "keep\\W0.8", "keep"},
        {"a doubled backslash is one", "C:\\\\survey", "C:\\survey"},
        {"a backslash before anything else stays", "\\U+015F \\~", "\\U+015F \\~"},
        {"a trailing backslash stays", "end\\", "end\\"},
        {"nothing but codes", "\\P\\L\\A1;", " "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(StripMTextCodes(c.text), c.stripped);
    }
}

TEST(DxfText, TextsAreUtf8OrWindows1254) {
    EXPECT_EQ(DxfTextToQString("\xC3\x87"
                               "e\xC5\x9Fme")
                  .toStdString(),
              "\xC3\x87"
              "e\xC5\x9Fme");
    EXPECT_EQ(DxfTextToQString("\xC7"
                               "e\xFEme")
                  .toStdString(),
              "\xC3\x87"
              "e\xC5\x9Fme");
    EXPECT_TRUE(DxfTextToQString("\\A1;").isEmpty());
}

}  // namespace
