#include "devices/NtripAnswer.h"

#include "tests/devices/NtripAnswerSamples.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using enum TNtripAnswerKind;

TEST(NtripAnswer, ClassifiesHeaders) {
    struct TCase {
        const char* legend;
        std::string header;
        TNtripAnswerKind kind;
        std::size_t offset;
        int code;
        const char* firstLine;
    };
    const TCase cases[] = {
        {"nothing yet", "", Incomplete, 0, 0, ""},
        {"ICY line still open", "ICY 200 OK\r", Incomplete, 0, 0, ""},
        {"HTTP header without its blank line", "HTTP/1.1 200 OK\r\nServer: x\r\n", Incomplete, 0, 0,
         ""},
        {"bare ICY answer, stream after its line", "ICY 200 OK\r\n\xD3\x00", Stream, 12, 0, ""},
        {"ICY with a blank line: the blank line is stream", "ICY 200 OK\r\n\r\nab", Stream, 12, 0,
         ""},
        {"HTTP 200, stream after the blank line",
         "HTTP/1.1 200 OK\r\nNtrip-Version: Ntrip/2.0\r\n\r\nab", Stream, 45, 0, ""},
        {"source table", "SOURCETABLE 200 OK\r\nContent-Length: 5\r\n\r\nSTR;", SourceTable, 41, 0,
         ""},
        {"unauthorized", "HTTP/1.0 401 Unauthorized\r\n\r\n", Refused, 29, 401, ""},
        {"not found", "HTTP/1.0 404 Not Found\r\n\r\n", Refused, 26, 404, ""},
        {"forbidden", "HTTP/1.1 403 Forbidden\r\n\r\n", Refused, 26, 403, ""},
        {"401 wins over 404 anywhere in the header", "HTTP/1.0 404 x\r\nRealm: 401\r\n\r\n",
         Refused, 30, 401, ""},
        {"any other answer keeps its first line", "HTTP/1.0 500 Oops\r\n\r\n", Refused, 21, 0,
         "HTTP/1.0 500 Oops"},
        // The body is never classified: the caster's words there do not count.
        {"a 401 whose body says 200 OK", k401With200InTheBody, Refused, 29, 401, ""},
        {"a 404 whose body is a source table", k404WithATableInTheBody, Refused, 52, 404, ""},
        {"a stream whose first bytes spell a refusal", "ICY 200 OK\r\nHTTP/1.0 401\r\n\r\n", Stream,
         12, 0, ""},
        {"a stream whose bytes hold SOURCETABLE", kHttpStreamAnswer + "SOURCETABLE", Stream, 45, 0,
         ""},
        {"an ICY line that is not the first line waits for the blank line",
         "HTTP/1.0 401 x\r\nICY 200 OK\r\n", Incomplete, 0, 0, ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.legend);
        const TNtripAnswer answer = ClassifyNtripAnswer(c.header);
        EXPECT_EQ(answer.Kind, c.kind);
        EXPECT_EQ(answer.Offset, c.offset);
        EXPECT_EQ(answer.Code, c.code);
        EXPECT_EQ(answer.FirstLine, c.firstLine);
    }
}

// Fed a byte at a time, the header's end is found by searching only the new byte and the
// marker's length before it.
TEST(NtripAnswer, FindsTheEndOfAHeaderThatArrivesByteByByte) {
    for (const std::string full : {"HTTP/1.1 200 OK\r\n\r\nX", "ICY 200 OK\r\nX"}) {
        SCOPED_TRACE(full);
        std::size_t complete = 0;
        for (std::size_t n = 1; n <= full.size() && !complete; ++n) {
            if (ClassifyNtripAnswer(std::string_view(full).substr(0, n), n - 1).Kind !=
                Incomplete) {
                complete = n;
            }
        }
        EXPECT_EQ(complete, full.size() - 1);
    }
}

struct TReading {
    TNtripAnswerKind kind = Incomplete;
    int code = 0;
    std::string firstLine;
    std::string header;
    std::string rest;  // what followed the header
    bool operator==(const TReading&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TReading& r) {
    return out << static_cast<int>(r.kind) << " code " << r.code << " header " << r.header.size()
               << " bytes, rest " << r.rest.size() << " bytes";
}

// Feeds the answer to a header reader in the given pieces, as the worker does: the first
// verdict other than Incomplete ends the header, and every later byte is the rest.
TReading ReadInPieces(const std::vector<std::string_view>& pieces) {
    TNtripHeaderReader reader;
    TReading reading;
    for (const std::string_view piece : pieces) {
        if (reading.kind != Incomplete) {
            reading.rest.append(piece);
            continue;
        }
        std::string rest;
        const TNtripAnswer answer = reader.Take(piece, rest);
        reading = {answer.Kind, answer.Code, answer.FirstLine, reader.Header(), rest};
    }
    return reading;
}

// Whatever the read boundaries, one answer gives one verdict, one header and one rest: every
// answer the tests play, cut into two at every byte, and fed a byte at a time.
TEST(NtripAnswer, EveryAnswerReadsTheSameSplitAtEveryByte) {
    for (const TAnswerSample& sample : NtripAnswerSamples()) {
        SCOPED_TRACE(sample.legend);
        const std::string_view bytes = sample.bytes;
        const TReading whole = ReadInPieces({bytes});
        EXPECT_EQ(whole.header + whole.rest, sample.bytes.substr(0, kMaxNtripHeaderBytes));
        for (std::size_t cut = 1; cut < bytes.size(); ++cut) {
            ASSERT_EQ(ReadInPieces({bytes.substr(0, cut), bytes.substr(cut)}), whole)
                << "cut at " << cut;
        }
        std::vector<std::string_view> singleBytes;
        for (std::size_t i = 0; i < bytes.size(); ++i) singleBytes.push_back(bytes.substr(i, 1));
        EXPECT_EQ(ReadInPieces(singleBytes), whole) << "byte by byte";
    }
}

TEST(NtripAnswer, AHeaderPastItsCapIsRefusedWithItsFirstLine) {
    const std::string answer = "HTTP/1.0 500 Oops\r\n" + std::string(kMaxNtripHeaderBytes, 'x');
    for (const std::size_t cut : {std::size_t{1}, kMaxNtripHeaderBytes - 1, kMaxNtripHeaderBytes}) {
        SCOPED_TRACE(cut);
        const TReading reading = ReadInPieces(
            {std::string_view(answer).substr(0, cut), std::string_view(answer).substr(cut)});
        EXPECT_EQ(reading.kind, Refused);
        EXPECT_EQ(reading.firstLine, "HTTP/1.0 500 Oops");
        EXPECT_EQ(reading.header.size(), kMaxNtripHeaderBytes);
    }
}

TEST(NtripAnswer, CutAnswersAreRefusalsOnlyWithACompleteErrorLine) {
    struct TCase {
        const char* legend;
        const char* header;
        TNtripAnswerKind kind;
        int code;
    };
    const TCase cases[] = {
        {"401 line, then the caster closed", "HTTP/1.0 401 Unauthorized\r\n", Refused, 401},
        {"403 in a later line", "HTTP/1.1 403 Forbidden\r\nDate: x\r\n", Refused, 403},
        {"the error line is not finished", "HTTP/1.0 401 Unauth", Incomplete, 0},
        {"a good answer cut short", "HTTP/1.1 200 OK\r\n", Incomplete, 0},
        {"nothing came", "", Incomplete, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.legend);
        const TNtripAnswer answer = ClassifyCutNtripAnswer(c.header);
        EXPECT_EQ(answer.Kind, c.kind);
        EXPECT_EQ(answer.Code, c.code);
    }
}

TEST(NtripAnswer, RefusalTexts) {
    EXPECT_EQ(NtripRefusalText(401, "MP"), "401 - Invalid username or password");
    EXPECT_EQ(NtripRefusalText(404, "MP"), "404 - Mount point not found: MP");
    EXPECT_EQ(NtripRefusalText(403, "MP"), "403 - Access forbidden");
    EXPECT_EQ(NtripRefusalText(0, "MP"), "Unknown server response");
}

TEST(NtripAnswer, SourceTableEndAndMountPoints) {
    const std::string table =
        "CAS;caster;2101\r\nSTR;VRS;Site;RTCM 3\r\n\r\nSTR;NOEND\r\nNET;x\r\nSTR;;empty\nSTR;"
        "LF;x\nENDSOURCETABLE\r\n";
    EXPECT_EQ(SourceTableMountPoints(table), (std::vector<std::string>{"VRS", "", "LF"}));
    EXPECT_TRUE(SourceTableComplete(table));
    const std::size_t end = table.find("ENDSOURCETABLE");
    EXPECT_TRUE(SourceTableComplete(table, end + 5)) << "marker begun in the bytes searched before";
    EXPECT_FALSE(SourceTableComplete(table.substr(0, end + 13)));
}

}  // namespace
