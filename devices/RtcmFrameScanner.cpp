#include "devices/RtcmFrameScanner.h"

#include "devices/RtcmCrc24Q.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::size_t kFrameOverhead =
    TRtcmFrameScanner::kHeaderBytes + TRtcmFrameScanner::kCrcBytes;

std::uint8_t Byte(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint8_t>(bytes[at]);
}

// Frame size from a header: the upper six bits of the second byte are not part of the length.
std::size_t FrameSize(std::string_view header) {
    return (static_cast<std::size_t>(Byte(header, 1) & 0x03) << 8 | Byte(header, 2)) +
           kFrameOverhead;
}

bool CrcMatches(std::string_view frame) {
    const std::size_t end = frame.size() - TRtcmFrameScanner::kCrcBytes;
    const std::uint32_t sent = static_cast<std::uint32_t>(Byte(frame, end)) << 16 |
                               Byte(frame, end + 1) << 8 | Byte(frame, end + 2);
    return Crc24Q(frame.substr(0, end)) == sent;
}

}  // namespace

void TRtcmFrameScanner::Feed(std::string_view bytes, const TFrameSink& onFrame) {
    while (!bytes.empty()) {
        if (pendingSize_ > 0) {
            bytes = ContinuePending(bytes, onFrame);
        } else {
            ScanInPlace(bytes, onFrame);
            return;
        }
    }
}

// Checks every candidate that lies whole in bytes; a candidate cut by the end is kept in
// pending_ for the next piece.
void TRtcmFrameScanner::ScanInPlace(std::string_view bytes, const TFrameSink& onFrame) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        const void* found = std::memchr(bytes.data() + at, kPreamble, bytes.size() - at);
        if (!found) return;
        at = static_cast<std::size_t>(static_cast<const char*>(found) - bytes.data());
        const std::string_view rest = bytes.substr(at);
        if (rest.size() < kHeaderBytes || rest.size() < FrameSize(rest)) {
            std::memcpy(pending_.data(), rest.data(), rest.size());
            pendingSize_ = rest.size();
            return;
        }
        const std::string_view frame = rest.substr(0, FrameSize(rest));
        if (CrcMatches(frame)) {
            onFrame(frame);
            at += frame.size();
        } else {
            ++at;
        }
    }
}

// Adds to the pending frame what it still lacks; returns the bytes not taken.
std::string_view TRtcmFrameScanner::ContinuePending(std::string_view bytes,
                                                    const TFrameSink& onFrame) {
    const auto take = [&](std::size_t wanted) {
        const std::size_t n = std::min(wanted - std::min(wanted, pendingSize_), bytes.size());
        std::memcpy(pending_.data() + pendingSize_, bytes.data(), n);
        pendingSize_ += n;
        bytes.remove_prefix(n);
    };
    take(kHeaderBytes);
    if (pendingSize_ < kHeaderBytes) return bytes;
    const std::size_t frameSize = FrameSize(std::string_view(pending_.data(), pendingSize_));
    take(frameSize);
    if (pendingSize_ < frameSize) return bytes;
    const std::string_view frame(pending_.data(), frameSize);
    pendingSize_ = 0;
    if (CrcMatches(frame)) {
        onFrame(frame);
    } else {
        RescanAfterPreamble(frame, onFrame);
    }
    return bytes;
}

void TRtcmFrameScanner::Finish(const TFrameSink& onFrame) {
    while (pendingSize_ > 0) {
        const std::string_view candidate(pending_.data(), pendingSize_);
        pendingSize_ = 0;
        RescanAfterPreamble(candidate, onFrame);
    }
}

// The candidate lies in pending_, which the scan may refill: it is moved aside first.
void TRtcmFrameScanner::RescanAfterPreamble(std::string_view candidate, const TFrameSink& onFrame) {
    std::memcpy(rescan_.data(), candidate.data() + 1, candidate.size() - 1);
    ScanInPlace(std::string_view(rescan_.data(), candidate.size() - 1), onFrame);
}
