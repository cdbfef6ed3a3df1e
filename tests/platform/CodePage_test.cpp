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

}  // namespace
