// The NTRIP window's RTCM work: the base-station watch of every received block and the
// "RTCM Parsing" button.

#include "devices/uNTRIPSettings.h"

#include "devices/uRTCMParsing.h"
#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/EventLog.h"
#include "platform/Paths.h"
#include "tests/devices/NtripWindowSupport.h"
#include "tests/devices/RtcmTestFrames.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

int LinesStartingWith(const TfrmNTRIPSettings& window, const QString& prefix) {
    int count = 0;
    for (const QString& line : NtripLogLines(window)) count += line.startsWith(prefix);
    return count;
}

class NtripRtcmTest : public ::testing::Test {
protected:
    NtripRtcmTest() {
        InitDayFolderGlobals();
        CreateDirectories(LogDir);
    }
    TTestClock clock_{QDateTime(QDate(2024, 5, 1), QTime(10, 0))};
};

TEST_F(NtripRtcmTest, RtcmParsingNeedsAClientAndAFrame) {
    TfrmNTRIPSettings window;
    window.Client->AppendReceivedData(std::string(5, static_cast<char>(0xD3)));
    QTest::mouseClick(window.Button1, Qt::LeftButton);
    EXPECT_EQ(LinesStartingWith(window, "No RTCM data to parse"), 1);
    window.FormDestroy();  // no client any more
    window.Button1Click();
    EXPECT_EQ(LinesStartingWith(window, "No RTCM data to parse"), 2);
    EXPECT_EQ(fRTCMParsing, nullptr);
}

TEST_F(NtripRtcmTest, RtcmParsingShowsTheReportAndUpdatesTheStation) {
    const std::string stream = RealRtcmStream("pyrtcm__pygpsdata-NTRIP-USCL00CHL0.rtcm3");
    if (stream.empty()) GTEST_SKIP() << "no real data folder";
    TfrmNTRIPSettings window;
    window.Client->AppendReceivedData(stream);
    window.Client->UpdatePosition(-33.5, -70.25, 12);
    QTest::mouseClick(window.Button1, Qt::LeftButton);
    ASSERT_NE(fRTCMParsing, nullptr);
    EXPECT_TRUE(fRTCMParsing->isVisible());
    const std::vector<std::string> lines = fRTCMParsing->ReportLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "Quellbay - RTCM Message Parser v1.0");
    EXPECT_EQ(lines.back(), "Total: 35 RTCM messages parsed");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Distance to Base: 40.39 km"), lines.end());
    EXPECT_EQ(LinesStartingWith(window, "Base #0: -33.4498"), 1);
    EXPECT_NEAR(window.BaseLatitude, -33.4498, 1e-4);
    EXPECT_FALSE(FileExists(EventLogFilePath())) << "the report writes no events-log record";

    QTest::mouseClick(window.Button1, Qt::LeftButton);
    EXPECT_EQ(fRTCMParsing->ReportLines(), lines) << "the memo holds one report";
    EXPECT_EQ(LinesStartingWith(window, "Base #"), 1) << "the same station again";
}

TEST_F(NtripRtcmTest, CasterBlocksReportTheStationOnce) {
    const std::string stream = RealRtcmStream("pygnssutils__ntrip_encode_none.rtcm3");
    if (stream.empty()) GTEST_SKIP() << "no real data folder";
    TfrmNTRIPSettings window;
    for (std::size_t at = 0; at < stream.size(); at += 4095) {
        const std::string block = stream.substr(at, 4095);
        window.ClientDataReceived(window.Client.get(), block.data(),
                                  static_cast<int>(block.size()));
    }
    EXPECT_EQ(LinesStartingWith(window, "Base #25: "), 1);
    EXPECT_EQ(window.BaseStationId, 25);
    const std::string events = ReadFileBytes(EventLogFilePath());
    EXPECT_EQ(events.rfind("Auto Event:\t2024-05-01 100000000\tNTRIP Base Station #25: ", 0), 0u);
    EXPECT_EQ(std::count(events.begin(), events.end(), '\n'), 1);
}

}  // namespace
