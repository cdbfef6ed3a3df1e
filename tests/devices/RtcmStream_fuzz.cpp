// Seeded, bounded fuzzing of the RTCM readers: the frame scanner, the decoders behind the report
// and the base-station watch. Inputs are slices of the real streams and encoded frames, mutated
// by bit flips, insertions, deletions and truncations, and frames given hostile length fields or
// descriptor counters with their CRC recomputed, so the decoders see them. Properties: no
// sanitizer report, every frame passed on has a matching CRC, piece sizes do not change the
// frames, and the report builder returns.
//
// A failure names its iteration; the run is the same every time.

#include "devices/RtcmBaseStation.h"
#include "devices/RtcmCrc24Q.h"
#include "devices/RtcmFrameScanner.h"
#include "devices/RtcmReport.h"
#include "tests/devices/RtcmTestFrames.h"

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr int kIterations = 40000;
constexpr std::size_t kMaxSlice = 6000;

class TMutator {
public:
    explicit TMutator(unsigned seed) : random_(seed) {}

    std::size_t Below(std::size_t n) { return n == 0 ? 0 : random_() % n; }
    char AnyByte() { return static_cast<char>(Below(4) == 0 ? 0xD3 : Below(256)); }

    void FlipBits(std::string& bytes) {
        for (std::size_t i = 0, n = 1 + Below(8); i < n && !bytes.empty(); ++i) {
            bytes[Below(bytes.size())] ^= static_cast<char>(1 << Below(8));
        }
    }
    void Insert(std::string& bytes) {
        std::string inserted;
        for (std::size_t i = 0, n = 1 + Below(12); i < n; ++i) inserted += AnyByte();
        bytes.insert(Below(bytes.size() + 1), inserted);
    }
    void Delete(std::string& bytes) {
        if (bytes.empty()) return;
        const std::size_t at = Below(bytes.size());
        bytes.erase(at, 1 + Below(std::min<std::size_t>(40, bytes.size() - at)));
    }
    void Truncate(std::string& bytes) { bytes.resize(Below(bytes.size() + 1)); }

    // The frame's message cut or padded to a length of 0 to 1023, with a fresh CRC.
    std::string WithLength(const std::string& frame) {
        std::string message(RtcmMessageOf(frame));
        const std::size_t length = Below(4) == 0 ? Below(32) : Below(1024);
        while (message.size() < length) message += AnyByte();
        message.resize(length);
        return RtcmFrame(message);
    }
    // A descriptor counter (or any byte after the header) set to 0, 31, 32 or 255.
    std::string WithCounter(const std::string& frame) {
        std::string message(RtcmMessageOf(frame));
        if (message.size() <= 3) return frame;
        static constexpr unsigned char kCounts[] = {0, 31, 32, 255};
        const std::size_t at = Below(2) == 0 ? 3 : 3 + Below(message.size() - 3);
        message[at] = static_cast<char>(kCounts[Below(4)]);
        return RtcmFrame(message);
    }

private:
    std::mt19937 random_;
};

std::vector<std::string> EncodedFrames() {
    TArpMessage arp;
    arp.xM = 3811965.6701;
    arp.yM = -175800.0708;
    arp.zM = 5093615.5606;
    TArpMessage withHeight = arp;
    withHeight.number = 1006;
    withHeight.antennaHeightM = 1.5;
    return {RtcmFrame(EncodeArp(arp)),
            RtcmFrame(EncodeArp(withHeight)),
            RtcmFrame(Encode1007(3, "ANTENNA", 1)),
            RtcmFrame(Encode1008(3, "ABC", 0, "12345")),
            RtcmFrame(Encode1033(3, "LEIAR10         NONE", 2, "21204005", "TRIMBLE ALLOY",
                                 "Nav 6.23", "5803R40146")),
            RtcmFrame(EncodeBare(1077, 60))};
}

void CheckStream(const std::string& stream, TMutator& mutator) {
    const std::vector<std::string> whole = ScanFrames(stream);
    for (const std::string& frame : whole) {
        const std::size_t length =
            (static_cast<std::uint8_t>(frame[1]) & 0x03) << 8 | static_cast<std::uint8_t>(frame[2]);
        ASSERT_EQ(frame.size(), length + 6);
        ASSERT_EQ(Crc24Q(frame), 0u) << "a frame followed by its own CRC leaves no remainder";
    }
    std::vector<std::size_t> pieces;
    for (int i = 0; i < 16; ++i) pieces.push_back(1 + mutator.Below(i % 2 ? 6 : 1500));
    ASSERT_EQ(ScanFrames(stream, pieces), whole);

    TRtcmReportInput input;
    input.receivedData = stream;
    input.lat = 53.3;
    input.lon = -2.6;
    const TRtcmReport report = BuildRtcmReport(input);
    ASSERT_FALSE(report.lines.empty());
    TRtcmBaseRecord stored;
    WatchBaseStations(stream, stored, [](const std::string&) {});
}

TEST(RtcmFuzz, HostileStreams) {
    std::vector<std::string> streams;
    for (const TRealStream& real : RealRtcmStreams()) streams.push_back(real.bytes);
    std::vector<std::string> frames = EncodedFrames();
    for (const std::string& stream : streams) {
        for (const std::string& frame : ScanFrames(stream)) frames.push_back(frame);
    }
    TMutator mutator(20240501);
    for (int iteration = 0; iteration < kIterations; ++iteration) {
        SCOPED_TRACE("iteration " + std::to_string(iteration));
        std::string input;
        if (!streams.empty() && mutator.Below(3) == 0) {
            const std::string& stream = streams[mutator.Below(streams.size())];
            const std::size_t at = mutator.Below(stream.size());
            input = stream.substr(at, 1 + mutator.Below(kMaxSlice));
        } else {
            for (std::size_t i = 0, n = 1 + mutator.Below(4); i < n; ++i) {
                const std::string& frame = frames[mutator.Below(frames.size())];
                switch (mutator.Below(3)) {
                    case 0:
                        input += mutator.WithLength(frame);
                        break;
                    case 1:
                        input += mutator.WithCounter(frame);
                        break;
                    default:
                        input += frame;
                }
            }
        }
        switch (mutator.Below(5)) {
            case 0:
                mutator.FlipBits(input);
                break;
            case 1:
                mutator.Insert(input);
                break;
            case 2:
                mutator.Delete(input);
                break;
            case 3:
                mutator.Truncate(input);
                break;
            default:
                break;  // the hostile frames as they are
        }
        CheckStream(input, mutator);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
