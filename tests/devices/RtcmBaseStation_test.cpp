// The NTRIP window's base-station watch: which blocks report a station, the log line, and the
// record appended to the events log.

#include "devices/RtcmBaseStation.h"

#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/EventLog.h"
#include "platform/Paths.h"
#include "tests/devices/RtcmTestFrames.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kA = 6378137;
// Station 25 of the pygnssutils capture, near Warrington.
constexpr double kX = 3811965.6701, kY = -175800.0708, kZ = 5093615.5606;

std::string Arp(int number, int id, double x, double y, double z) {
    TArpMessage arp;
    arp.number = number;
    arp.stationId = id;
    arp.xM = x;
    arp.yM = y;
    arp.zM = z;
    return RtcmFrame(EncodeArp(arp));
}

std::string Station(int id, double scale = 1, double dx = 0) {
    return Arp(1005, id, kX * scale + dx, kY * scale, kZ * scale);
}

struct TWatched {
    std::vector<std::string> lines;
    TRtcmBaseRecord stored;
};

TWatched Watch(const std::vector<std::string>& blocks, TRtcmBaseRecord stored = {}) {
    TWatched watched{{}, stored};
    for (const std::string& block : blocks) {
        WatchBaseStations(block, watched.stored,
                          [&](const std::string& line) { watched.lines.push_back(line); });
    }
    return watched;
}

struct TBlockCase {
    const char* legend;
    std::vector<std::string> blocks;
    std::vector<int> reportedIds;
};

TEST(RtcmBaseStation, BlockScanTable) {
    const std::string station = Station(25);
    std::string damaged = station;
    damaged[10] = static_cast<char>(damaged[10] ^ 0x40);
    const double radialBy50m = 1 + 50 / std::sqrt(kX * kX + kY * kY + kZ * kZ);
    const TBlockCase cases[] = {
        {"two identical frames in one block give one report", {station + station}, {25}},
        {"a 1006 reports like a 1005", {Arp(1006, 25, kX, kY, kZ)}, {25}},
        {"a move under 1e-5 degree is not reported", {station + Station(25, 1, 0.5)}, {25}},
        {"a change in height only is not reported", {station + Station(25, radialBy50m)}, {25}},
        {"a move over 1e-5 degree is", {station + Station(25, 1, 5)}, {25, 25}},
        {"another id at the same place is", {station, Station(26)}, {25, 26}},
        {"the same station in a later block is not", {station, "xx" + station}, {25}},
        {"a frame split across two blocks is seen in neither",
         {station.substr(0, 12), station.substr(12)},
         {}},
        {"ECEF of zeros", {Arp(1005, 25, 0, 0, 0)}, {}},
        {"a radius outside the band", {Station(25, 1.2)}, {}},
        {"a damaged frame", {damaged}, {}},
        {"other messages are not stations", {RtcmFrame(EncodeBare(1077, 40))}, {}},
        {"a short 1005", {RtcmFrame(EncodeBare(1005, 18))}, {}},
        {"station 0 at 0, 0 matches the empty record", {Arp(1005, 0, kA + 100, 0, 0)}, {}},
    };
    for (const TBlockCase& c : cases) {
        SCOPED_TRACE(c.legend);
        const TWatched watched = Watch(c.blocks);
        std::vector<int> ids;
        for (const std::string& line : watched.lines) {
            ids.push_back(std::stoi(line.substr(line.find('#') + 1)));
        }
        EXPECT_EQ(ids, c.reportedIds);
        if (!ids.empty()) {
            EXPECT_EQ(watched.stored.stationId, ids.back());
        }
    }
}

TEST(RtcmBaseStation, EquatorPointAndTheRecordItLeaves) {
    const TWatched watched = Watch({Arp(1005, 7, kA + 100, 0, 0)});
    EXPECT_EQ(watched.lines, std::vector<std::string>{"Base #7: 0.00000000, 0.00000000, 100.00m"});
    EXPECT_EQ(watched.stored.stationId, 7);
    EXPECT_NEAR(watched.stored.heightM, 100, 1e-6);
}

TEST(RtcmBaseStation, WithoutTheLogFolderOnlyTheLogLine) {
    TTestClock clock(QDateTime(QDate(2024, 5, 1), QTime(10, 0)));
    InitDayFolderGlobals();
    EXPECT_EQ(Watch({Station(25)}).lines.size(), 1u);
    EXPECT_FALSE(FileExists(EventLogFilePath()));
    EXPECT_FALSE(DirectoryExists(LogDir));
}

TEST(RtcmBaseStation, RecordIsAppendedToTheStartDaysEventsLog) {
    TTestClock clock(QDateTime(QDate(2024, 5, 1), QTime(23, 59, 58, 250)));
    InitDayFolderGlobals();
    ASSERT_TRUE(CreateDirectories(LogDir));
    const std::string firstDay = EventLogFilePath();
    ASSERT_TRUE(AppendEventLog("GPS port connected", firstDay));
    ASSERT_TRUE(AppendEventLog("Realtime started", firstDay));
    const std::string before = ReadFileBytes(firstDay);
    TRtcmBaseRecord stored;
    const auto ignore = [](const std::string&) {};
    WatchBaseStations(Arp(1005, 7, kA + 100, 0, 0), stored, ignore);
    EXPECT_EQ(ReadFileBytes(firstDay),
              before +
                  "\r\nAuto Event:\t2024-05-01 235958000\tNTRIP Base Station #7: 0.00000000, "
                  "0.00000000, 100.00m\r\n");

    clock.Set(QDateTime(QDate(2024, 5, 2), QTime(0, 0, 5)));
    WatchBaseStations(Arp(1005, 8, kA + 100, 0, 0), stored, ignore);
    const std::string nextDay = LogDir + "2024-05-02 Events.log";
    EXPECT_NE(LogDir.find("2024-05-01"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(nextDay),
              "Auto Event:\t2024-05-02 000005000\tNTRIP Base Station #8: 0.00000000, "
              "0.00000000, 100.00m\r\n");
    WatchBaseStations(Arp(1005, 9, kA + 100, 0, 0), stored, ignore);
    EXPECT_EQ(ReadFileBytes(nextDay).find("\r\n\r\n"), std::string::npos)
        << "a file ending in a line break gets no second one";
}

TEST(RtcmBaseStation, AFailedRecordIsReportedAndTheStationStillStored) {
    TTestClock clock(QDateTime(QDate(2024, 5, 1), QTime(10, 0)));
    InitDayFolderGlobals();
    ASSERT_TRUE(CreateDirectories(EventLogFilePath()));  // a folder where the file should be
    const TWatched watched = Watch({Station(25)});
    ASSERT_EQ(watched.lines.size(), 2u);
    EXPECT_EQ(watched.lines[0].rfind("Base #25: ", 0), 0u);
    EXPECT_EQ(watched.lines[1].rfind("Cannot open file \"" + EventLogFilePath() + "\".", 0), 0u);
    EXPECT_EQ(watched.stored.stationId, 25);
}

TEST(RtcmBaseStation, ADamagedStationFrameIsNotReported) {
    const std::string good = RealRtcmStream("pyrtcm__pygpsdata-MIXED-RTCM3.bin");
    const std::string damaged = RealRtcmStream("pyrtcm__pygpsdata-MIXED-RTCM3BADCRC.bin");
    if (good.empty() || damaged.empty()) GTEST_SKIP() << "no real data folder";
    const std::vector<std::string> lines = Watch({good}).lines;
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("Base #0: 32.0658", 0), 0u);
    EXPECT_TRUE(Watch({damaged}).lines.empty());
}

TEST(RtcmBaseStation, RealCasterBlocksGiveOneStationAndOneRecord) {
    const std::string stream = RealRtcmStream("pygnssutils__ntrip_encode_none.rtcm3");
    if (stream.empty()) GTEST_SKIP() << "no real data folder";
    TTestClock clock(QDateTime(QDate(2024, 5, 1), QTime(10, 0)));
    InitDayFolderGlobals();
    ASSERT_TRUE(CreateDirectories(LogDir));
    std::vector<std::string> blocks;
    for (std::size_t at = 0; at < stream.size(); at += 4095)
        blocks.push_back(stream.substr(at, 4095));
    const TWatched watched = Watch(blocks);
    ASSERT_EQ(watched.lines.size(), 1u);
    EXPECT_EQ(watched.lines[0].rfind("Base #25: 53.3448", 0), 0u);
    const std::string events = ReadFileBytes(EventLogFilePath());
    EXPECT_EQ(events.rfind("Auto Event:\t2024-05-01 100000000\tNTRIP Base Station #25: 53.3448", 0),
              0u);
    EXPECT_EQ(std::count(events.begin(), events.end(), '\n'), 1);
}

}  // namespace
