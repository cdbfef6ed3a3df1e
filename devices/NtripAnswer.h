#pragma once
// How the NTRIP client reads the caster's answer: the header, then a stream or a source table.
//
// The header is complete at its blank line ("\r\n\r\n") or, for a bare NTRIP 1.0 answer, at
// "ICY 200 OK\r\n". It is accepted when it holds "200 OK" or "SOURCETABLE":
//   ICY 200 OK\r\n<RTCM bytes ...>          a stream from right after the ICY line
//   HTTP/1.1 200 OK\r\n...\r\n\r\n<RTCM ...>  a stream from right after the blank line
//   SOURCETABLE 200 OK\r\n...\r\n\r\nSTR;...  a source table, up to "ENDSOURCETABLE"
// Anything else is a refusal, told apart by "401", "404" or "403" anywhere in the header.
// The caller feeds the growing header and says how much was searched before, so a header that
// arrives in many small pieces is searched once; it also caps the header's size.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A header still incomplete at this size is not an NTRIP answer.
inline constexpr std::size_t kMaxNtripHeaderBytes = 16 * 1024;
// A source table still without its end at this size is discarded.
inline constexpr std::size_t kMaxSourceTableBytes = 8 * 1024 * 1024;

enum class TNtripAnswerKind { Incomplete, Stream, SourceTable, Refused };

struct TNtripAnswer {
    TNtripAnswerKind Kind = TNtripAnswerKind::Incomplete;
    std::size_t Offset = 0;  // Stream, SourceTable: where the stream or the table text begins
    int Code = 0;            // Refused: 401, 404 or 403; 0 for any other refusal
    std::string FirstLine;   // Refused: the header's first line, empty without a CR LF
};

// Classifies the header received so far. The first `searchedBefore` bytes were already
// searched for the header's end by an earlier call and held none of it.
TNtripAnswer ClassifyNtripAnswer(std::string_view header, std::size_t searchedBefore = 0);

// A header the caster cut off by closing: a refusal when one of its complete (CR LF) lines
// holds "401", "404" or "403", else Incomplete.
TNtripAnswer ClassifyCutNtripAnswer(std::string_view header);

// The text before the first CR LF; empty when there is none.
std::string FirstHeaderLine(std::string_view header);

// The status text of a refusal: "401 - Invalid username or password", "404 - Mount point not
// found: " + mount point, "403 - Access forbidden" or "Unknown server response".
std::string NtripRefusalText(int code, const std::string& mountPoint);

// Whether the source table received so far holds "ENDSOURCETABLE"; the first
// `searchedBefore` bytes were searched before.
bool SourceTableComplete(std::string_view table, std::size_t searchedBefore = 0);

// Mount-point names of the "STR;" lines, in table order: the text between "STR;" and the next
// ";" (a line without that ";" gives none).
std::vector<std::string> SourceTableMountPoints(std::string_view table);
