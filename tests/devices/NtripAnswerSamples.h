#pragma once
// The casters' answers that the NTRIP tests play, whole, in one place: the scripted casters
// send them (in pieces of their own), and the header reader's test feeds every one of them cut
// at every byte, since TCP may split an answer anywhere.

#include "tests/support/TestEnvironment.h"

#include <random>
#include <string>
#include <vector>

inline const std::string kIcyAnswer = "ICY 200 OK\r\n";
inline const std::string kHttpStreamAnswer = "HTTP/1.1 200 OK\r\nNtrip-Version: Ntrip/2.0\r\n\r\n";
inline const std::string kSourceTableAnswer =
    "SOURCETABLE 200 OK\r\nContent-Type: text/plain\r\n\r\nSTR;ONE;a;RTCM 3\r\n"
    "STR;TWO;b;RTCM 3\r\nENDSOURCETABLE\r\n";
inline const std::string k401Answer = "HTTP/1.0 401 Unauthorized\r\n\r\n";
inline const std::string k404Answer = "HTTP/1.0 404 Not Found\r\n\r\n";
inline const std::string kUnknownAnswer = "HTTP/1.0 500 Oops\r\n\r\n";
// Found by fuzzing the classifier: words of an acceptance in the body of a refusal.
inline const std::string k401With200InTheBody = "HTTP/1.1 401 Unauthorized\r\n\r\n200 OK";
inline const std::string k404WithATableInTheBody =
    "HTTP/1.0 404 Not Found\r\nContent-Type: text/plain\r\n\r\nSOURCETABLE 200 OK\r\n\r\n"
    "STR;X;y\r\nENDSOURCETABLE\r\n";

inline std::string RandomBytes(std::size_t count, unsigned seed) {
    std::mt19937 generator(seed);
    std::string bytes(count, '\0');
    for (char& byte : bytes) byte = static_cast<char>(generator() & 0xFF);
    return bytes;
}

// The committed captures lost their CRs: each header gets its CR LF lines and blank line back.
inline std::string WithCrLf(const std::string& text) {
    std::string restored;
    for (const char c : text) restored += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return restored;
}

inline std::string WithoutCommentLines(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size() && text[start] == '#') start = text.find('\n', start) + 1;
    return text.substr(start);
}

// Real casters' answers from the real-data folder, as the caster sent them; none without it.
struct TCapturedAnswers {
    std::string SourceTable;  // four mount points
    std::string Unauthorized;
    std::string Forbidden;
    std::string IcyStream;  // an ICY line, a blank line, then the stream
};

inline bool ReadCapturedAnswers(TCapturedAnswers& answers) {
    const std::string folder = RealDataFolder();
    if (folder.empty()) return false;
    const std::string ntrip = folder + "ntrip/";
    answers.SourceTable =
        WithCrLf(WithoutCommentLines(ReadFileBytes(ntrip + "gpsd__ntrip_sourcetable.log")));
    answers.Unauthorized =
        WithCrLf(ReadFileBytes(ntrip + "orekit__requires-basic-authentication.txt")) + "\r\n";
    answers.Forbidden = WithCrLf(ReadFileBytes(ntrip + "orekit__forbidden-request.txt")) + "\r\n";
    const std::string transcript = ReadFileBytes(ntrip + "gpsd__naujoks-ntrip.log");
    answers.IcyStream =
        "ICY 200 OK\r\n\r\n" + transcript.substr(transcript.find("ICY 200 OK\n\n") + 12);
    return true;
}

struct TAnswerSample {
    const char* legend;
    std::string bytes;
};

// Every answer above, with stream bytes after the accepting ones, and the captures when the
// real-data folder is there.
inline std::vector<TAnswerSample> NtripAnswerSamples() {
    const std::string rtcm = RandomBytes(600, 1);
    std::vector<TAnswerSample> samples = {
        {"ICY and RTCM", kIcyAnswer + rtcm},
        {"ICY, a blank line, RTCM", kIcyAnswer + "\r\n" + rtcm},
        {"HTTP 200 and RTCM", kHttpStreamAnswer + rtcm},
        {"HTTP 200 alone", kHttpStreamAnswer},
        {"source table", kSourceTableAnswer},
        {"401", k401Answer},
        {"404", k404Answer},
        {"an answer the client does not know", kUnknownAnswer},
        {"401 with 200 OK in the body", k401With200InTheBody},
        {"404 with a source table in the body", k404WithATableInTheBody},
        {"a 401 line, never finished", "HTTP/1.0 401 Unauthorized\r\n"},
    };
    TCapturedAnswers captured;
    if (ReadCapturedAnswers(captured)) {
        samples.push_back({"captured source table", captured.SourceTable});
        samples.push_back({"captured 401", captured.Unauthorized});
        samples.push_back({"captured 403", captured.Forbidden});
        samples.push_back({"captured ICY stream", captured.IcyStream.substr(0, 2000)});
    }
    return samples;
}
