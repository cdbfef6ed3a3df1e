// The survey log and the simple XYZ file on disk: record bytes, headers, alternates, a removed
// day folder, failures told once and signed every time, a write cut short that leaves whole
// lines, and the XYZ file read back by the map.

#include "navigation/SurveyLogWriter.h"

#include "canvas/CanvasModel.h"
#include "canvas/QShapePoint.h"
#include "navigation/NavigationState.h"
#include "navigation/SurveyRecord.h"
#include "platform/DataFolders.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TSurveyRecord Sounding() {
    TSurveyRecord r;
    r.time = QDateTime(QDate(2014, 8, 1), QTime(0, 0, 7, 475));
    r.position = TSurveyRecord::TPosition{-22.0018483166667, -17.9393572,
                                          TGridPoint{602418.154, 7566446.006}};
    r.trueDepthHi = 4768.469;
    r.trueDepthLo = 0.5;
    r.rawDepthHi = 4674.7;
    r.rawDepthLo = 0;
    r.format = "NMEA DPT";
    r.soundVelocity = 1530;
    r.draft = 0.5;
    r.fixQuality = 1;
    r.rtkAntennaHeight = 0;
    r.manualTide = 1.25;
    r.rtkTide = -0.004;
    return r;
}

TEST(SurveyRecord, RecordTexts) {
    EXPECT_EQ(SurveyLogRecord(Sounding()),
              "2014-08-01 000007475,-22.0018483166667,-17.9393572,602418.15,7566446.01,-4767.22,"
              "0.75,4768.47,0.50,4674.7,0,NMEA DPT,1530.00,0.50,1,0.00,1.25,0.00");
    EXPECT_EQ(SimpleXyzRecord(602418.154, 7566446.006, -4767.219), "602418.15,7566446.01,-4767.22");
    TSurveyRecord ungridded = Sounding();
    ungridded.position->grid.reset();
    EXPECT_EQ(SurveyLogRecord(ungridded).substr(0, 59),
              "2014-08-01 000007475,-22.0018483166667,-17.9393572,,,-4767.");
    TSurveyRecord unplaced = Sounding();
    unplaced.position.reset();
    unplaced.fixQuality = 0;
    EXPECT_EQ(SurveyLogRecord(unplaced),
              "2014-08-01 000007475,,,,,-4767.22,0.75,4768.47,0.50,4674.7,0,NMEA DPT,1530.00,0.50,"
              "0,0.00,1.25,0.00");
    EXPECT_EQ(SurveyLogHeader,
              "Date,Lat,Lon,Easting,Northing,Elevation (Hi),Elevation (Lo),True Depth (Hi),"
              "True Depth (Lo),Raw Depth (Hi),Raw Depth (Lo),Message Format,Sound Velocity,"
              "Transducer Draft,GPS, RTK Antenna Height,Manual Tide,RTK Tide");
}

class SurveyLogWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseFreshRoots();
        InitDayFolderGlobals();
        CreateDirectories(LogDir);
        CreateDirectories(XyzDir);
        files_ = DaySurveyFiles();
    }

    std::string Append(std::optional<std::string> log, std::optional<std::string> xyz = {}) {
        const TAppendOutcome outcome = writer_.Append(files_, {std::move(log), std::move(xyz)});
        EXPECT_EQ(SurveyLogFile, nullptr) << "open only while one sounding is written";
        lastFailure_ = outcome.logFailure;
        return outcome.report;
    }

    std::string Header() const { return SurveyLogHeader + "\r\n"; }

    TSurveyLogWriter writer_;
    TSurveyFiles files_;
    std::string lastFailure_;  // the log failure of the last append
};

TEST_F(SurveyLogWriterTest, RecordsEndInCrLfAfterTheHeaderOfAnEmptyFile) {
    EXPECT_EQ(Append(std::nullopt), "");
    EXPECT_EQ(ReadFileBytes(files_.logPath), Header()) << "the header without a record";
    EXPECT_FALSE(FileExists(files_.xyzPath));
    EXPECT_EQ(Append("first", "1.00,2.00,3.00"), "");
    EXPECT_EQ(Append("second", "4.00,5.00,6.00"), "");
    EXPECT_EQ(Append("third"), "") << "no XYZ row without a position";
    EXPECT_EQ(ReadFileBytes(files_.logPath), Header() + "first\r\nsecond\r\nthird\r\n");
    EXPECT_EQ(ReadFileBytes(files_.xyzPath),
              "Easting,Northing,Elevation\r\n1.00,2.00,3.00\r\n4.00,5.00,6.00\r\n");
}

// The map's grid import reads the day's simple XYZ file by its rows and passes over its header.
TEST_F(SurveyLogWriterTest, SimpleXyzFileReadsBackThroughTheGridImport) {
    for (int i = 0; i < 3; ++i) {
        Append("record", SimpleXyzRecord(602418.15 + i, 7566446.01 - i, -4767.22 + i));
    }
    TCanvasModel map;
    ASSERT_TRUE(map.ImportXYZGrid(QString::fromStdString(files_.xyzPath), 0, 0, 0));
    ASSERT_EQ(map.ShapeCount(), 3) << "three rows, no header";
    const auto* first = dynamic_cast<const TQPoint*>(map.Shapes()[0].get());
    ASSERT_NE(first, nullptr) << "three soundings are no grid";
    EXPECT_DOUBLE_EQ(first->X, 602418.15);
    EXPECT_DOUBLE_EQ(first->Y, 7566446.01);
    EXPECT_DOUBLE_EQ(first->Value, -4767.22);
}

TEST_F(SurveyLogWriterTest, AFolderAtTheLogsPathGivesTheFirstFreeAlternate) {
    CreateDirectories(files_.logPath);
    EXPECT_EQ(Append("record", "1.00,2.00,3.00"), "");
    const std::string first = LogDir + TodayFolderName + " Coordinates_1.csv";
    EXPECT_EQ(ReadFileBytes(first), Header() + "record\r\n") << "with its own header";
    EXPECT_EQ(ReadFileBytes(files_.xyzPath), "Easting,Northing,Elevation\r\n1.00,2.00,3.00\r\n");
    std::filesystem::rename(first, LogDir + "elsewhere");
    CreateDirectories(first);
    EXPECT_EQ(Append("next"), "");
    EXPECT_EQ(ReadFileBytes(SurveyLogAlternatePath(files_.logPath, 2)), Header() + "next\r\n");
    EXPECT_EQ(SurveyLogAlternatePath("/a.b/log", 99), "/a.b/log_99");
}

TEST_F(SurveyLogWriterTest, ARemovedDayFolderIsCreatedAgainWhole) {
    std::filesystem::remove_all(DayDir);
    EXPECT_EQ(Append("record", "1.00,2.00,3.00"), "");
    EXPECT_EQ(ReadFileBytes(files_.logPath), Header() + "record\r\n");
    EXPECT_EQ(ReadFileBytes(files_.xyzPath), "Easting,Northing,Elevation\r\n1.00,2.00,3.00\r\n");
    for (const char* folder : {"SMK", "LOG", "XYZ", "SVP", "JPG", "MP4"}) {
        EXPECT_TRUE(DirectoryExists(DayDir + folder)) << folder;
    }
}

TEST_F(SurveyLogWriterTest, AFailureIsToldOnceUntilAWriteSucceeds) {
    std::filesystem::remove_all(LogDir);
    AppendFileBytes(LogDir.substr(0, LogDir.size() - 1), "a file where the folder belongs");
    const std::string report = Append("lost");
    EXPECT_NE(report.find("Cannot open the survey log " + files_.logPath), std::string::npos);
    EXPECT_EQ(lastFailure_, "Not a directory");
    EXPECT_EQ(Append("lost again"), "") << "told once";
    EXPECT_EQ(lastFailure_, "Not a directory") << "but signed every time";
    std::filesystem::remove(LogDir.substr(0, LogDir.size() - 1));
    EXPECT_EQ(Append("written"), "");
    EXPECT_EQ(lastFailure_, "");
    EXPECT_EQ(ReadFileBytes(files_.logPath), Header() + "written\r\n");
    std::filesystem::remove_all(LogDir);
    AppendFileBytes(LogDir.substr(0, LogDir.size() - 1), "again");
    EXPECT_EQ(Append("lost"), report) << "a new failure period is told again";

    std::filesystem::remove_all(XyzDir);
    AppendFileBytes(XyzDir.substr(0, XyzDir.size() - 1), "a file where the folder belongs");
    std::filesystem::remove(LogDir.substr(0, LogDir.size() - 1));
    EXPECT_EQ(Append("record", "1.00,2.00,3.00"),
              "Cannot open the simple XYZ file " + files_.xyzPath);
    EXPECT_EQ(Append("record", "1.00,2.00,3.00"), "");
}

// A file-size limit cuts a write short, as a full disk does: the cut line is taken back, so
// the file holds whole lines only and the next record starts a line of its own.
TEST_F(SurveyLogWriterTest, AWriteCutShortLeavesWholeLines) {
    EXPECT_EQ(Append("first"), "");
    const std::string before = ReadFileBytes(files_.logPath);
    std::string report;
    {
        const TFileSizeLimit limit(before.size() + 4);
        ASSERT_TRUE(limit.Applied());
        report = Append("a record longer than the limit");
    }

    EXPECT_EQ(report, "Cannot write the survey log " + files_.logPath + ": File too large");
    EXPECT_EQ(lastFailure_, "File too large");
    EXPECT_EQ(ReadFileBytes(files_.logPath), before);
    EXPECT_EQ(Append("next"), "");
    EXPECT_EQ(ReadFileBytes(files_.logPath), before + "next\r\n");
}

}  // namespace
