// The bounded scanner against glibc's sscanf, the reader it stands in for: the program's own
// patterns on every line of the real device and sound-velocity files, a table of the corner
// cases of the grammar, and the patterns it must refuse.

#include "platform/ScanPattern.h"

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <vector>

namespace {

struct TScanResult {
    int count = 0;
    double values[4] = {-1, -1, -1, -1};
    int quality = -1;  // the one int of the GGA pattern

    bool operator==(const TScanResult&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TScanResult& r) {
    out << r.count << " [";
    for (double v : r.values) out << v << " ";
    return out << "q " << r.quality << "]";
}

// The GGA pattern stores a double, an int and two doubles; every other one only doubles.
constexpr const char* kGgaPattern = "%*6s,%lf,%*lf,%*1s,%*lf,%*1s,%d,%*d,%*lf,%lf,%*1s,%lf";

TScanResult Ours(const std::string& line, const char* pattern) {
    TScanResult r;
    if (std::string_view(pattern) == kGgaPattern) {
        r.count = ScanText(line, pattern, {&r.values[0], &r.quality, &r.values[1], &r.values[2]});
    } else {
        r.count = ScanText(line, pattern, {&r.values[0], &r.values[1], &r.values[2], &r.values[3]});
    }
    return r;
}

// glibc's answer, with two differences that are the point of the reader: glibc's EOF (the text
// ended before the first conversion) stores nothing, and a value that is not finite ("Info"
// reads as "Inf") is no value, so the scan ends before it.
TScanResult Glibc(const std::string& line, const char* pattern) {
    TScanResult r;
    const bool gga = std::string_view(pattern) == kGgaPattern;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat"  // "%*lf" is valid C; gcc warns about it
    if (gga) {
        r.count = std::sscanf(line.c_str(), pattern, &r.values[0], &r.quality, &r.values[1],
                              &r.values[2]);
    } else {
        r.count = std::sscanf(line.c_str(), pattern, &r.values[0], &r.values[1], &r.values[2],
                              &r.values[3]);
    }
#pragma GCC diagnostic pop
    if (r.count < 0) r.count = 0;
    // The stored doubles in the order they were stored; the GGA's int comes second.
    double* const stores[] = {&r.values[0], gga ? nullptr : &r.values[1],
                              gga ? &r.values[1] : &r.values[2], gga ? &r.values[2] : &r.values[3]};
    for (int i = 0; i < r.count; ++i) {
        if (!stores[i] || std::isfinite(*stores[i])) continue;
        for (int rest = i; rest < r.count; ++rest) {
            if (stores[rest]) *stores[rest] = -1;
        }
        if (gga && i < 2) r.quality = -1;
        r.count = i;
    }
    return r;
}

// Every line of the files in the real-data folders that carry device and profile lines.
std::vector<std::string> RealLines(const std::string& folder) {
    std::vector<std::string> lines;
    for (const char* sub : {"nmea/", "echosounder/", "svp/"}) {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder + sub, error)) {
            std::istringstream text(ReadFileBytes(entry.path().string()));
            for (std::string line; std::getline(text, line);) {
                if (line.find('\0') == std::string::npos) lines.push_back(line);
            }
        }
    }
    return lines;
}

TEST(ScanPattern, ProgramPatternsReadRealLinesAsGlibcDoes) {
    const std::string folder = RealDataFolder();
    if (folder.empty()) GTEST_SKIP() << "no real data folder";
    const char* patterns[] = {
        "%*7s %lf",                                // HDT heading
        "%*6s,%*lf,%*1s,%*lf,%*1s,%*lf,%*1s,%lf",  // RMC speed
        "%*6s,%*lf,%*1s,%*lf,%*1s,%lf",            // VTG speed
        kGgaPattern,
        "%*8s,%lf,%lf",  // the sounder formats' defaults
        "%*6s,%lf",
        "%*6s,%*lf,%*1s,%lf",
        "%*8s,%lf",
        "%*8s,%*lf,%*8s,%lf",
        "%*8s,%lf,%*8s,%lf",
        "%*42s,%lf",
        "%*23s %lf,%lf",  // the sound-velocity search pattern
    };
    const std::vector<std::string> lines = RealLines(folder);
    ASSERT_GT(lines.size(), 10000u);
    for (const char* pattern : patterns) {
        int stored = 0;
        for (const std::string& line : lines) {
            const TScanResult glibc = Glibc(line, pattern);
            ASSERT_EQ(Ours(line, pattern), glibc) << pattern << " on " << line;
            stored += glibc.count;
        }
        EXPECT_GT(stored, 0) << pattern << " reads nothing from the real lines";
    }
}

TEST(ScanPattern, GrammarCornersAsGlibc) {
    struct {
        const char* legend;
        const char* text;
        const char* pattern;
    } cases[] = {
        {"width limits a number", "12345", "%3lf%lf"},
        {"width counts the sign", "-12345", "%3lf%lf"},
        {"blank in the pattern matches none", "1,2", "%lf ,%lf"},
        {"blank in the pattern matches many", "1 \t\r\n,2", "%lf ,%lf"},
        {"numbers skip leading blanks", "  7  8", "%lf%lf"},
        {"literal must match", "1;2", "%lf,%lf"},
        {"literal does not skip blanks", "1 ,2", "%lf,%lf"},
        {"percent literal skips blanks", "5 %6", "%lf%%%lf"},
        {"plus sign", "+5.5", "%lf"},
        {"point first and last", ".5 5.", "%lf %lf"},
        {"exponent", "1.5e3,-2E-2", "%lf,%lf"},
        {"dangling exponent is read as far as it goes", "1e,2", "%lf,%lf"},
        {"lone sign is no number", "-,2", "%lf,%lf"},
        {"lone point is no number", ".,2", "%lf,%lf"},
        {"empty field stops the scan", "$GPVTG,220.6,T,,M,009.7,N", "%*6s,%*lf,%*1s,%*lf,%lf"},
        {"skipped run stops at a blank", "abc def 3", "%*s %*s %lf"},
        {"skipped run with a width", "$INHDT,218.26,T", "%*7s %lf"},
        {"set skips its members", "xyz,4", "%*[a-z],%lf"},
        {"negated set", "12;34 5", "%*[^ ] %lf"},
        {"set with a closing bracket first", "]]a9", "%*[]a]%lf"},
        {"set must match one character", "9", "%*[a-z]%lf"},
        {"dash after a range spans from its end", "d5", "%*[a-c-e]%lf"},
        {"dash after a closing bracket first spans from it", "^_`a7", "%*[]-a]%lf"},
        {"dash first and a dash after it", "-./8", "%*[--/]%lf"},
        {"dash first alone", "--3", "%*[--]%lf"},
        {"dash last is a member", "a-b-6", "%*[ab-]%lf"},
        {"dash before a smaller character is a member", "z-a2", "%*[z-a]%lf"},
        {"negated set with a dash first", "12-3", "%*[^-]-%lf"},
        {"text ends before the pattern", "1", "%lf,%lf"},
        {"empty text", "", "%lf"},
        {"int and double", "$GPGGA,1,2,N,3,E,4,5,6,7,M,8,M",
         "%*6s,%lf,%*lf,%*1s,%*lf,%*1s,%d,%*d,%*lf,%lf,%*1s,%lf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(Ours(c.text, c.pattern), Glibc(c.text, c.pattern));
    }
}

TEST(ScanPattern, NonFiniteAndOutOfRangeNumbersAreNoNumbers) {
    for (const char* text : {"nan", "NAN", "inf", "-inf", "infinity", "1e999", "-1e999"}) {
        SCOPED_TRACE(text);
        double value = 7;
        EXPECT_EQ(ScanText(text, "%lf", {&value}), 0);
        EXPECT_EQ(value, 7);
    }
    int number = 7;
    EXPECT_EQ(ScanText("99999999999", "%d", {&number}), 0);
    EXPECT_EQ(number, 7);
    EXPECT_EQ(ScanText("-2147483648", "%d", {&number}), 1);
    EXPECT_EQ(number, -2147483648);
}

TEST(ScanPattern, PatternsItCannotReadSafelyStoreNothing) {
    struct {
        const char* legend;
        const char* pattern;
    } cases[] = {
        {"storing strings and %n", "%s%s%n%c"},
        {"more conversions than targets", "%lf,%lf,%lf"},
        {"storing string with a huge width", "%99999s"},
        {"positional conversion", "%1$lf"},
        {"dangling percent", "%"},
        {"dangling suppressed percent", "%*"},
        {"dangling width", "%5"},
        {"storing char", "%c"},
        {"pointer", "%p"},
        {"storing set", "%[0-9]"},
        {"unterminated set", "%*[0-9"},
        {"float without l", "%f"},
        {"long int", "%ld"},
        {"short int", "%hd"},
        {"long double", "%Lf"},
        {"unknown conversion", "%q"},
        {"width beyond reason", "%*999999999999999999999s%lf"},
        {"int into a double", "%d"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        double value = 7;
        EXPECT_EQ(ScanText("12,13,14 abc", c.pattern, {&value}), 0);
        EXPECT_EQ(value, 7) << "nothing is written";
    }
    double first = 7, second = 7;
    EXPECT_EQ(ScanText("1,2,3", "%lf,%lf,%lf", {&first, &second}), 0);
    EXPECT_EQ(first, 7);
    int* none = nullptr;
    EXPECT_EQ(ScanText("1", "%d", {none}), 0) << "a null target is no target";
}

TEST(ScanPattern, ValuesBeforeAMismatchAreKept) {
    double a = 0, b = 0, c = 0;
    EXPECT_EQ(ScanText("1.5,2.5,x", "%lf,%lf,%lf", {&a, &b, &c}), 2);
    EXPECT_EQ(a, 1.5);
    EXPECT_EQ(b, 2.5);
    EXPECT_EQ(c, 0);
}

TEST(ScanPattern, FitsTellsARefusedPatternFromATextThatDoesNotMatch) {
    double value = 0;
    const TScanTarget target[] = {&value};
    EXPECT_TRUE(ScanPatternFits("%*6s,%lf", target));
    EXPECT_TRUE(ScanPatternFits("%*8s", target)) << "storing fewer values fits";
    EXPECT_TRUE(ScanPatternFits("", target));
    EXPECT_FALSE(ScanPatternFits("%s", target));
    EXPECT_FALSE(ScanPatternFits("%lf,%lf", target));
    EXPECT_FALSE(ScanPatternFits("%d", target));
}

}  // namespace
