#include "navigation/GeodeticParametersLog.h"

#include "navigation/StoredGeodesy.h"
#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/IniFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

QDateTime At(int day, int hour, int minute, int second, int msec) {
    return QDateTime(QDate(2024, 3, day), QTime(hour, minute, second, msec));
}

// A day whose LOG folder exists, as the program's start-up creates it.
class TGeodeticLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitDayFolderGlobals();
        std::filesystem::create_directories(LogDir);
    }
    std::string LogFile(const char* date) const { return LogDir + date + " Geodesy.txt"; }
    TTestClock clock_{At(7, 9, 5, 30, 123)};
};

void StoreSettings() {
    TIniFile ini(GetSettingsFilePath());
    const char* values[][2] = {
        {"SemiMajorAxis", "6378388"},
        {"InverseFlattening", "0.0033670033670034"},
        {"Name of Datum", "ED50 Türkiye"},
        {"Use DTP", "1"},
        {"X_Rotation", "-1.5"},
        {"Y_Rotation", "0.8"},
        {"Z_Rotation", "0.3"},
        {"X_Shift", "-84.003"},
        {"Y_Shift", "-102.315"},
        {"Z_Shift", "-129.879"},
        {"Scale_PPM", "-0.6"},
        {"Central_Meridian", "30"},
        {"Reference_Latitude", "0"},
        {"Scale_Factor", "1"},
        {"False_Easting", "500000"},
        {"False_Northing", "0"},
        {"Use Projection", "1"},
        {"eLCCSP1", "38"},
        {"eLCCSP2", "42"},
        {"eLCCSF", "0.9996"},
        {"eLCCCP", "40"},
        {"eLCCM", "33"},
        {"eLCCFE", "600000"},
        {"eLCCFN", "200000"},
        {"cbUseLCCProjection", "0"},
        {"cLambert1", "1"},
    };
    for (const auto& [key, value] : values) ini.WriteString("GEODETIC_PARAMETERS", key, value);
}

std::string Block(const char* time) {
    return std::string("=== SESSION START: ") + time + " ===\r\n\r\n" +
           "--- ELLIPSOID ---\r\n"
           "Semi-Major Axis: 6378388\r\n"
           "Inverse Flattening: 0.0033670033670034\r\n\r\n"
           "--- DATUM TRANSFORMATION ---\r\n"
           "Name of Datum: ED50 Türkiye\r\n"
           "Use DTP: Yes\r\n"
           "X/Y/Z Rotation: -1.5, 0.8, 0.3\r\n"
           "X/Y/Z Shift: -84.003, -102.315, -129.879\r\n"
           "Scale PPM: -0.6\r\n\r\n"
           "--- TRANSVERSE MERCATOR ---\r\n"
           "Use TM: Yes\r\n"
           "CM: 30, Ref Lat: 0, SF: 1\r\n"
           "FE: 500000, FN: 0\r\n\r\n"
           "--- LAMBERT CONFORMAL CONIC ---\r\n"
           "Use LCC: No\r\n"
           "SP1: 38, SP2: 42\r\n"
           "CP: 40, CM: 33\r\n"
           "FE: 600000, FN: 200000\r\n\r\n" +
           std::string(40, '-') + "\r\n\r\n";
}

const std::string kHeader =
    "GEODETIC PARAMETERS LOG - 2024-03-07\r\n" + std::string(40, '=') + "\r\n\r\n";

TEST_F(TGeodeticLogTest, TwoStartsGiveOneHeaderAndTwoBlocks) {
    StoreSettings();
    std::string error;
    ASSERT_TRUE(AppendGeodeticParametersLog(error)) << error;
    clock_.Set(At(7, 14, 0, 0, 4));
    ASSERT_TRUE(AppendGeodeticParametersLog(error)) << error;
    EXPECT_EQ(ReadFileBytes(LogFile("2024-03-07")),
              kHeader + Block("090530123") + Block("140000004"));
}

TEST_F(TGeodeticLogTest, EmptySectionLogsEmptyValuesAndNo) {
    std::string error;
    ASSERT_TRUE(AppendGeodeticParametersLog(error)) << error;
    const std::string text = ReadFileBytes(LogFile("2024-03-07"));
    for (const char* line :
         {"\r\nSemi-Major Axis: \r\n", "\r\nUse DTP: No\r\n", "\r\nX/Y/Z Rotation: , , \r\n",
          "\r\nUse TM: No\r\n", "\r\nCM: , Ref Lat: , SF: \r\n", "\r\nUse LCC: No\r\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3 + 26);
}

TEST_F(TGeodeticLogTest, AppendsWithoutRewritingWhatIsThere) {
    StoreSettings();
    {
        std::ofstream file(LogFile("2024-03-07"), std::ios::binary);
        file << kHeader << "a line edited by hand, LF only\nno line break at the end";
    }
    std::string error;
    ASSERT_TRUE(AppendGeodeticParametersLog(error)) << error;
    EXPECT_EQ(ReadFileBytes(LogFile("2024-03-07")),
              kHeader + "a line edited by hand, LF only\nno line break at the end\r\n" +
                  Block("090530123"));
}

TEST_F(TGeodeticLogTest, AfterMidnightANewDatedFileInTheFirstDaysFolder) {
    StoreSettings();
    std::string error;
    ASSERT_TRUE(AppendGeodeticParametersLog(error));
    clock_.Set(At(8, 0, 10, 0, 0));
    ASSERT_TRUE(AppendGeodeticParametersLog(error)) << error;
    EXPECT_EQ(ReadFileBytes(LogFile("2024-03-08")), "GEODETIC PARAMETERS LOG - 2024-03-08\r\n" +
                                                        std::string(40, '=') + "\r\n\r\n" +
                                                        Block("001000000"));
    EXPECT_EQ(ReadFileBytes(LogFile("2024-03-07")), kHeader + Block("090530123"));
}

TEST_F(TGeodeticLogTest, FailureToWriteIsReportedNotSwallowed) {
    std::filesystem::remove_all(LogDir);
    std::string error;
    EXPECT_FALSE(AppendGeodeticParametersLog(error));
    EXPECT_NE(error.find(LogFile("2024-03-07")), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(LogDir));

    std::filesystem::create_directories(LogFile("2024-03-07"));  // a folder in the file's place
    error.clear();
    EXPECT_FALSE(AppendGeodeticParametersLog(error));
    EXPECT_FALSE(error.empty());
}

// The run's projection is read from the very section the log records, so the two agree.
TEST_F(TGeodeticLogTest, TheRunsProjectionComesFromTheLoggedSection) {
    StoreSettings();
    TIniFile ini(GetSettingsFilePath());
    const struct {
        const char* lcc;
        const char* oneParallel;
        TProjectionKind kind;
    } cases[] = {{"0", "1", TProjectionKind::TransverseMercator},
                 {"1", "0", TProjectionKind::Lambert2},
                 {"1", "1", TProjectionKind::Lambert1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.lcc) + c.oneParallel);
        ini.WriteString("GEODETIC_PARAMETERS", "cbUseLCCProjection", c.lcc);
        ini.WriteString("GEODETIC_PARAMETERS", "cLambert1", c.oneParallel);
        const TStoredGeodesy stored = ReadStoredGeodesy(ini);
        EXPECT_EQ(stored.kind, c.kind);
        EXPECT_EQ(stored.texts.flattening, "0.0033670033670034");
        EXPECT_EQ(stored.texts.shiftZ, "-129.879");
        EXPECT_EQ(stored.texts.tmCentralMeridian, "30");
        EXPECT_EQ(stored.texts.lccScaleFactor, "0.9996");
        EXPECT_EQ(stored.texts.lccFalseNorthing, "200000");
    }
}

}  // namespace
