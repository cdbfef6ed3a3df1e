#include "geodesy/GeodesyText.h"

#include "platform/NumberFormat.h"
#include "tests/geodesy/ProjPeer.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace {

using GeodesyText::AppendFixed;
using GeodesyText::FormatGeneral;
using GeodesyText::ReadNumbers;
using GeodesyText::RoundToDecimals;

TEST(GeodesyText, ReadsWholeFiniteNumbersOnly) {
    struct {
        const char* legend;
        const char* text;
        bool ok;
        std::array<double, 3> values;
    } cases[] = {
        {"blanks", "41.5 29 -12.25", true, {41.5, 29, -12.25}},
        {"tabs, newlines and leading blanks", "\t 41.5\t29\n-12.25", true, {41.5, 29, -12.25}},
        {"sign, bare point and exponent", "+3 .5 1e3", true, {3, 0.5, 1000}},
        {"text after the numbers is ignored", "1 2 3 abc", true, {1, 2, 3}},
        {"decimal comma", "1 12,5 3", false, {}},
        {"nan", "1 nan 3", false, {}},
        {"infinity", "inf 2 3", false, {}},
        {"overflow", "1 1e999 3", false, {}},
        {"hexadecimal", "0x10 2 3", false, {}},
        {"short", "1 2", false, {}},
        {"empty", "", false, {}},
        {"trailing letters", "1 2 3abc", false, {}},
        {"lone sign", "1 - 3", false, {}},
        {"exponent without digits", "1 2e 3", false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        std::array<double, 3> values{};
        ASSERT_EQ(ReadNumbers(c.text, values), c.ok);
        if (c.ok) {
            EXPECT_EQ(values, c.values);
        }
    }
}

// Values where the general and fixed forms switch or round differently, then random ones of
// every magnitude.
std::vector<double> FormattingValues() {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  0.1 + 0.2,
                                  1.0 / 3,
                                  0.00001,
                                  0.000015,
                                  -0.0000155,
                                  9.999999999999999e-6,
                                  0.0000015,
                                  123456789012345.0,
                                  999999999999999.9,
                                  1e15,
                                  1e20,
                                  -2.5e-300,
                                  1.2345678901234567e15,
                                  100000000000000016.0,
                                  9.87654321e17,
                                  1.5e18,
                                  -0.001,
                                  0.001953125,
                                  41.001953125,
                                  4567890.123456789};
    TRandomPoints random(7);
    for (int i = 0; i < 4000; ++i) {
        const double magnitude = std::pow(10.0, random.Uniform(-9, 20));
        values.push_back(random.Uniform(0, 1) < 0.5 ? -magnitude : magnitude);
    }
    return values;
}

TEST(GeodesyText, WritesThePlatformsGeneralAndFixedForms) {
    for (double value : FormattingValues()) {
        SCOPED_TRACE(FloatToStrF(value, 17, 17));
        EXPECT_EQ(FormatGeneral(value), FloatToStr(value));
        for (int decimals : {0, 2, 8, 12}) {
            std::string fixed;
            AppendFixed(fixed, value, decimals);
            EXPECT_EQ(fixed, FloatToStrF(value, 20, decimals)) << decimals << " decimals";
        }
    }
}

TEST(GeodesyText, RoundingEqualsReadingTheFixedTextBack) {
    std::vector<double> values = FormattingValues();
    TRandomPoints random(11);
    for (int i = 0; i < 4000; ++i) values.push_back(random.Uniform(-180, 180));
    for (double value : values) {
        for (int decimals : {2, 8}) {
            SCOPED_TRACE(FloatToStrF(value, 17, 17));
            double expected = 0;
            ASSERT_TRUE(TryStrToFloat(FloatToStrF(value, 20, decimals), expected));
            const double rounded = RoundToDecimals(value, decimals);
            EXPECT_EQ(rounded, expected);
            EXPECT_FALSE(std::signbit(rounded) && rounded == 0) << "no negative zero";
        }
    }
}

}  // namespace
