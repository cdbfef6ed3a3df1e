#include "platform/NumberFormat.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <clocale>
#include <cmath>
#include <limits>

namespace {

struct TFormatCase {
    const char* legend;
    double value;
    const char* general;  // FloatToStr
};

const TFormatCase kGeneralCases[] = {
    {"zero", 0.0, "0"},
    {"negative zero", -0.0, "0"},
    {"one tenth keeps its short form", 0.1, "0.1"},
    {"third has 15 significant digits", 1.0 / 3.0, "0.333333333333333"},
    {"integer", 42.0, "42"},
    {"negative", -12.5, "-12.5"},
    {"grid easting", 500123.456, "500123.456"},
    {"15 integer digits stay fixed", 123456789012345.0, "123456789012345"},
    {"16 integer digits go scientific", 1e20, "1E20"},
    {"1e-5 stays fixed", 0.00001, "0.00001"},
    {"below 1e-5 goes scientific", 0.0000015, "1.5E-6"},
    {"rounds at the 15th digit", 0.1 + 0.2, "0.3"},
    {"not a number", std::nan(""), "NAN"},
    {"infinity", -std::numeric_limits<double>::infinity(), "-INF"},
};

TEST(FloatToStr, GeneralFormatTable) {
    for (const auto& c : kGeneralCases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(FloatToStr(c.value), c.general);
    }
}

TEST(FloatToStrF, FixedDecimalsWithPrecision) {
    struct {
        const char* legend;
        double value;
        int precision, digits;
        const char* expected;
    } cases[] = {
        {"latitude, 8 decimals", 41.575123456789, 20, 8, "41.57512346"},
        {"height, 2 decimals", 12.345, 20, 2, "12.35"},  // 12.345 is stored above .345
        {"pads with zeros", 3.0, 20, 2, "3.00"},
        {"precision binds before the decimals", 12345.678, 6, 2, "12345.70"},
        {"more integer digits than precision", 1234567.0, 5, 2, "1234567"},
        {"negative rounding to zero loses the sign", -0.001, 20, 2, "0.00"},
        {"negative", -2.5, 20, 1, "-2.5"},
        {"no decimals", 7.6, 20, 0, "8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(FloatToStrF(c.value, c.precision, c.digits), c.expected);
    }
}

TEST(FormatFixed, MatchesCFormats) {
    EXPECT_EQ(FormatFixed(12.3456, 2), "12.35");
    EXPECT_EQ(FormatFixed(7.03, 4, 7), "07.0300");  // "%07.4f"
    EXPECT_EQ(FormatFixed(48.0, 0, 2), "48");       // "%02.0f"
    EXPECT_EQ(FormatFixed(5.0, 0, 3), "005");       // "%03.0f"
    EXPECT_EQ(FormatFixed(-1.5, 1, 6), "-001.5");
}

TEST(TryStrToFloat, AcceptsWholeDecimalNumbersOnly) {
    struct {
        const char* text;
        bool ok;
        double value;
    } cases[] = {
        {"12.5", true, 12.5},  {" 12.5 ", true, 12.5}, {"+3", true, 3},     {"-0.25", true, -0.25},
        {"5.", true, 5},       {".5", true, 0.5},      {"1e3", true, 1000}, {"1.5E-2", true, 0.015},
        {"12,5", false, 0},    {"", false, 0},         {"  ", false, 0},    {"nan", false, 0},
        {"inf", false, 0},     {"INF", false, 0},      {"1e999", false, 0}, {"0x10", false, 0},
        {"12.5abc", false, 0}, {"1e", false, 0},       {".", false, 0},     {"--1", false, 0},
        {"1 2", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        double value = -99;
        EXPECT_EQ(TryStrToFloat(std::string_view(c.text), value), c.ok);
        EXPECT_DOUBLE_EQ(value, c.ok ? c.value : -99) << "a failed read leaves the value alone";
    }
    EXPECT_EQ(StrToFloatDef("abc", 7.5), 7.5);
}

TEST(TryStrToInt, DecimalAndHexadecimal) {
    struct {
        const char* text;
        bool ok;
        int value;
    } cases[] = {
        {"42", true, 42},
        {" -7 ", true, -7},
        {"$1F", true, 31},
        {"0x1F", true, 31},
        {"0X1f", true, 31},
        {"-$10", true, -16},
        {"2147483647", true, 2147483647},
        {"2147483648", false, 0},
        {"1.5", false, 0},
        {"", false, 0},
        {"abc", false, 0},
        {"$", false, 0},
        {"0x-1", false, 0},
        {"12abc", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        int value = -99;
        EXPECT_EQ(TryStrToInt(std::string_view(c.text), value), c.ok);
        EXPECT_EQ(value, c.ok ? c.value : -99);
    }
    EXPECT_EQ(StrToIntDef(QString("abc"), 40), 40);
}

// Turkish and German locales use "," as decimal separator; no text may change.
TEST(NumberFormat, SameBytesUnderTurkishAndGermanLocales) {
    const std::string general = FloatToStr(1234.5678);
    const std::string fixed = FloatToStrF(41.12345678, 20, 8);
    for (const char* name : {"tr_TR.UTF-8", "de_DE.UTF-8"}) {
        SCOPED_TRACE(name);
        ASSERT_NE(std::setlocale(LC_ALL, name), nullptr) << "the set-up script generates it";
        QLocale::setDefault(QLocale(QString(name).left(5)));
        EXPECT_EQ(FloatToStr(1234.5678), general);
        EXPECT_EQ(FloatToStrF(41.12345678, 20, 8), fixed);
        EXPECT_EQ(FormatFixed(3.25, 2), "3.25");
        EXPECT_EQ(StrToFloatDef("3.25", 0), 3.25);
        EXPECT_EQ(StrToFloatDef("3,25", -1), -1);
    }
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
}

}  // namespace
