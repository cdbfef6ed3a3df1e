// Header detection on small headers and on two real casts: a CastAway CTD export, taken whole,
// and a Sippican XBT export whose probe broke at 84 m.

#include "tools/SvpHeaderDetection.h"

#include "tests/support/TestEnvironment.h"
#include "tools/SoundVelocityFiles.h"
#include "tools/SoundVelocitySteps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace {

using TLines = std::vector<std::string>;

TSvpTextFile Cast(const char* name) {
    const std::string folder = RealDataFolder();
    if (folder.empty()) return {};
    return ReadSvpTextFile(folder + "svp/" + name);
}

// No speed of the real casts lies outside the extraction range.
TLines Extract(const TLines& cast, const std::string& pattern, bool svFirst) {
    return ExtractSoundVelocities(cast, pattern, svFirst, [](double speed, std::size_t line) {
        ADD_FAILURE() << speed << " at line " << line;
        return TOutOfRangeAnswer::SkipLine;
    });
}

int Hits(const std::string& averagedLine) {
    return std::stoi(averagedLine.substr(averagedLine.rfind(',') + 1));
}

TEST(SvpHeaderDetection, SmallHeaders) {
    const std::optional<TSvpHeaderFormat> semicolons =
        DetectSvpHeader(TLines{"Cast 3", "Time;Depth;SV", "10:00;1.0;1500"});
    ASSERT_TRUE(semicolons);
    EXPECT_EQ(semicolons->headerLine, 1u);
    EXPECT_EQ(semicolons->delimiter, ';');
    EXPECT_EQ(semicolons->pattern, "%*[^;];%lf;%lf");
    EXPECT_FALSE(semicolons->svFirst);
    EXPECT_EQ(AutoDetectedMessage(*semicolons, TMessageLanguage::English),
              "Auto-detected format:\n- Header at line: 2\n- Delimiter: ;\n- SV column: 3\n"
              "- Pressure column: 2\n- Search string: %*[^;];%lf;%lf");
    EXPECT_EQ(AutoDetectedMessage(*semicolons, TMessageLanguage::Turkish),
              "Otomatik algilanan format:\n- Baslik satiri: 2\n- Ayirici: ;\n- SV sutunu: 3\n"
              "- Basinc sutunu: 2\n- Arama dizesi: %*[^;];%lf;%lf");

    const std::optional<TSvpHeaderFormat> svFirst =
        DetectSvpHeader(TLines{"sound velocity, temp ,pressure,"});
    ASSERT_TRUE(svFirst);
    EXPECT_EQ(svFirst->pattern, "%lf,%*[^,],%lf");
    EXPECT_TRUE(svFirst->svFirst);

    EXPECT_FALSE(DetectSvpHeader(TLines{"1500,2", "1501,3"})) << "no header";
    EXPECT_FALSE(DetectSvpHeader(TLines{}));
    // The first line that names both ends the search; one field may name both.
    const std::optional<TSvpHeaderFormat> oneField =
        DetectSvpHeader(TLines{"SV at depth", "Time;Depth;SV"});
    ASSERT_TRUE(oneField);
    EXPECT_EQ(oneField->headerLine, 0u);
    EXPECT_EQ(oneField->pattern, "%lf,%lf");
}

TEST(SvpHeaderDetection, CastAwayCastTakenWhole) {
    const TSvpTextFile cast = Cast("python-ctd__castaway_data.csv");
    if (!cast.read) GTEST_SKIP() << "no real data";
    const std::optional<TSvpHeaderFormat> format = DetectSvpHeader(cast.lines);
    ASSERT_TRUE(format);
    EXPECT_EQ(format->headerLine + 1, 29u);
    EXPECT_EQ(format->delimiter, ',');
    EXPECT_EQ(format->svColumn + 1, 7u);
    EXPECT_EQ(format->pressureColumn + 1, 2u);
    EXPECT_EQ(format->pattern, "%*[^,],%lf,%*[^,],%*[^,],%*[^,],%*[^,],%lf");
    EXPECT_FALSE(format->svFirst);

    const TLines extracted = Extract(cast.lines, format->pattern, false);
    EXPECT_EQ(extracted.size(), 141u);
    const TLines averaged = AverageSoundVelocities(extracted, 200);
    ASSERT_EQ(averaged.size(), 201u);
    EXPECT_GT(Hits(averaged[42]), 0) << "the cast reaches 42 m";
    for (std::size_t k = 43; k <= 200; ++k) EXPECT_EQ(Hits(averaged[k]), 0) << k;
    EXPECT_EQ(std::accumulate(averaged.begin(), averaged.end(), 0,
                              [](int sum, const std::string& line) { return sum + Hits(line); }),
              141);
    const TProfileColumnBuild column = BuildProfileColumn(averaged, 200);
    ASSERT_EQ(column.failure, TColumnFailure::None);
    ASSERT_EQ(column.lines.size(), 201u);
    for (const std::string& line : column.lines) {
        EXPECT_GE(std::stod(line), 1511.37) << line;
        EXPECT_LE(std::stod(line), 1511.86) << line;
    }
}

TEST(SvpHeaderDetection, XbtCastWithItsBrokenTail) {
    TSvpTextFile cast = Cast("python-ctd__XBT.EDF");
    if (!cast.read) GTEST_SKIP() << "no real data";
    EXPECT_FALSE(DetectSvpHeader(cast.lines)) << "its fields are named one per line";
    const auto data = std::ranges::find(cast.lines, "// Data");
    ASSERT_NE(data, cast.lines.end());
    *data = "Time (sec)\tResistance (ohms)\tDepth (m)\tTemperature (°C)\tSound Velocity (m/s)";
    const std::optional<TSvpHeaderFormat> format = DetectSvpHeader(cast.lines);
    ASSERT_TRUE(format);
    EXPECT_NE(AutoDetectedMessage(*format, TMessageLanguage::English).find("- Delimiter: TAB\n"),
              std::string::npos);
    EXPECT_EQ(format->svColumn + 1, 5u);
    EXPECT_EQ(format->pressureColumn + 1, 3u);
    EXPECT_FALSE(format->svFirst);

    const TLines extracted = Extract(cast.lines, format->pattern, false);
    EXPECT_EQ(extracted.size(), 730u);
    EXPECT_EQ(Extract(cast.lines, "%*lf %*lf %lf %*lf %lf", false), extracted);
    EXPECT_NE(std::ranges::find(extracted, "26,1519.720"), extracted.end())
        << "26.50 m is an exact half and rounds to the even 26";
    const bool brokenTail = std::ranges::any_of(extracted, [](const std::string& line) {
        return std::stod(line.substr(line.find(',') + 1)) < 1432;
    });
    EXPECT_TRUE(brokenTail) << "the broken tail near 1431 m/s is taken";

    const TLines to83 = AverageSoundVelocities(extracted, 83);
    ASSERT_EQ(to83.size(), 84u);
    for (const std::string& line : to83) EXPECT_GT(Hits(line), 0) << "no filling: " << line;
    const TProfileColumnBuild column =
        BuildProfileColumn(AverageSoundVelocities(extracted, 200), 200);
    ASSERT_EQ(column.failure, TColumnFailure::None);
    EXPECT_LT(std::stod(column.lines.at(200)), 1475) << "the tail pulls the column down";
}

}  // namespace
