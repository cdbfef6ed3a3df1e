#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePage, ValidUtf8IsKept) {
    const std::string turkish =
        "\xC5\x9E"
        "ehir \xC4\xB0zmir";  // "Şehir İzmir"
    EXPECT_TRUE(IsValidUtf8(turkish));
    EXPECT_EQ(SystemTextToUtf8(turkish), turkish);
}

TEST(CodePage, Windows1254LettersDecode) {
    // "ŞğİıöÜ€" in Windows-1254.
    const std::string bytes = "\xDE\xF0\xDD\xFD\xF6\xDC\x80";
    EXPECT_FALSE(IsValidUtf8(bytes));
    EXPECT_EQ(SystemTextToUtf8(bytes),
              "\xC5\x9E\xC4\x9F\xC4\xB0\xC4\xB1\xC3\xB6\xC3\x9C\xE2\x82\xAC");
}

TEST(CodePage, MalformedUtf8IsNotValid) {
    for (const char* bytes : {"\xC0\xAF", "\xE2\x82", "\xED\xA0\x80", "\xF5\x80\x80\x80", "\x80"}) {
        SCOPED_TRACE(bytes);
        EXPECT_FALSE(IsValidUtf8(bytes));
    }
}

TEST(CodePage, Utf8EncodesToWindows1254) {
    struct Case {
        const char* legend;
        std::string utf8;
        std::string cp1254;
    };
    const Case cases[] = {
        {"ASCII stays", "Harbour 12", "Harbour 12"},
        {"Turkish letters",
         "\xC3\x87"
         "e\xC5\x9Fme \xC4\xB0skele \xC4\x9F\xC4\xB1\xC3\xB6\xC3\xBC",
         "\xC7"
         "e\xFEme \xDDskele \xF0\xFD\xF6\xFC"},
        {"the euro sign and typographic quotes", "\xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D",
         "\x80 \x93x\x94"},
        {"Latin-1 letters that 1254 replaced by Turkish ones", "\xC3\x90\xC3\x9D\xC3\xBE", "???"},
        {"a character beyond the code page",
         "a\xF0\x9F\x9A\xA2"
         "b",
         "a?b"},
        {"bytes that are not UTF-8, one mark each", "a\xFE\xC3z", "a??z"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(Utf8ToCp1254(c.utf8), c.cp1254);
    }
}

TEST(CodePage, EveryWindows1254ByteComesBack) {
    std::string all;
    for (int byte = 0x80; byte <= 0xFF; ++byte) all += static_cast<char>(byte);
    EXPECT_EQ(Utf8ToCp1254(Cp1254ToUtf8(all)), all);
}

}  // namespace
