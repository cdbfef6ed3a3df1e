#pragma once
// How the NTRIP client reads the caster's answer: the header, then a stream or a source table.
//
// The header is the first line when that is a bare NTRIP 1.0 "ICY 200 OK", else everything up
// to its blank line ("\r\n\r\n"). Only the header is classified; the bytes after it belong to
// the stream or the table, whatever they hold and however TCP split them:
//   ICY 200 OK\r\n<RTCM bytes ...>          a stream from right after the ICY line
//   HTTP/1.1 200 OK\r\n...\r\n\r\n<RTCM ...>  a stream from right after the blank line
//   SOURCETABLE 200 OK\r\n...\r\n\r\nSTR;...  a source table, up to "ENDSOURCETABLE"
// A header is accepted when it holds "200 OK" or "SOURCETABLE"; anything else is a refusal,
// told apart by "401", "404" or "403" in the header. The header reader takes the answer in
// blocks as they arrive, searches each byte once, and caps the header's size.

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
    std::size_t Offset = 0;  // the header's length, where the rest begins; 0 while incomplete
    int Code = 0;            // Refused: 401, 404 or 403; 0 for any other refusal
    std::string FirstLine;   // Refused: the header's first line, empty without a CR LF
};

// Classifies the answer received so far by its header alone. The first `searchedBefore`
// bytes were already searched for the header's end by an earlier call and held none of it.
TNtripAnswer ClassifyNtripAnswer(std::string_view answer, std::size_t searchedBefore = 0);

// A header the caster cut off by closing: a refusal when one of its complete (CR LF) lines
// holds "401", "404" or "403", else Incomplete.
TNtripAnswer ClassifyCutNtripAnswer(std::string_view header);

// The text before the first CR LF; empty when there is none.
std::string FirstHeaderLine(std::string_view header);

// The answer header taken from the blocks of the connection as they arrive.
class TNtripHeaderReader {
public:
    // While the header is incomplete returns Incomplete and keeps the block. Once it is
    // complete returns the verdict and puts the bytes that followed the header in `rest`. A
    // header that outgrows kMaxNtripHeaderBytes is refused with its first line (Offset 0).
    TNtripAnswer Take(std::string_view block, std::string& rest);
    // The verdict on a caster that closed before the header was complete.
    TNtripAnswer Cut() const { return ClassifyCutNtripAnswer(header_); }
    // The header, or what came of it so far: at most kMaxNtripHeaderBytes.
    const std::string& Header() const { return header_; }

private:
    std::string header_;
};

// The status text of a refusal: "401 - Invalid username or password", "404 - Mount point not
// found: " + mount point, "403 - Access forbidden" or "Unknown server response".
std::string NtripRefusalText(int code, const std::string& mountPoint);

// Whether the source table received so far holds "ENDSOURCETABLE"; the first
// `searchedBefore` bytes were searched before.
bool SourceTableComplete(std::string_view table, std::size_t searchedBefore = 0);

// Mount-point names of the "STR;" lines, in table order: the text between "STR;" and the next
// ";" (a line without that ";" gives none).
std::vector<std::string> SourceTableMountPoints(std::string_view table);
