#include "canvas/DxfLines.h"
#include "canvas/DxfSections.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DxfLines, LinesAreTrimmedOfBlanksTabsAndCarriageReturns) {
    const std::string text = "  0\r\nSECTION\r\n\t 70 \t\n\nlast";
    TDxfLines lines(text);
    for (const char* expected : {"0", "SECTION", "70", "", "last"}) {
        ASSERT_FALSE(lines.AtEnd());
        EXPECT_EQ(lines.Next(), expected);
    }
    EXPECT_TRUE(lines.AtEnd());
    EXPECT_EQ(lines.Next(), "");
}

TEST(DxfLines, NumbersReadAsAtoiAndAtofReadThemWithoutTheirFaults) {
    struct Case {
        const char* legend;
        const char* text;
        int integer;
        double real;
    };
    const Case cases[] = {
        {"plain", "42", 42, 42},
        {"a leading plus", "+7.5", 7, 7.5},
        {"a sign after the plus is no number", "+-3", 0, 0},
        {"negative", "-12.25", -12, -12.25},
        {"a prefix, then garbage", "10abc", 10, 10},
        {"a fraction without integer part", ".5", 0, 0.5},
        {"an exponent", "1.5e3", 1, 1500},
        {"not a number", "abc", 0, 0},
        {"empty", "", 0, 0},
        {"nan reads 0", "nan", 0, 0},
        {"inf reads 0", "inf", 0, 0},
        {"beyond a double reads 0", "1e999", 1, 0},
        {"a 20-digit integer reads 0 as an integer", "12345678901234567890", 0,
         12345678901234567890.0},
        {"a decimal comma ends the number", "3,5", 3, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(DxfInteger(c.text), c.integer);
        EXPECT_EQ(DxfReal(c.text), c.real);
    }
}

TEST(DxfLines, GroupsEndAtTheCodeZeroNotAtAValueZero) {
    // The layer is named "0" and a flag is 0: both are values, not the end of the item.
    const std::string text = "8\n0\n70\n0\n10\n1.5\n  0\nLINE\n";
    TDxfLines lines(text);
    std::string seen;
    ASSERT_TRUE(lines.ReadGroups([&](int code, std::string_view value) {
        seen += std::to_string(code) + "=" + std::string(value) + " ";
    }));
    EXPECT_EQ(seen, "8=0 70=0 10=1.5 ");
    EXPECT_EQ(lines.Next(), "LINE");
    TDxfLines cut(std::string_view(text).substr(0, 12));
    EXPECT_FALSE(cut.ReadGroups([](int, std::string_view) {}));
}

TEST(DxfLines, ItemScanResumesAtATypeItDoesNotWant) {
    // "73 / 0" holds a value 0 right before the code 0 of the next item.
    const std::string text = "0\nBLOCK\n73\n0\n0\nLINE\n8\nPOINT\n0\nENDSEC\n0\nLINE\n";
    TDxfLines lines(text);
    std::string types;
    EXPECT_TRUE(ForEachDxfItem(lines, [&](std::string_view type) {
        types += std::string(type) + " ";
        return TDxfItemRead::Skipped;
    }));
    EXPECT_EQ(types, "BLOCK 0 LINE ");
}

TEST(DxfSections, SectionsAreFoundWhereALineScanFindsThem) {
    struct Case {
        const char* legend;
        std::string text;
        bool tables, blocks, entities;
    };
    const Case cases[] = {
        {"all three",
         "0\nSECTION\n2\nTABLES\n0\nENDSEC\n0\nSECTION\n2\nBLOCKS\n0\nENDSEC\n"
         "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n",
         true, true, true},
        {"right-aligned codes and CR LF", "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n", false, false,
         true},
        {"a text SECTION is no section", "1\nSECTION\n2\nENTITIES\n", false, false, false},
        {"a line holding more than the word", "0\nSECTIONS\n2\nENTITIES\n", false, false, false},
        {"the word at the very start", "SECTION\n2\nENTITIES\n", false, false, false},
        {"a header read as code and name hides the next", "0\nSECTION\n0\nSECTION\n2\nENTITIES\n",
         false, false, false},
        {"a section name in lower case", "0\nSECTION\n2\nentities\n", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        const TDxfSections sections = FindDxfSections(c.text, 0);
        EXPECT_EQ(sections.Tables.has_value(), c.tables);
        EXPECT_EQ(sections.Blocks.has_value(), c.blocks);
        EXPECT_EQ(sections.Entities.has_value(), c.entities);
    }
    const std::string text = "0\nSECTION\n2\nENTITIES\n0\nLINE\n";
    EXPECT_EQ(text.substr(*FindDxfSections(text, 0).Entities), "0\nLINE\n");
}

}  // namespace
