// Real receiver logs through a pseudo-terminal in chunks of awkward sizes must give the same
// lines and the same position and speed events as a plain line-by-line decode of the file.

#include "devices/OrvaltSerialGPS.h"

#include "tests/devices/ReceiverLog.h"
#include "tests/devices/SerialGPSRecorder.h"
#include "tests/platform/PseudoTerminal.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Sizes that split sentences anywhere, some more than one read of 1023 bytes.
constexpr std::size_t kChunkSizes[] = {1, 4, 17, 251, 1023, 1500, 3, 509, 2047, 64};

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// Every complete line of the stream, without its NUL bytes, trimmed, reported and decoded.
std::vector<std::string> PlainDecode(std::string stream) {
    stream.erase(std::remove(stream.begin(), stream.end(), '\0'), stream.end());
    TOrvaltSerialGPS gps;
    TSerialGPSRecorder events(gps);
    std::size_t start = 0;
    for (std::size_t end; (end = stream.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line(Trimmed(std::string_view(stream).substr(start, end - start)));
        if (line.empty()) continue;
        gps.OnNewCommand(&gps, line);
        if (line.front() == '$') gps.ParseSentence(line);
    }
    return events.Sequence;
}

std::vector<std::string> DecodeThroughPort(const std::string& stream) {
    TPseudoTerminal terminal;
    terminal.MapToPort(2);
    TOrvaltSerialGPS gps;
    TSerialGPSRecorder events(gps);
    gps.Port = 2;
    gps.BaudRate = 115200;
    gps.Open();
    EXPECT_TRUE(gps.Connected());
    if (!gps.Connected()) return {};
    std::size_t at = 0;
    for (std::size_t chunk = 0; at < stream.size(); ++chunk) {
        const std::size_t size =
            std::min(kChunkSizes[chunk % std::size(kChunkSizes)], stream.size() - at);
        terminal.Send(std::string_view(stream).substr(at, size));
        at += size;
        EXPECT_TRUE(TPseudoTerminal::WaitQueued(gps.Handle(), static_cast<int>(size)));
        while (TPseudoTerminal::Queued(gps.Handle()) > 0) gps.PollTimerTick();
    }
    return events.Sequence;
}

TEST(RealReceiverLogs, ChunkedPortReadsMatchAPlainDecode) {
    const std::string folder = RealDataFolder();
    if (folder.empty()) GTEST_SKIP() << "no real data folder";
    const std::vector<TReceiverLog> logs = RealReceiverLogs(folder);
    if (logs.empty()) GTEST_SKIP() << "no receiver logs in " << folder << "nmea/";
    for (const TReceiverLog& log : logs) {
        SCOPED_TRACE(log.name);
        const std::vector<std::string> expected = PlainDecode(log.stream);
        const std::vector<std::string> actual = DecodeThroughPort(log.stream);
        const auto mismatch =
            std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
        if (mismatch.first != expected.end() || mismatch.second != actual.end()) {
            ADD_FAILURE() << "first difference at event " << (mismatch.first - expected.begin())
                          << ": expected \""
                          << (mismatch.first != expected.end() ? *mismatch.first : "(end)")
                          << "\", got \""
                          << (mismatch.second != actual.end() ? *mismatch.second : "(end)") << "\"";
        }
        EXPECT_GT(std::count_if(expected.begin(), expected.end(),
                                [](const std::string& e) { return e.rfind("line", 0) != 0; }),
                  0)
            << "the log decodes to no position or speed at all";
    }
}

}  // namespace
