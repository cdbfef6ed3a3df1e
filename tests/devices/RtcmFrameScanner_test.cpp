// The frame scanner on crafted byte strings and on the real streams of the sample-data folder,
// whose frame counts, offsets and message types its README gives.

#include "devices/RtcmFrameScanner.h"

#include "devices/RtcmMessageNames.h"
#include "devices/RtcmMessages.h"
#include "tests/devices/RtcmTestFrames.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace std::string_literals;

const std::string kObservations = RtcmFrame(EncodeBare(1077, 20));
const std::string kDescriptor = RtcmFrame(Encode1007(1, "ABC", 0));

std::string Damaged(std::string frame) {
    frame.back() = static_cast<char>(frame.back() ^ 0x01);
    return frame;
}

std::string WithReservedBits(std::string frame) {
    frame[1] = static_cast<char>(frame[1] | 0xFC);
    return WithFreshCrc(frame);
}

struct TScanCase {
    const char* legend;
    std::string stream;
    std::vector<std::string> frames;
};

TEST(RtcmFrameScanner, CraftedStreamsInAnyPieces) {
    const std::string longest = RtcmFrame(EncodeBare(1019, 1023));
    const std::string preambleInside =
        RtcmFrame(std::string(EncodeBare(1019, 2)) + "\xD3\x00\x01"s);
    const TScanCase cases[] = {
        {"one whole frame", kObservations, {kObservations}},
        {"NMEA and binary before it",
         "$GPGGA,1,2*00\r\n\xB5\x62\x01" + kObservations,
         {kObservations}},
        {"wrong CRC", Damaged(kObservations), {}},
        {"a damaged frame, then a good one", Damaged(kObservations) + kDescriptor, {kDescriptor}},
        {"a false preamble whose length covers real frames",
         "\xD3\x00\x40"s + kObservations + kDescriptor,
         {kObservations, kDescriptor}},
        {"a frame cut short, then a good one",
         Damaged(kObservations).substr(0, 10) + kDescriptor,
         {kDescriptor}},
        {"a false preamble running past the end", kObservations + "\xD3\x03\xFF", {kObservations}},
        {"a frame cut by the end", kObservations + kDescriptor.substr(0, 9), {kObservations}},
        {"reserved length bits set",
         WithReservedBits(kObservations),
         {WithReservedBits(kObservations)}},
        {"an empty message", RtcmFrame(""), {RtcmFrame("")}},
        {"the longest message", longest, {longest}},
        {"preamble bytes inside a frame's data",
         preambleInside + kDescriptor,
         {preambleInside, kDescriptor}},
        {"preamble bytes only", std::string(3000, '\xD3'), {}},
    };
    for (const TScanCase& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(ScanFrames(c.stream), c.frames);
        EXPECT_EQ(ScanFrames(c.stream, {1}), c.frames);
        EXPECT_EQ(ScanFrames(c.stream, RandomPieceSizes(7)), c.frames);
    }
}

TEST(RtcmFrameScanner, ResetForgetsAFrameBegun) {
    std::vector<std::string> frames;
    TRtcmFrameScanner scanner;
    const auto sink = [&](std::string_view frame) { frames.emplace_back(frame); };
    scanner.Feed(std::string_view(kDescriptor).substr(0, 5), sink);
    scanner.Reset();
    scanner.Feed(kDescriptor.substr(5) + kObservations, sink);
    EXPECT_EQ(frames, std::vector<std::string>{kObservations});
}

struct TRealStreamFacts {
    const char* name;
    int frames;
    long firstOffset;    // -1 where the README does not say
    long trailingBytes;  // after the last frame; -1 where the README does not say
    std::map<int, int> countByNumber;
};

const TRealStreamFacts kFacts[] = {
    {"pyrtcm__pygpsdata-NTRIP-USCL00CHL0.rtcm3",
     35,
     0,
     0,
     {{1001, 1}, {1002, 1}, {1003, 1}, {1004, 1}, {1005, 1}, {1006, 1}, {1007, 1},
      {1008, 1}, {1009, 1}, {1010, 1}, {1011, 1}, {1012, 1}, {1013, 1}, {1019, 1},
      {1020, 1}, {1029, 1}, {1033, 1}, {1042, 1}, {1045, 1}, {1046, 1}, {1076, 1},
      {1077, 1}, {1086, 1}, {1087, 1}, {1096, 1}, {1097, 1}, {1106, 1}, {1107, 1},
      {1116, 1}, {1117, 1}, {1126, 1}, {1127, 1}, {1136, 1}, {1137, 1}, {1230, 1}}},
    {"pygnssutils__ntrip_encode_none.rtcm3",
     292,
     420,
     0,
     {{1006, 7},
      {1033, 7},
      {1013, 1},
      {1019, 33},
      {1020, 33},
      {1042, 33},
      {1046, 33},
      {1077, 33},
      {1087, 33},
      {1097, 33},
      {1127, 32},
      {1230, 7},
      {4094, 7}}},
    {"rtklib__GMSD7_20121014.rtcm3",
     1143,
     -1,
     302,
     {{1077, 257},
      {1087, 257},
      {1117, 257},
      {1127, 257},
      {1007, 28},
      {1008, 28},
      {1033, 28},
      {1019, 15},
      {1020, 16}}},
    {"pyrtcm__pygpsdata-MIXED-RTCM3.bin",
     7,
     52,
     170,
     {{1005, 1}, {4072, 1}, {1077, 1}, {1087, 1}, {1097, 1}, {1127, 1}, {1230, 1}}},
    {"pyrtcm__pygpsdata-MIXED-RTCM3BADCRC.bin",
     6,
     -1,
     -1,
     {{4072, 1}, {1077, 1}, {1087, 1}, {1097, 1}, {1127, 1}, {1230, 1}}},
    {"pyrtcm__pygpsdata-1230.rtcm3", 5, -1, -1, {{1230, 5}}},
    {"gpsd__rtcm3.2.log",
     192,
     594,
     -1,
     {{1077, 23},
      {1087, 24},
      {1097, 24},
      {1107, 24},
      {1019, 32},
      {1020, 24},
      {1044, 1},
      {1045, 9},
      {1046, 9},
      {1007, 3},
      {1008, 3},
      {1033, 3},
      {63, 13}}},
    {"gpsd__rtcm3.bndm.log",
     100,
     276,
     1,
     {{1004, 33}, {1012, 33}, {1006, 8}, {1008, 6}, {1033, 6}, {1013, 7}, {1230, 6}, {1029, 1}}},
    {"gpsd__ublox-zed-f9r.log",
     224,
     809,
     -1,
     {{1006, 6},
      {1008, 6},
      {1033, 6},
      {1075, 30},
      {1085, 30},
      {1095, 30},
      {1125, 30},
      {1019, 19},
      {1020, 12},
      {1042, 19},
      {1045, 15},
      {1046, 15},
      {1230, 6}}},
    {"orekit__RTCM3EPH01_ntrip2_chunked.dat", 63, -1, -1, {}},
};

TEST(RtcmFrameScanner, RealStreamsGiveTheFramesTheirSourcesDescribe) {
    if (RealRtcmStreams().empty()) GTEST_SKIP() << "no real data folder";
    for (const TRealStreamFacts& facts : kFacts) {
        SCOPED_TRACE(facts.name);
        const std::string stream = RealRtcmStream(facts.name);
        ASSERT_FALSE(stream.empty());
        std::vector<long> offsets;
        std::map<int, int> countByNumber;
        long end = 0;
        TRtcmFrameScanner scanner;
        scanner.Feed(stream, [&](std::string_view frame) {
            offsets.push_back(frame.data() - stream.data());
            end = offsets.back() + static_cast<long>(frame.size());
            ++countByNumber[RtcmMessageNumber(RtcmMessageOf(frame)).value_or(-1)];
        });
        EXPECT_EQ(static_cast<int>(offsets.size()), facts.frames);
        if (!facts.countByNumber.empty()) {
            EXPECT_EQ(countByNumber, facts.countByNumber);
        }
        if (facts.firstOffset >= 0 && !offsets.empty()) {
            EXPECT_EQ(offsets.front(), facts.firstOffset);
        }
        if (facts.trailingBytes >= 0) {
            EXPECT_EQ(static_cast<long>(stream.size()) - end, facts.trailingBytes);
        }
    }
    EXPECT_EQ(RtcmMessageName(63), "Unknown");
}

TEST(RtcmFrameScanner, EverySingleFrameIsFoundAlone) {
    int files = 0;
    for (const TRealStream& stream : RealRtcmStreams()) {
        const auto slash = stream.name.find('/');
        if (slash == std::string::npos) continue;
        SCOPED_TRACE(stream.name);
        ++files;
        const std::vector<std::string> frames = ScanFrames(stream.bytes);
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_EQ(frames[0], stream.bytes);
        EXPECT_EQ(RtcmMessageNumber(RtcmMessageOf(frames[0])),
                  std::stoi(stream.name.substr(slash + 1, 4)));
    }
    if (files == 0) GTEST_SKIP() << "no single frames";
}

TEST(RtcmFrameScanner, PieceSizesDoNotChangeTheFrames) {
    const std::vector<TRealStream> streams = RealRtcmStreams();
    if (streams.empty()) GTEST_SKIP() << "no real data folder";
    for (const TRealStream& stream : streams) {
        SCOPED_TRACE(stream.name);
        const std::vector<std::string> whole = ScanFrames(stream.bytes);
        EXPECT_EQ(ScanFrames(stream.bytes, {1}), whole);
        for (unsigned seed = 1; seed <= 3; ++seed) {
            EXPECT_EQ(ScanFrames(stream.bytes, RandomPieceSizes(seed)), whole);
        }
    }
}

}  // namespace
